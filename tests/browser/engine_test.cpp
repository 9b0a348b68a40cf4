// The browser window on the real web engine: the add-in's home page, a file and a page served
// on the loopback interface by this test.
#include "addin/browser/browser.h"
#include "addin/browser/browserlogic.h"
#include "addin/forms.h"
#include "addin/runtime/addinfolder.h"
#include "addin/toolwindow/toolbuttons.h"
#include "addin/toolwindow/toolwindow.h"
#include "addin/toolwindow/toolwindowloader.h"
#include "addin/windows/formregistry.h"
#include "fakeservices.h"
#include "platform/ui/imagebutton.h"
#include "platform/webcontrol/browser.h"
#include "platform/webcontrol/engineoutput.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

using tolvar::Browser;

namespace {

// Answers every request with one small page.
class PageServer : public QTcpServer
{
public:
    PageServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    socket->readAll();
                    const QByteArray body =
                        "<html><head><title>Served</title></head><body>Served</body></html>";
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                                  QByteArray::number(body.size()) +
                                  "\r\nConnection: close\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        listen(QHostAddress::LocalHost);
    }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1/").arg(serverPort()); }
};

// The programs this process has started, by name.
QStringList childPrograms()
{
    QStringList names;
    const QString self = QString::number(QCoreApplication::applicationPid());
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QString line = QString::fromLocal8Bit(stat.readAll());
        const qsizetype close = line.lastIndexOf(u')');
        const QStringList after = line.mid(close + 2).split(u' ');
        if (after.value(1) == self)
            names << line.section(u'(', 1).left(close - line.indexOf(u'(') - 1);
    }
    return names;
}

class BrowserEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tolvar::setAddInFolderForTesting(qEnvironmentVariable("TOLVAR_ADDIN_DIR"));
        ASSERT_TRUE(server.isListening());
        ASSERT_TRUE(dir.isValid());
        QFile file(dir.filePath("page.html"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<html><head><title>File Page</title></head><body>A file</body></html>");
    }
    void TearDown() override { tolvar::setAddInFolderForTesting({}); }

    // Waits until the control reports the end of a load: progress -1.
    bool loaded(QSignalSpy &progress)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 30000) {
            while (!progress.isEmpty())
                if (progress.takeFirst().at(0).toInt() == -1)
                    return true;
            QTest::qWait(20);
        }
        return false;
    }
    // Keys as the user types them: into the combo box, which hands them to its line edit.
    void typeAddress(Browser &window, const QString &address)
    {
        QComboBox *box = window.locationBox();
        box->lineEdit()->clear();
        QTest::keyClicks(box, address);
        QTest::keyClick(box, Qt::Key_Return);
    }

    ui::FakeServices services;
    ui::ScopedServices scoped{&services};
    PageServer server;
    QTemporaryDir dir;
};

} // namespace

TEST(EngineOutputTest, HarmlessFontMessageIsDroppedAndEverythingElsePassesWhole)
{
    QByteArray pending = "first\nFontconfig error: Cannot load default config file: No such "
                         "file: (null)\nsecond\npart";
    EXPECT_EQ(webcontrol::EngineOutput::takeShown(pending), "first\nsecond\n");
    EXPECT_EQ(pending, "part");
    pending += "ial";
    EXPECT_EQ(webcontrol::EngineOutput::takeRest(pending), "partial");
    EXPECT_EQ(pending, "");
}

// First in this process: nothing may have started the engine yet.
TEST_F(BrowserEngineTest, EngineStartsWithTheBrowserButtonNotWithTheToolWindow)
{
    tolvar::defineAddInForms(tolvar::forms());
    // In the add-in the window comes from its module; here it is linked in.
    tolvar::forms().define(tolvar::formname::Browser, [] { return new Browser; });
    tolvar::LoadToolWindow();
    ASSERT_TRUE(tolvar::toolWindow());
    QTest::qWait(500);
    EXPECT_FALSE(tolvar::forms().find(tolvar::formname::Browser));
    EXPECT_EQ(childPrograms(), QStringList());

    QTest::mouseClick(tolvar::toolWindow()->button(tolvar::Br), Qt::LeftButton);
    auto *window = qobject_cast<Browser *>(tolvar::forms().find(tolvar::formname::Browser));
    ASSERT_TRUE(window);
    QSignalSpy progress(window->webBrowser(), &webcontrol::Control::DownloadProgress);
    ASSERT_TRUE(loaded(progress));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(childPrograms().isEmpty());
    tolvar::unloadToolWindowForTesting();
}

TEST_F(BrowserEngineTest, HomeFileAndServedPageWithHistoryProgressAndCaption)
{
    Browser window;
    QSignalSpy progress(window.webBrowser(), &webcontrol::Control::DownloadProgress);
    window.show();
    ASSERT_TRUE(loaded(progress));
    EXPECT_EQ(window.windowTitle(),
              "Visual Basic World Wide - Vantix Software: Tolvar Add-In 2.0 Web Browser");

    const QString file = QUrl::fromLocalFile(dir.filePath("page.html")).toString();
    typeAddress(window, dir.filePath("page.html"));
    ASSERT_TRUE(loaded(progress));
    typeAddress(window, server.address());
    ASSERT_TRUE(loaded(progress));
    EXPECT_EQ(window.windowTitle(), "Served - Vantix Software: Tolvar Add-In 2.0 Web Browser");
    EXPECT_EQ(window.statusText(), webcontrol::Browser::doneText());
    QTest::qWait(200);
    EXPECT_TRUE(progress.isEmpty()) << "progress after the end of the load";

    QTest::mouseClick(window.button(tolvar::MoveB), Qt::LeftButton);
    ASSERT_TRUE(loaded(progress));
    EXPECT_EQ(window.windowTitle(), "File Page - Vantix Software: Tolvar Add-In 2.0 Web Browser");
    QTest::mouseClick(window.button(tolvar::MoveF), Qt::LeftButton);
    ASSERT_TRUE(loaded(progress));
    EXPECT_EQ(window.windowTitle(), "Served - Vantix Software: Tolvar Add-In 2.0 Web Browser");

    QStringList locations;
    for (int i = 0; i < window.locationBox()->count(); ++i)
        locations << window.locationBox()->itemText(i);
    EXPECT_EQ(locations, (QStringList{Browser::HomePage(), file, server.address()}));
    EXPECT_EQ(window.locationBox()->currentText(), server.address());
}

TEST_F(BrowserEngineTest, UnreachablePageEndsWithTheFailureInTheStatusText)
{
    Browser window;
    QSignalSpy progress(window.webBrowser(), &webcontrol::Control::DownloadProgress);
    window.show();
    ASSERT_TRUE(loaded(progress));

    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const QString address = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
    closed.close();
    typeAddress(window, address);
    ASSERT_TRUE(loaded(progress));
    EXPECT_TRUE(window.statusText().startsWith("Cannot open " + address))
        << window.statusText().toStdString();
}

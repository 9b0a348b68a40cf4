#include "helpview/helpbrowser.h"
#include "helpview/helprequest.h"
#include "helpview/helpwindow.h"
#include "helpview/instancename.h"
#include "helpview/singleinstance.h"

#include "accessiblenames.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpSearchEngine>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace helpview;

namespace {

QString helpFile()
{
    return qEnvironmentVariable("TOLVAR_ADDIN_DIR") + QStringLiteral("/tolvar.hlp");
}

HelpRequest contents(const QString &file = helpFile())
{
    return {file};
}
HelpRequest context(qint64 n, const QString &file = helpFile())
{
    return {file, false, n};
}

QString pageText(const HelpWindow &w)
{
    return w.browser()->toPlainText();
}

// Each test gets its own cache and runtime folders, so collections and sockets start afresh.
class HelpViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("XDG_CACHE_HOME", m_cache.path().toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
        ASSERT_TRUE(QFileInfo::exists(helpFile())) << qPrintable(helpFile());
    }

    QTemporaryDir m_cache;
    QTemporaryDir m_runtime;
};

} // namespace

TEST(HelpArgumentsTest, ReadsContentsAndContextAndRefusesTheRest)
{
    const auto parse = [](const QStringList &arguments) -> std::optional<HelpRequest> {
        const auto c = helpview::parseCommandLine(arguments);
        EXPECT_FALSE(c.help || c.version);
        if (!c.error.isEmpty())
            return std::nullopt;
        return c.request;
    };
    EXPECT_EQ(parse({"a.hlp", "--contents"}), contents("a.hlp"));
    EXPECT_EQ(parse({"a.hlp", "--context", "80"}), context(80, "a.hlp"));
    EXPECT_EQ(parse({"a.hlp", "--context", "-1"}), context(-1, "a.hlp"));
    EXPECT_EQ(parse({"a.hlp", "--context", "4294967295"}), context(4294967295, "a.hlp"));
    EXPECT_EQ(parse({"-platform", "offscreen", "a.hlp", "--context=80"}), context(80, "a.hlp"));
    for (const QStringList &bad :
         {QStringList{"a.hlp"}, QStringList{"a.hlp", "--context"},
          QStringList{"a.hlp", "--context", "x"}, QStringList{"a.hlp", "--context", "4294967296"},
          QStringList{"", "--contents"}, QStringList{"a.hlp", "--contents", "extra"},
          QStringList{"a.hlp", "--contents", "--context", "80"}})
        EXPECT_FALSE(parse(bad)) << qPrintable(bad.join(' '));
    // What goes over the socket comes back the same; anything else is refused.
    for (const HelpRequest &r : {contents("a.hlp"), context(80, "a.hlp")})
        EXPECT_EQ(decodeRequest(encodeRequest(r), "a.hlp"), r);
    EXPECT_FALSE(decodeRequest("context eighty\n", "a.hlp"));
    EXPECT_FALSE(decodeRequest("quit\n", "a.hlp"));
}

TEST_F(HelpViewTest, OpensAtContentsAndTopic80WithHistory)
{
    HelpWindow window(helpFile());
    EXPECT_EQ(window.windowTitle(), "Help: tolvar.hlp");
    window.showRequest(contents());
    EXPECT_TRUE(window.browser()->source().path().endsWith("/contents.html"));
    EXPECT_TRUE(pageText(window).contains("Tolvar Add-In 2.0 Help"));

    window.showRequest(context(80));
    EXPECT_TRUE(window.browser()->source().path().endsWith("/using.html"));
    EXPECT_EQ(window.browser()->documentTitle(), "Using The Tolvar Add-In");
    EXPECT_FALSE(window.browser()
                     ->document()
                     ->resource(QTextDocument::ImageResource, QUrl("pictures/LeftA.png"))
                     .isNull());

    // A link between topics, then back and forward through the history.
    emit window.browser()->anchorClicked(QUrl("alignleft.html"));
    EXPECT_TRUE(window.browser()->source().path().endsWith("/alignleft.html"));
    window.browser()->backward();
    EXPECT_TRUE(window.browser()->source().path().endsWith("/using.html"));
    window.browser()->forward();
    EXPECT_TRUE(window.browser()->source().path().endsWith("/alignleft.html"));
}

TEST_F(HelpViewTest, ReportsBadFilesAndUnknownContextsInItsWindowWithTheFileName)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.hlp");
    const QString corrupt = dir.filePath("corrupt.hlp");
    const QString folder = dir.filePath("folder.hlp");
    QFile out(corrupt);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("this is not a help file\n");
    out.close();
    ASSERT_TRUE(QDir().mkdir(folder));

    const struct
    {
        HelpRequest request;
        const char *message;
    } cases[] = {
        {context(80, missing), "does not exist"},
        {contents(corrupt), "not a help file"},
        {contents(folder), "cannot be read"},
        {context(99), "no topic with context number 99"},
        {context(-80), "no topic with context number -80"},
    };
    for (const auto &c : cases) {
        HelpWindow window(c.request.file);
        window.showRequest(c.request);
        const QString text = pageText(window);
        EXPECT_TRUE(text.contains(QFileInfo(c.request.file).absoluteFilePath()))
            << qPrintable(text);
        EXPECT_TRUE(text.contains(c.message)) << qPrintable(text);
    }
    // Nothing was written beside the help files.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 2);

    // Once the file is there, the same window shows it at the next request.
    HelpWindow window(missing);
    window.showRequest(context(80, missing));
    ASSERT_TRUE(QFile::copy(helpFile(), missing));
    window.showRequest(context(80, missing));
    EXPECT_EQ(window.browser()->documentTitle(), "Using The Tolvar Add-In");
}

TEST_F(HelpViewTest, SearchFindsAWordOfTopic80AndKeepsItsIndexInTheCache)
{
    HelpWindow window(helpFile());
    window.showRequest(context(80));
    ASSERT_TRUE(window.searchEngine());
    QSignalSpy finished(window.searchEngine(), &QHelpSearchEngine::searchingFinished);
    window.search(QStringLiteral("manager"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !finished.isEmpty(); }, 30000));
    const auto results = window.searchEngine()->searchResults(0, finished.first().first().toInt());
    EXPECT_TRUE(std::any_of(results.begin(), results.end(), [](const QHelpSearchResult &r) {
        return r.url().path().endsWith("/using.html");
    }));
    EXPECT_EQ(QDir(m_cache.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList("tolvar"));
    const QStringList beside =
        QFileInfo(helpFile())
            .dir()
            .entryList({"*.qhc", ".*"}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_TRUE(beside.isEmpty()) << qPrintable(beside.join(' '));
}

TEST_F(HelpViewTest, ALaterRequestReachesTheRunningViewer)
{
    // This process is the viewer; a second helpview process hands its request over and leaves.
    HelpWindow window(helpFile());
    window.showRequest(contents());
    SingleInstance instance;
    QObject::connect(&instance, &SingleInstance::requestReceived, &window,
                     &HelpWindow::showRequest);
    QString warning;
    ASSERT_EQ(instance.claim(contents(), &warning), SingleInstance::Viewer);
    EXPECT_TRUE(warning.isEmpty()) << qPrintable(warning);

    QString error;
    const QString folder = instanceFolder(&error);
    struct stat st;
    ASSERT_EQ(::lstat(QFile::encodeName(folder).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    QProcess second;
    second.start(
        qEnvironmentVariable("TOLVAR_BUILD_DIR") + "/bin/helpview",
        {QDir(QFileInfo(helpFile()).path()).filePath("../tolvar/tolvar.hlp"), "--context", "80"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 30000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().constData();
    EXPECT_TRUE(window.browser()->source().path().endsWith("/using.html"));
}

TEST_F(HelpViewTest, ASocketLeftByAViewerThatEndedIsTakenOver)
{
    QString error;
    const QString folder = instanceFolder(&error);
    QFile stale(instanceSocketPath(folder, helpFile()));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    SingleInstance instance;
    QString warning;
    EXPECT_EQ(instance.claim(contents(), &warning), SingleInstance::Viewer);
    EXPECT_TRUE(warning.isEmpty()) << qPrintable(warning);
}

TEST_F(HelpViewTest, TwoViewerProcessesForOneFileLeaveOneRunning)
{
    const QString viewer = qEnvironmentVariable("TOLVAR_BUILD_DIR") + "/bin/helpview";
    QProcess first;
    first.start(viewer, {helpFile(), "--contents"});
    QString error;
    const QString socket = instanceSocketPath(instanceFolder(&error), helpFile());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(socket); }, 30000));

    QProcess second;
    second.start(viewer, {helpFile(), "--context", "80"});
    EXPECT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    first.waitForFinished(10000);
}

TEST_F(HelpViewTest, WindowReadsAsItsTitle)
{
    HelpWindow window(helpFile());
    window.showRequest(contents());
    EXPECT_EQ(testing_a11y::misnamedText(&window), "");
}

#include "browser.h"

#include "engineoutput.h"

#include <QLoggingCategory>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <optional>
#include <unistd.h>
#include <utility>

namespace webcontrol {

namespace {

// A page that tells before each navigation of its main frame; frames inside it do not count.
class Page : public QWebEnginePage
{
public:
    Page(Browser *control, QObject *parent) : QWebEnginePage(parent), m_control(control) {}

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool isMainFrame) override
    {
        if (isMainFrame)
            emit m_control->BeforeNavigate(url.toString());
        return true;
    }

private:
    Browser *m_control;
};

} // namespace

void Browser::prepareEngine()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The engine's own log keeps to real errors; flags already given win.
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    for (const QByteArray &flag :
         {QByteArrayLiteral("--disable-gpu"), QByteArrayLiteral("--log-level=2")}) {
        if (!flags.contains(flag.split('=').front()))
            flags += ' ' + flag;
    }
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
    // What the engine tells of its set-up (GL, the sandbox) and what pages write to their script
    // console is not the user's business; QT_LOGGING_RULES still turns it back on.
    QLoggingCategory::setFilterRules(QStringLiteral("default.info=false\n"
                                                    "qt.webenginecontext.info=false\n"
                                                    "js.info=false\n"
                                                    "js.warning=false"));
}

QString Browser::openingText(const QString &address)
{
    return QStringLiteral("Opening page %1...").arg(address);
}

QString Browser::doneText()
{
    return QStringLiteral("Done");
}

QString Browser::failedText(const QString &address, const QString &reason)
{
    return QStringLiteral("Cannot open %1: %2").arg(address, reason);
}

Browser::Browser(QWidget *parent) : Control(parent)
{
    prepareEngine();
    {
        // The first page starts the engine, and with it the processes that start every other.
        static bool started = false;
        std::optional<EngineOutput> quiet;
        if (!std::exchange(started, true))
            quiet.emplace();
        m_view = new QWebEngineView(this);
        m_view->setPage(new Page(this, m_view));
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFocusProxy(m_view);

    QWebEnginePage *page = m_view->page();
    connect(page, &QWebEnginePage::titleChanged, this, &Control::TitleChange);
    connect(page, &QWebEnginePage::loadProgress, this, [this](int progress) {
        if (m_view->page()->isLoading())
            emit DownloadProgress(progress, 100);
    });
    connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo &info) {
        const QString address = info.url().toString();
        switch (info.status()) {
        case QWebEngineLoadingInfo::LoadStartedStatus:
            m_loadStatus = openingText(address);
            emit StatusTextChange(m_loadStatus);
            return;
        case QWebEngineLoadingInfo::LoadSucceededStatus:
            m_loadStatus = doneText();
            break;
        case QWebEngineLoadingInfo::LoadStoppedStatus:
            m_loadStatus = failedText(address, QStringLiteral("stopped"));
            break;
        case QWebEngineLoadingInfo::LoadFailedStatus:
            m_loadStatus = failedText(address, info.errorString());
            break;
        }
        emit StatusTextChange(m_loadStatus);
        emit DownloadProgress(-1, 100);
    });
    // Pointing at a link shows where it leads; leaving it shows the page's state again.
    connect(page, &QWebEnginePage::linkHovered, this, [this](const QString &url) {
        emit StatusTextChange(url.isEmpty() ? m_loadStatus : url);
    });
}

Browser::~Browser() = default;

void Browser::Navigate(const QString &address)
{
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    if (url.isValid())
        m_view->load(url);
}

void Browser::GoBack()
{
    m_view->back();
}

void Browser::GoForward()
{
    m_view->forward();
}

void Browser::Stop()
{
    m_view->stop();
}

void Browser::Refresh()
{
    m_view->reload();
}

QString Browser::LocationURL() const
{
    return m_view->url().toString();
}

QString Browser::LocationName() const
{
    return m_view->title();
}

ControlFactory browserFactory()
{
    return [](QWidget *parent) -> Control * { return new Browser(parent); };
}

} // namespace webcontrol

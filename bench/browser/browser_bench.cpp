// The browser window's Home button until the add-in's home page is on the screen, beside a bare
// web view loading the same file in the same run: what the window costs on top of the engine.
// "On the screen" means a grab of the page shows the page's dark blue heading.
#include "addin/browser/browser.h"
#include "addin/browser/browserlogic.h"
#include "addin/runtime/addinfolder.h"
#include "platform/ui/imagebutton.h"
#include "platform/ui/qtservices.h"
#include "platform/webcontrol/browser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWebEngineView>
#include <benchmark/benchmark.h>

namespace {

constexpr QRgb Heading = qRgb(0, 0, 128);

bool waitFor(const std::function<bool()> &done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > 20000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

bool showsHeading(QWebEngineView *view)
{
    const QImage shot = view->grab().toImage();
    return !shot.isNull() && shot.pixel(shot.width() / 2, 8) == Heading;
}

// Leaves the view on an empty page, so that every round loads the home page afresh.
bool blank(QWebEngineView *view)
{
    bool done = false;
    auto c = QObject::connect(view, &QWebEngineView::loadFinished, [&done] { done = true; });
    view->load(QUrl(QStringLiteral("about:blank")));
    const bool ok = waitFor([&] { return done && !showsHeading(view); });
    QObject::disconnect(c);
    return ok;
}

void BM_HomeButtonToPagePainted(benchmark::State &state)
{
    tolvar::Browser window;
    window.show();
    auto *control = static_cast<webcontrol::Browser *>(window.webBrowser());
    QWebEngineView *view = control->view();
    if (!waitFor([&] { return showsHeading(view); })) {
        state.SkipWithError("the home page never showed");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        blank(view);
        state.ResumeTiming();
        QTest::mouseClick(window.button(tolvar::Home), Qt::LeftButton);
        if (!waitFor([&] { return showsHeading(view); })) {
            state.SkipWithError("the home page did not come back");
            break;
        }
    }
}
BENCHMARK(BM_HomeButtonToPagePainted)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_BareViewToPagePainted(benchmark::State &state)
{
    QWebEngineView view;
    view.resize(611, 218);
    view.show();
    const QUrl home(tolvar::Browser::HomePage());
    for (auto _ : state) {
        state.PauseTiming();
        blank(&view);
        state.ResumeTiming();
        view.load(home);
        if (!waitFor([&] { return showsHeading(&view); })) {
            state.SkipWithError("the home page did not show");
            break;
        }
    }
}
BENCHMARK(BM_BareViewToPagePainted)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    webcontrol::Browser::prepareEngine();
    QApplication app(argc, argv);
    ui::QtServices services;
    ui::setServices(&services);
    tolvar::setAddInFolderForTesting(QStringLiteral(TOLVAR_ADDIN_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

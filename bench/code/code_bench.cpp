// The code window on a module of several thousand lines: opening it (until it is painted),
// scrolling it a page at a time, and a key typed in it (until the lists and the view are up to
// date). Each step should stay well under 100 ms.

#include "ide/code/codeeditor.h"
#include "ide/code/codewindow.h"
#include "ide/model/workspace.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

using namespace vbhost;

namespace {

Workspace *workspace = nullptr;
int moduleId = -1;
int moduleLines = 0;

// The screen saver module's procedures over and over, each copy under names of its own, with
// the attribute lines a class module's procedures and variables carry.
QByteArray bigModule(int copies)
{
    QFile source(QStringLiteral(MODULE_SOURCE));
    if (!source.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLatin1(source.readAll()).remove(u'\r');
    const qsizetype firstProcedure = text.indexOf(QLatin1String("Private Sub"));
    QString out = QStringLiteral("Attribute VB_Name = \"Big\"\n") + text.left(firstProcedure);
    const QRegularExpression names(QStringLiteral("\\b(Form|RunSaver|DoGraphics|EndSaver|"
                                                  "tmrExitNotify)(_?)"));
    for (int i = 0; i < copies; ++i) {
        QString copy = text.mid(firstProcedure);
        copy.replace(names, QStringLiteral("\\1%1\\2").arg(i));
        out += QStringLiteral("Public Total%1 As Long\nAttribute Total%1.VB_VarHelpID = -1\n"
                              "Public Property Get Item%1() As Long\n"
                              "Attribute Item%1.VB_UserMemId = 0\n    Item%1 = Total%1\n"
                              "End Property\n\n")
                   .arg(i);
        out += copy;
    }
    return out.replace(u'\n', QLatin1String("\r\n")).toLatin1();
}

void settle(CodeWindow &window)
{
    QCoreApplication::processEvents();
    window.editor()->viewport()->repaint();
}

std::unique_ptr<CodeWindow> openWindow()
{
    auto window = std::make_unique<CodeWindow>(*workspace, moduleId);
    window->resize(900, 700);
    window->show();
    settle(*window);
    return window;
}

void BM_OpenLargeModule(benchmark::State &state)
{
    for (auto _ : state) {
        auto window = openWindow();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    state.counters["lines"] = moduleLines;
}
BENCHMARK(BM_OpenLargeModule)->Unit(benchmark::kMillisecond);

void BM_ScrollLargeModuleAPage(benchmark::State &state)
{
    CodeWindow window(*workspace, moduleId);
    window.resize(900, 700);
    window.show();
    settle(window);
    QScrollBar *bar = window.editor()->verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(
            bar->value() + bar->pageStep() > bar->maximum() ? 0 : bar->value() + bar->pageStep());
        settle(window);
    }
}
BENCHMARK(BM_ScrollLargeModuleAPage)->Unit(benchmark::kMillisecond);

void BM_KeyInLargeModule(benchmark::State &state)
{
    auto window = openWindow();
    window->editor()->goTo(moduleLines / 2, 0);
    for (auto _ : state) {
        QTest::keyClick(window->editor(), Qt::Key_X);
        settle(*window);
    }
}
BENCHMARK(BM_KeyInLargeModule)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir dir;
    const QByteArray module = bigModule(60);
    QFile bas(dir.filePath(QStringLiteral("Big.bas"))),
        vbp(dir.filePath(QStringLiteral("Big.vbp")));
    if (module.isEmpty() || !bas.open(QIODevice::WriteOnly) || bas.write(module) < 0 ||
        !vbp.open(QIODevice::WriteOnly) ||
        vbp.write("Module=Big; Big.bas\r\nName=\"Big\"\r\n") < 0) {
        std::fprintf(stderr, "code_bench: cannot write the module\n");
        return 1;
    }
    bas.close();
    vbp.close();
    Workspace ws;
    ws.open(vbp.fileName());
    workspace = &ws;
    moduleId = ws.documents().first().id;
    moduleLines = int(ws.code(moduleId).count(u'\n'));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

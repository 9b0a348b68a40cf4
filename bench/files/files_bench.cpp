// Opening, parsing and saving a large form: 5,000 controls in frames, arrays and menus; and a
// form of frames nested thousands deep, read and laid out for the designer.
#include "ide/designer/designlayout.h"
#include "ide/files/formfile.h"
#include "ide/files/textlines.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace vbhost;

namespace {

constexpr int controlCount = 5000;

QByteArray largeForm()
{
    QByteArray t = "VERSION 5.00\r\nBegin VB.Form frmLarge \r\n"
                   "   Caption         =   \"Large\"\r\n"
                   "   ClientHeight    =   9000\r\n   ClientWidth     =   12000\r\n";
    int made = 0;
    int frame = 0;
    while (made < controlCount - 100) {
        t += "   Begin VB.Frame Frame" + QByteArray::number(frame) + " \r\n";
        t += "      Caption         =   \"Caf\xe9 " + QByteArray::number(frame) + "\"\r\n";
        t += "      Height          =   2000\r\n      Left            =   120\r\n";
        ++made;
        for (int i = 0; i < 48 && made < controlCount - 100; ++i, ++made) {
            t += "      Begin VB.CommandButton Command" + QByteArray::number(frame) + " \r\n";
            t += "         BeginProperty Font \r\n            Name            =   \"Arial\"\r\n"
                 "            Size            =   9.75\r\n         EndProperty\r\n";
            t += "         Caption         =   \"Button\"\r\n";
            t += "         Height          =   375\r\n";
            t += "         Index           =   " + QByteArray::number(i) + "\r\n";
            t += "         Left            =   " + QByteArray::number(120 + i * 30) + "\r\n";
            t += "         TabIndex        =   " + QByteArray::number(made) + "\r\n";
            t += "         Top             =   240\r\n         Width           =   1215\r\n";
            t += "      End\r\n";
        }
        t += "   End\r\n";
        ++frame;
    }
    for (int m = 0; made < controlCount; ++m) {
        t += "   Begin VB.Menu mnuTop" + QByteArray::number(m) + " \r\n";
        t += "      Caption         =   \"&Menu\"\r\n";
        ++made;
        for (int i = 0; i < 9 && made < controlCount; ++i, ++made) {
            t += "      Begin VB.Menu mnuItem" + QByteArray::number(m) + "_" +
                 QByteArray::number(i) + " \r\n";
            t += "         Caption         =   \"Item\"\r\n";
            t += "         Shortcut        =   ^" + QByteArray(1, char('A' + i)) + "\r\n";
            t += "      End\r\n";
        }
        t += "   End\r\n";
    }
    t += "End\r\nAttribute VB_Name = \"frmLarge\"\r\nOption Explicit\r\n";
    for (int i = 0; i < 500; ++i)
        t += "Private Sub Command" + QByteArray::number(i) +
             "_Click(Index As Integer)\r\n"
             "    Beep\r\nEnd Sub\r\n";
    return t;
}

void OpenParseAndSave5000Controls(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Large.frm"));
    const QByteArray original = largeForm();
    writeFileSafely(path, original);
    qsizetype controls = 0;
    for (auto _ : state) {
        FormFile f = FormFile::load(path);
        controls = f.controls().size();
        f.findControl(QStringLiteral("Command3"), 7)->setProperty(QStringLiteral("Left"), "999");
        f.save();
    }
    if (controls != controlCount)
        state.SkipWithError("the form does not hold the expected number of controls");
    state.counters["controls"] = double(controls);
    state.counters["bytes"] = double(original.size());
}
BENCHMARK(OpenParseAndSave5000Controls)->Unit(benchmark::kMillisecond);

QByteArray nestedForm(int levels)
{
    QByteArray t = "VERSION 5.00\r\nBegin VB.Form Form1 \r\n";
    for (int i = 0; i < levels; ++i)
        t += "Begin VB.Frame Frame" + QByteArray::number(i) +
             " \r\nLeft = 15\r\nTop = 15\r\nWidth = 60000\r\nHeight = 60000\r\n";
    for (int i = 0; i <= levels; ++i)
        t += "End\r\n";
    return t + "Attribute VB_Name = \"Form1\"\r\n";
}

// Time grows linearly with the nesting: each level is read and placed once.
void ReadAndLayOutNestedFrames(benchmark::State &state)
{
    const QByteArray bytes = nestedForm(int(state.range(0)));
    for (auto _ : state) {
        const FormFile f = FormFile::fromBytes(bytes, QStringLiteral("Deep.frm"));
        QList<DesignControl> controls;
        QHash<const ControlNode *, int> index;
        for (const ControlNode *n : f.controls()) {
            index.insert(n, int(controls.size()));
            controls << DesignControl{n->name(), n->shortClassName(), QRectF(15, 15, 6e4, 6e4),
                                      index.value(n->parent(), -1)};
        }
        const DesignLayout layout(controls, 15.0);
        benchmark::DoNotOptimize(layout.hitTest(QPoint(3000, 3000)));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(ReadAndLayOutNestedFrames)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2500)
    ->Arg(4000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// Opening, parsing and saving a large form: 5,000 controls in frames, arrays and menus.
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

} // namespace

BENCHMARK_MAIN();

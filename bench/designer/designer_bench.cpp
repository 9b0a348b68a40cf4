// Opening a large form in the designer as a whole: reading the project and the form, laying it
// out with every control's look and picture, and the first paint.
#include "ide/designer/formdesigner.h"
#include "ide/model/workspace.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <benchmark/benchmark.h>

namespace {

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A 32 by 32 bitmap of its own colour, as a picture record.
QByteArray pictureRecord(int i)
{
    QImage image(32, 32, QImage::Format_RGB888);
    image.fill(QColor::fromHsv((i * 37) % 360, 200, 220));
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "bmp");
    return le32(quint32(bmp.size()) + 8) + QByteArray("lt\0\0", 4) + le32(quint32(bmp.size())) +
           bmp;
}

QByteArray property(const char *name, const QByteArray &value)
{
    return "      " + QByteArray(name).leftJustified(16, ' ') + "=   " + value + "\r\n";
}

// 1,000 controls in 40 frames: labels (a third sized to their captions, in fonts of their own),
// text boxes, graphical buttons, images and picture boxes with pictures, shapes and lines.
// Returns the number of pictures.
int writeProject(const QString &folder, int count)
{
    QByteArray frm = "VERSION 5.00\r\nBegin VB.Form Big \r\n   BackColor       =   &H00C0C0C0&\r\n"
                     "   Caption         =   \"Big\"\r\n   ClientHeight    =   12000\r\n"
                     "   ClientWidth     =   16000\r\n   Icon            =   \"Big.frx\":0000\r\n";
    QByteArray frx = pictureRecord(0);
    int pictures = 1;
    int index = 0;
    const int frames = 40;
    const int perFrame = count / frames - 1;
    for (int f = 0; f < frames; ++f) {
        frm += "   Begin VB.Frame Frame" + QByteArray::number(f) + " \r\n" +
               property("Caption", "\"Group " + QByteArray::number(f) + "\"") +
               property("Height", "2800") + property("Left", QByteArray::number((f % 8) * 2000)) +
               property("Top", QByteArray::number((f / 8) * 2400)) + property("Width", "1950");
        for (int c = 0; c < perFrame; ++c, ++index) {
            const QByteArray name = QByteArray::number(index);
            const QByteArray place = property("Left", QByteArray::number(60 + (c % 4) * 470)) +
                                     property("Top", QByteArray::number(240 + (c / 4) * 400)) +
                                     property("Width", "450") + property("Height", "380");
            const QByteArray picture =
                property("Picture", "\"Big.frx\":" + QByteArray::number(frx.size(), 16));
            switch (c % 8) {
            case 0:
            case 1:
                frm += "      Begin VB.Label Label" + name + " \r\n" +
                       property("AutoSize", c % 8 == 0 ? "-1  'True" : "0   'False") +
                       property("Caption", "\"Label " + name + "\"") + place;
                if (c % 8 == 0)
                    frm += "         BeginProperty Font \r\n            Name = \"Arial\"\r\n"
                           "            Size = 9.75\r\n            Weight = 700\r\n"
                           "         EndProperty\r\n";
                break;
            case 2:
                frm += "      Begin VB.TextBox Text" + name + " \r\n" +
                       property("Text", "\"Text\"") + place;
                break;
            case 3:
                frm += "      Begin VB.CommandButton Command" + name + " \r\n" +
                       property("Caption", "\"Go\"") + property("Style", "1") + picture + place;
                frx += pictureRecord(index);
                ++pictures;
                break;
            case 4:
                frm += "      Begin VB.Image Image" + name + " \r\n" +
                       property("Stretch", "-1  'True") + picture + place;
                frx += pictureRecord(index);
                ++pictures;
                break;
            case 5:
                frm += "      Begin VB.PictureBox Picture" + name + " \r\n" + picture + place;
                frx += pictureRecord(index);
                ++pictures;
                break;
            case 6:
                frm += "      Begin VB.Shape Shape" + name + " \r\n" + property("Shape", "3") +
                       property("FillStyle", "0") + property("FillColor", "&H000000FF&") + place;
                break;
            default:
                frm += "      Begin VB.Line Line" + name + " \r\n" + property("X1", "60") +
                       property("Y1", "2600") + property("X2", "1800") + property("Y2", "2700");
                break;
            }
            frm += "      End\r\n";
        }
        frm += "   End\r\n";
    }
    frm += "End\r\nAttribute VB_Name = \"Big\"\r\n";
    const auto write = [&](const char *name, const QByteArray &bytes) {
        QFile file(folder + u'/' + QLatin1String(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::abort();
    };
    write("Big.frm", frm);
    write("Big.frx", frx);
    write("Big.vbp", "Form=Big.frm\r\nName=\"Big\"\r\n");
    return pictures;
}

void BM_OpenAndPaintLargeForm(benchmark::State &state)
{
    QTemporaryDir dir;
    const int pictures = writeProject(dir.path(), int(state.range(0)));
    for (auto _ : state) {
        vbhost::Workspace ws;
        ws.open(dir.filePath(QStringLiteral("Big.vbp")));
        vbhost::FormDesigner designer(ws, ws.documents().first().id);
        designer.resize(designer.sizeHint());
        QImage target(designer.size(), QImage::Format_RGB32);
        designer.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.SetLabel(QStringLiteral("controls, %1 pictures").arg(pictures).toStdString());
}
BENCHMARK(BM_OpenAndPaintLargeForm)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

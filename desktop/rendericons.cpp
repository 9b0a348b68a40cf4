// Paints the add-in's picture as PNG icons: FOLDER/NxN/apps/tolvar.png for each size N.
#include "addin/about/aboutpictures.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: tolvar_rendericons FOLDER SIZE...\n");
        return 2;
    }
    const QImage picture = tolvar::aboutIconPicture().toImage();
    for (int i = 2; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= 0)
            return 2;
        // The picture is drawn pixel by pixel: whole multiples keep its pixels sharp.
        const Qt::TransformationMode mode =
            size % picture.width() == 0 ? Qt::FastTransformation : Qt::SmoothTransformation;
        const QImage icon = picture.scaled(size, size, Qt::KeepAspectRatio, mode);
        const QString dir =
            QString::fromLocal8Bit(argv[1]) + QStringLiteral("/%1x%1/apps").arg(size);
        if (!QDir().mkpath(dir) || !icon.save(dir + QStringLiteral("/tolvar.png"), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}

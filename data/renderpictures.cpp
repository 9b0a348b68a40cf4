// Paints the toolbar pictures the help topics show into PNG files named after their buttons.
#include "addin/toolwindow/toolbarpictures.h"
#include "addin/toolwindow/toolbuttons.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tolvar_renderpictures FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    for (int id = 1; id <= int(tolvar::ToolButtons.size()); ++id) {
        const QString file = out.filePath(tolvar::ToolButtons[id - 1].name + ".png");
        if (!tolvar::buttonPicture(id, tolvar::ButtonPicture::Dn).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    if (!tolvar::toolWindowIcon().save(out.filePath(QStringLiteral("toolwindow.png")), "PNG"))
        return 1;
    return 0;
}

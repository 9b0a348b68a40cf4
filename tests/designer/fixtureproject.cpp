// Not a test: writes the fixture project with its binary companions into a folder, for looking
// at it in vbhost and taking the pictures in docs/:
//   designer_fixtures FOLDER
#include "fixturefrx.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the image writers need it
    const QString target = app.arguments().value(1);
    const QDir source(QStringLiteral(TOLVAR_DESIGNER_FIXTURES));
    if (target.isEmpty() || !QDir().mkpath(target)) {
        std::fprintf(stderr, "usage: designer_fixtures FOLDER\n");
        return 2;
    }
    for (const QString &name : source.entryList(QDir::Files)) {
        QFile::remove(QDir(target).filePath(name));
        if (!QFile::copy(source.filePath(name), QDir(target).filePath(name)))
            return 1;
    }
    return fixturefrx::writeFixtureCompanions(target) ? 0 : 1;
}

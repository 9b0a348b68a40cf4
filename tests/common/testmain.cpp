// Shared main for every test executable: a QApplication on the offscreen platform (so that
// gtest discovery and CI need no display) and a private Windows directory per run.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir windir;
    if (qEnvironmentVariableIsEmpty("TOLVAR_KEEP_WINDIR"))
        qputenv("WINDIR", windir.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

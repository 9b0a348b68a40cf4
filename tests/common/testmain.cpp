// Shared main for every test executable, with a private Windows directory per run. Tests of
// windows get a QApplication on the offscreen platform (so that gtest discovery and CI need no
// display); tests of logic get a QCoreApplication and no GUI library at all.
#ifdef TOLVAR_TEST_WINDOWS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir windir;
    if (qEnvironmentVariableIsEmpty("TOLVAR_KEEP_WINDIR"))
        qputenv("WINDIR", windir.path().toLocal8Bit());
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // The verdict is in: end without the static destructors, where the D-Bus library's thread
    // can wait for ever on a peer connection still closing on a loaded machine.
    windir.remove();
    std::fflush(nullptr);
    std::_Exit(result);
}

#pragma once

// vbhost with the add-in on an X server of its own under a real window manager (openbox).
#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace desktop {

inline const char *const ToolWindow = "^ Vantix Software: Tolvar Add-In 2.0$";

inline QTemporaryDir &home()
{
    static QTemporaryDir dir;
    return dir;
}

inline QProcessEnvironment &env()
{
    static QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    return e;
}

// Runs a shell command on the test's display; what it printed.
inline QString sh(const QString &command)
{
    QProcess p;
    p.setProcessEnvironment(env());
    p.start("sh", {"-c", command});
    p.waitForFinished(30000);
    return QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError()).trimmed();
}

inline bool waitFor(const std::function<bool()> &done)
{
    for (QDeadlineTimer deadline(60000); !deadline.hasExpired(); QThread::msleep(100)) {
        if (done())
            return true;
    }
    return false;
}

inline QList<qulonglong> ids(const QString &text)
{
    QList<qulonglong> result;
    for (const auto &m : QRegularExpression("0x[0-9a-f]+").globalMatch(text))
        result << m.captured().toULongLong(nullptr, 16);
    return result;
}

inline QString window(const QString &title)
{
    return sh("xdotool search --name '" + title + "' | head -n 1");
}

// Xvfb, openbox and vbhost on a copy of the demo with the add-in's tool window open. With
// accessible set, a session bus of its own lets the accessibility tree be read.
class Desktop : public ::testing::Environment
{
public:
    explicit Desktop(bool accessible = false) : m_accessible(accessible) {}
    void SetUp() override
    {
        env().insert("XDG_RUNTIME_DIR", home().path());
        env().insert("WINDIR", home().filePath("windows"));
        env().insert("TOLVAR_FAKE_UI", home().filePath("ui.log"));
        env().remove("QT_QPA_PLATFORM");
        if (m_accessible) {
            bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
            ASSERT_TRUE(bus.waitForReadyRead(30000));
            env().insert("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
            env().insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        }
        server.start("Xvfb",
                     {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"});
        ASSERT_TRUE(server.waitForReadyRead(30000));
        env().insert("DISPLAY", ':' + QString(server.readAllStandardOutput().trimmed()));
        wm.setProcessEnvironment(env());
        wm.start("openbox", {});
        ASSERT_TRUE(waitFor(
            [] { return !sh("xprop -root _NET_SUPPORTING_WM_CHECK").contains("not found"); }));
        sh(R"(cp "$TOLVAR_SOURCE_DIR"/examples/Demo/* "$XDG_RUNTIME_DIR" && "$TOLVAR_ADDIN_DIR/tolvar")");
        vbhost.setProcessEnvironment(env());
        vbhost.setStandardErrorFile(home().filePath("stderr.txt"));
        vbhost.start(env().value("TOLVAR_BUILD_DIR") + "/bin/vbhost",
                     {home().filePath("Demo.vbp"), "--addin", "VantixTolvarAddIn.connect",
                      "--choose", "Vantix Software's Tolvar Add-In"});
        ASSERT_TRUE(waitFor([] { return !window(ToolWindow).isEmpty(); }));
    }
    void TearDown() override
    {
        for (QProcess *p : {&vbhost, &wm, &server, &bus}) {
            p->terminate();
            p->waitForFinished();
        }
    }
    QProcess bus, server, wm, vbhost;

private:
    bool m_accessible;
};

// Clicks the tool window's toolbar button k (1 the first).
inline void clickToolButton(int k)
{
    sh(QString("xdotool windowactivate --sync %1 mousemove --window %1 %2 45 click 1")
           .arg(window(ToolWindow))
           .arg((75 + 480 * k - 240) / 15));
}

} // namespace desktop

#pragma once

// vbhost with the add-in on an X server of its own under a real window manager (openbox).
#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

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
    // Windows going away while it searches make xdotool complain: only its answer counts.
    return sh("xdotool search --name '" + title + "' 2>/dev/null | head -n 1");
}

// When the test runs as root, the program runs as nobody.
inline void startAsOrdinaryUser(QProcess &process, const QString &program, const QStringList &args)
{
    if (::geteuid() != 0)
        return process.start(program, args);
    process.start("setpriv",
                  QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", "--", program} +
                      args);
}

// Xvfb, openbox and vbhost on a copy of the demo with the add-in's tool window open, vbhost run
// as an ordinary user (the web engine's sandbox is on only then). With accessible set, vbhost
// runs as the test's user instead, with a session bus of its own through which the
// accessibility tree is read.
class Desktop : public ::testing::Environment
{
public:
    explicit Desktop(bool accessible = false) : m_accessible(accessible) {}
    void SetUp() override
    {
        env().insert("HOME", home().path());
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
        const bool asNobody = !m_accessible && ::geteuid() == 0;
        if (asNobody)
            sh("chown -R 65534:65534 \"$HOME\"");
        vbhost.setProcessEnvironment(env());
        vbhost.setStandardErrorFile(home().filePath("stderr.txt"));
        const QString program = env().value("TOLVAR_BUILD_DIR") + "/bin/vbhost";
        const QStringList args{home().filePath("Demo.vbp"), "--addin", "VantixTolvarAddIn.connect",
                               "--choose", "Vantix Software's Tolvar Add-In"};
        if (m_accessible)
            vbhost.start(program, args);
        else
            startAsOrdinaryUser(vbhost, program, args);
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

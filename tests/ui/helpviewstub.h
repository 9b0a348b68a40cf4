#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A helpview stand-in that writes its arguments, one a line, to a file; installed through
// $TOLVAR_HELPVIEW for the life of the object.
class HelpViewStub
{
public:
    HelpViewStub()
    {
        QFile script(m_dir.filePath("helpview"));
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"$0.args.tmp\"\n"
                     "mv \"$0.args.tmp\" \"$0.args\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_saved = qgetenv("TOLVAR_HELPVIEW");
        qputenv("TOLVAR_HELPVIEW", script.fileName().toLocal8Bit());
    }
    ~HelpViewStub() { qputenv("TOLVAR_HELPVIEW", m_saved); }

    // The arguments of the last start, waiting for the detached process to write them.
    QStringList arguments() const
    {
        QFile file(m_dir.filePath("helpview.args"));
        QElapsedTimer timer;
        timer.start();
        while (!file.exists() && timer.elapsed() < 5000)
            QTest::qWait(20);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved;
};

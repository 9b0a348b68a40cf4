#include "recordingservices.h"

#include "msgboxstyle.h"
#include "platform/automation/error.h"

#include <QFile>

namespace ui {

RecordingServices::RecordingServices(QString logPath, QString applicationTitle)
    : QtServices(std::move(applicationTitle)), m_logPath(std::move(logPath))
{}

QString RecordingServices::escape(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        default:
            out += c;
        }
    }
    return out;
}

void RecordingServices::record(const QStringList &fields)
{
    QStringList escaped;
    for (const QString &f : fields)
        escaped.append(escape(f));
    // Opened per call and closed at once: the process may end without running destructors.
    QFile log(m_logPath);
    if (log.open(QIODevice::WriteOnly | QIODevice::Append))
        log.write((escaped.join(u'\t') + u'\n').toUtf8());
}

int RecordingServices::MsgBox(const QString &prompt, int buttons, const QString &title,
                              const QString &helpfile, int context)
{
    record({QStringLiteral("MsgBox"), prompt, QString::number(buttons), title, helpfile,
            QString::number(context)});
    return msgBoxStyle(buttons).defaultButton;
}

QString RecordingServices::InputBox(const QString &prompt, const QString &title,
                                    const QString &defaultText, std::optional<double>,
                                    std::optional<double>, const QString &helpfile, int context)
{
    record({QStringLiteral("InputBox"), prompt, title, defaultText, helpfile,
            QString::number(context)});
    return defaultText;
}

QString RecordingServices::ShowOpen(QWidget *, const OpenFileRequest &request)
{
    record({QStringLiteral("ShowOpen"), request.title, request.filter, request.initialDir});
    if (request.cancelError)
        throw automation::Error::cancelled();
    return {};
}

bool RecordingServices::ShowPrinter(QWidget *, bool cancelError, const QString &)
{
    record({QStringLiteral("ShowPrinter")});
    if (cancelError)
        throw automation::Error::cancelled();
    return false;
}

void RecordingServices::EndProcess()
{
    record({QStringLiteral("EndProcess")});
    QtServices::EndProcess();
}

} // namespace ui

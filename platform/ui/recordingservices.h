#pragma once

#include "qtservices.h"

#include <QString>

namespace ui {

// The real services, except that nothing modal is shown: message boxes, input boxes and the
// common dialogs are written to a file, one call a line, and answered as a user pressing Enter
// would (the default button, the default text, a cancelled dialog), so that a program can be
// driven end to end from another process without anyone at the screen.
//
// Each line is tab-separated: the member name, then its arguments; tabs, carriage returns, line
// feeds and backslashes in texts are written as \t, \r, \n and \\. EndProcess is recorded
// before the process ends.
class RecordingServices : public QtServices
{
public:
    explicit RecordingServices(QString logPath, QString applicationTitle = {});

    int MsgBox(const QString &prompt, int buttons = 0, const QString &title = {},
               const QString &helpfile = {}, int context = 0) override;
    // The details follow the prompt, as the box without a details button shows them.
    int MsgBoxWithDetails(const QString &prompt, const QString &details, int buttons = 0,
                          const QString &title = {}) override
    {
        return Services::MsgBoxWithDetails(prompt, details, buttons, title);
    }
    QString InputBox(const QString &prompt, const QString &title = {},
                     const QString &defaultText = {}, std::optional<double> x = {},
                     std::optional<double> y = {}, const QString &helpfile = {},
                     int context = 0) override;
    QString ShowOpen(QWidget *parent, const OpenFileRequest &request) override;
    bool ShowPrinter(QWidget *parent, bool cancelError, const QString &documentName = {}) override;
    [[noreturn]] void EndProcess() override;

    static QString escape(const QString &text);

private:
    void record(const QStringList &fields);

    QString m_logPath;
};

} // namespace ui

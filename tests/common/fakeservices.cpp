#include "fakeservices.h"

#include "platform/automation/error.h"
#include "platform/ui/msgboxstyle.h"

namespace ui {

QList<FakeServices::Call> FakeServices::callsTo(const QString &name) const
{
    QList<Call> found;
    for (const Call &call : calls) {
        if (call.name == name)
            found.append(call);
    }
    return found;
}

QList<FakeServices::MsgBoxCall> FakeServices::messageBoxes() const
{
    QList<MsgBoxCall> boxes;
    for (const Call &call : callsTo(QStringLiteral("MsgBox"))) {
        boxes.append({call.args[0].toString(), call.args[1].toInt(), call.args[2].toString(),
                      call.args[3].toString(), call.args[4].toInt(),
                      call.args.value(5).toString()});
    }
    return boxes;
}

int FakeServices::MsgBox(const QString &prompt, int buttons, const QString &title,
                         const QString &helpfile, int context)
{
    calls.append({QStringLiteral("MsgBox"), {prompt, buttons, title, helpfile, context}});
    if (!msgBoxResults.isEmpty())
        return msgBoxResults.takeFirst();
    return msgBoxStyle(buttons).defaultButton;
}

int FakeServices::MsgBoxWithDetails(const QString &prompt, const QString &details, int buttons,
                                    const QString &title)
{
    const int answer = MsgBox(prompt, buttons, title);
    calls.last().args << details;
    return answer;
}

QString FakeServices::InputBox(const QString &prompt, const QString &title,
                               const QString &defaultText, std::optional<double> x,
                               std::optional<double> y, const QString &helpfile, int context)
{
    calls.append({QStringLiteral("InputBox"),
                  {prompt, title, defaultText, x ? QVariant(*x) : QVariant(),
                   y ? QVariant(*y) : QVariant(), helpfile, context}});
    if (!inputBoxTexts.isEmpty())
        return inputBoxTexts.takeFirst();
    return defaultText;
}

void FakeServices::setClipboardText(const QString &text)
{
    calls.append({QStringLiteral("setClipboardText"), {text}});
    if (clipboardBusy)
        throw cannotOpenClipboard();
    clipboard = text;
}

QString FakeServices::clipboardText()
{
    return clipboard;
}

QString FakeServices::ShowOpen(QWidget *, const OpenFileRequest &request)
{
    calls.append({QStringLiteral("ShowOpen"),
                  {request.title, request.filter, request.initialDir, request.cancelError,
                   request.filterIndex}});
    const std::optional<QString> answer =
        openFileNames.isEmpty() ? std::nullopt : openFileNames.takeFirst();
    if (answer && request.choice && !openChoices.isEmpty())
        *request.choice = openChoices.takeFirst();
    if (answer)
        return *answer;
    if (request.cancelError)
        throw automation::Error::cancelled();
    return {};
}

bool FakeServices::ShowPrinter(QWidget *, bool cancelError, const QString &documentName)
{
    calls.append({QStringLiteral("ShowPrinter"), {cancelError, documentName}});
    const PrinterAnswer answer =
        printerAnswers.isEmpty() ? PrinterAnswer{} : printerAnswers.takeFirst();
    if (!answer.print) {
        if (cancelError)
            throw automation::Error::cancelled();
        return false;
    }
    copies = answer.copies;
    return true;
}

int FakeServices::printerCopies()
{
    return copies;
}

void FakeServices::printerPrint(const QString &text)
{
    calls.append({QStringLiteral("printerPrint"), {text}});
    printerText += text + u'\n';
}

QString FakeServices::printerEndDoc()
{
    calls.append({QStringLiteral("printerEndDoc"), {}});
    if (!printerText.isEmpty())
        printedDocuments.append(printerText);
    printerText.clear();
    return {};
}

void FakeServices::WinHelp(const QString &helpfile, HelpCommand command, int context)
{
    calls.append({QStringLiteral("WinHelp"), {helpfile, int(command), context}});
}

int FakeServices::screenWidthTwips()
{
    return screenWidth;
}

int FakeServices::screenHeightTwips()
{
    return screenHeight;
}

void FakeServices::DoEvents()
{
    ++doEventsCount;
    if (onDoEvents)
        onDoEvents();
}

void FakeServices::EndProcess()
{
    calls.append({QStringLiteral("EndProcess"), {}});
    throw ProcessEnded{};
}

} // namespace ui

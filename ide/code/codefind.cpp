#include "ide/code/codefind.h"

#include "ide/code/codeeditor.h"
#include "ide/code/codewindow.h"
#include "ide/code/finddialog.h"
#include "ide/model/workspace.h"
#include "platform/ui/services.h"

#include <QTextBlock>

namespace vbhost {

namespace {

void select(CodeWindow *window, int position, int length)
{
    QTextCursor c(window->editor()->document());
    c.setPosition(position);
    c.setPosition(position + length, QTextCursor::KeepAnchor);
    window->editor()->setTextCursor(c);
    window->editor()->ensureCursorVisible();
}

} // namespace

CodeFind::CodeFind(Workspace &workspace, ui::Services &services, Windows windows, QWidget *parent)
    : QObject(parent), m_workspace(workspace), m_services(services), m_windows(std::move(windows)),
      m_dialog(new FindDialog(parent))
{
    connect(m_dialog, &FindDialog::findNextRequested, this, &CodeFind::findNext);
    connect(m_dialog, &FindDialog::replaceRequested, this, &CodeFind::replaceOne);
    connect(m_dialog, &FindDialog::replaceAllRequested, this, &CodeFind::replaceAll);
}

void CodeFind::say(const QString &text)
{
    m_services.MsgBox(text, int(ui::mb::OKOnly) | int(ui::mb::Information),
                      QStringLiteral("vbhost"));
}

void CodeFind::find()
{
    // The word at the cursor is what one usually looks for.
    if (CodeWindow *w = m_windows.active()) {
        QTextCursor c = w->editor()->textCursor();
        if (!c.hasSelection())
            c.select(QTextCursor::WordUnderCursor);
        if (!c.selectedText().isEmpty() && !c.selectedText().contains(QChar::ParagraphSeparator))
            m_dialog->setFindText(c.selectedText());
    }
    m_dialog->showFind();
}

void CodeFind::replace()
{
    find();
    m_dialog->showReplace();
}

bool CodeFind::findNext()
{
    CodeWindow *window = m_windows.active();
    const FindOptions options = m_dialog->options();
    if (!window)
        return false;
    if (options.text.isEmpty()) {
        find();
        return false;
    }
    m_windows.commitAll();
    const QTextCursor c = window->editor()->textCursor();
    // From just after the start of the selection: a match selected last time is passed over.
    const int from = c.hasSelection() ? c.selectionStart() + 1 : c.position();
    if (m_dialog->scope() == FindScope::AllModules) {
        const auto match = findInModules(m_workspace, codeModules(m_workspace),
                                         {window->documentId(), from}, options);
        if (match) {
            CodeWindow *target = match->documentId == window->documentId()
                                     ? window
                                     : m_windows.open(match->documentId);
            if (target)
                select(target, match->position, int(options.text.size()));
            return target != nullptr;
        }
    } else {
        const SearchRange range = m_dialog->scope() == FindScope::Procedure
                                      ? window->currentProcedureRange()
                                      : SearchRange{window->documentId(), 0, -1};
        const int at = findAround(window->toPlainText(), options, from, range.begin, range.end);
        if (at >= 0) {
            select(window, at, int(options.text.size()));
            return true;
        }
    }
    say(tr("Specified text not found."));
    return false;
}

bool CodeFind::replaceOne()
{
    CodeWindow *window = m_windows.active();
    const FindOptions options = m_dialog->options();
    if (!window || options.text.isEmpty())
        return false;
    QTextCursor c = window->editor()->textCursor();
    if (c.hasSelection() && c.selectionEnd() - c.selectionStart() == options.text.size() &&
        matchesAt(window->toPlainText(), options, c.selectionStart())) {
        c.insertText(m_dialog->replacement());
        window->editor()->setTextCursor(c);
    }
    return findNext();
}

int CodeFind::replaceAll()
{
    CodeWindow *window = m_windows.active();
    const FindOptions options = m_dialog->options();
    if (!window || options.text.isEmpty())
        return 0;
    m_windows.commitAll();
    QList<SearchRange> ranges;
    switch (m_dialog->scope()) {
    case FindScope::Procedure:
        ranges.append(window->currentProcedureRange());
        break;
    case FindScope::Module:
        ranges.append({window->documentId(), 0, -1});
        break;
    case FindScope::AllModules:
        for (int id : codeModules(m_workspace))
            ranges.append({id, 0, -1});
        break;
    }
    const int count = replaceInModules(m_workspace, ranges, options, m_dialog->replacement());
    if (count == 0)
        say(tr("Specified text not found."));
    else
        say(count == 1 ? tr("1 replacement was made.")
                       : tr("%1 replacements were made.").arg(count));
    return count;
}

void CodeFind::goToLine()
{
    CodeWindow *window = m_windows.active();
    if (!window)
        return;
    CodeEditor *editor = window->editor();
    const int lines = editor->document()->blockCount();
    const QString answer =
        m_services.InputBox(tr("Line number (1 to %1):").arg(lines), tr("Go To Line"),
                            QString::number(editor->textCursor().blockNumber() + 1));
    bool ok = false;
    const int line = answer.trimmed().toInt(&ok);
    if (answer.trimmed().isEmpty())
        return;
    if (!ok || line < 1 || line > lines) {
        say(tr("There is no line %1: the module has lines 1 to %2.")
                .arg(answer.trimmed())
                .arg(lines));
        return;
    }
    editor->goTo(line - 1);
    editor->setFocus(Qt::OtherFocusReason);
}

} // namespace vbhost

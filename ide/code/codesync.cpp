#include "ide/code/codesync.h"

#include "ide/code/lineedits.h"
#include "ide/model/workspace.h"

#include <QPlainTextEdit>
#include <QTextBlock>

namespace vbhost {

QString CodeSync::editorText(const QPlainTextEdit *editor)
{
    // toPlainText() would turn non-breaking spaces into plain ones.
    QString text = editor->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

CodeSync::CodeSync(Workspace &workspace, int documentId, QPlainTextEdit *editor)
    : QObject(editor), m_workspace(workspace), m_documentId(documentId), m_editor(editor)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(PauseMs);
    connect(&m_pause, &QTimer::timeout, this, &CodeSync::commit);
    m_base = workspace.code(documentId);
    m_attributes.reset(m_base);
    m_loading = true;
    editor->setPlainText(m_attributes.visibleText());
    m_loading = false;
    connect(editor->document(), &QTextDocument::contentsChanged, this, &CodeSync::edited);
    editor->installEventFilter(this);
    connect(&workspace, &Workspace::changed, this, [this](Workspace::Change what, int doc) {
        if ((what == Workspace::Change::Code || what == Workspace::Change::Project) &&
            (doc == -1 || doc == m_documentId))
            reload();
    });
}

bool CodeSync::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut)
        commit();
    return QObject::eventFilter(watched, event);
}

void CodeSync::edited()
{
    if (m_loading)
        return;
    m_dirty = true;
    m_pause.start();
}

void CodeSync::commit()
{
    m_pause.stop();
    if (!m_dirty)
        return;
    m_dirty = false;
    const QString code = m_attributes.merge(editorText(m_editor));
    try {
        if (code != m_workspace.code(m_documentId))
            m_workspace.setCode(m_documentId, code);
        m_base = m_workspace.code(m_documentId);
    } catch (const automation::Error &) {
        // The module left the project meanwhile; there is nowhere to put the text.
    }
}

void CodeSync::reload()
{
    if (m_workspace.document(m_documentId).id < 0)
        return; // leaving the project: the window closes
    const QString theirs = m_workspace.code(m_documentId);
    if (theirs == m_base)
        return;
    QString code = theirs;
    if (m_dirty) {
        // What was typed and not handed over yet joins their change, unless both touched the
        // same lines: then theirs (an add-in's insertion, an undo) holds.
        const QString ours = m_attributes.merge(editorText(m_editor));
        code = mergeLineEdits(m_base, ours, theirs).value_or(theirs);
    }
    m_attributes.reset(code);
    showText(m_attributes.visibleText());
    m_base = theirs;
    m_dirty = code != theirs;
    if (m_dirty)
        commit();
    emit reloaded();
}

void CodeSync::showText(const QString &text)
{
    const QString now = editorText(m_editor);
    if (now == text)
        return;
    qsizetype head = 0;
    const qsizetype common = std::min(now.size(), text.size());
    while (head < common && now[head] == text[head])
        ++head;
    qsizetype tail = 0;
    while (tail < common - head && now[now.size() - 1 - tail] == text[text.size() - 1 - tail])
        ++tail;
    m_loading = true;
    QTextCursor c(m_editor->document());
    c.setPosition(int(head));
    c.setPosition(int(now.size() - tail), QTextCursor::KeepAnchor);
    c.insertText(text.mid(head, text.size() - tail - head));
    m_loading = false;
}

} // namespace vbhost

#include "codeview.h"

#include "ide/model/workspace.h"

#include <QFontDatabase>

namespace vbhost {

CodeView::CodeView(Workspace &workspace, int documentId, QWidget *parent)
    : QPlainTextEdit(parent), m_workspace(workspace), m_documentId(documentId)
{
    setObjectName(QStringLiteral("codeView"));
    setAccessibleName(QStringLiteral("Code of %1").arg(workspace.document(documentId).name));
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(false);
    m_commitTimer.setSingleShot(true);
    m_commitTimer.setInterval(800);
    connect(&m_commitTimer, &QTimer::timeout, this, &CodeView::commit);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_loading)
            m_commitTimer.start();
    });
    connect(&m_workspace, &Workspace::changed, this, [this](Workspace::Change what, int doc) {
        if ((what == Workspace::Change::Code || what == Workspace::Change::Project) &&
            (doc == -1 || doc == m_documentId) && !m_commitTimer.isActive())
            reload();
    });
    reload();
}

CodeView::~CodeView()
{
    if (m_commitTimer.isActive())
        commit();
}

void CodeView::reload()
{
    QString text = m_workspace.code(m_documentId);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (text == toPlainText())
        return;
    m_loading = true;
    const int position = textCursor().position();
    setPlainText(text);
    QTextCursor c = textCursor();
    c.setPosition(std::min(position, int(text.size())));
    setTextCursor(c);
    m_loading = false;
}

void CodeView::commit()
{
    m_commitTimer.stop();
    QString text = toPlainText();
    try {
        QString current = m_workspace.code(m_documentId);
        current.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        if (text == current)
            return;
        text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
        m_workspace.setCode(m_documentId, text);
    } catch (const automation::Error &) {
        // The document left the project meanwhile; there is nowhere to put the text.
    }
}

void CodeView::focusOutEvent(QFocusEvent *event)
{
    commit();
    QPlainTextEdit::focusOutEvent(event);
}

} // namespace vbhost

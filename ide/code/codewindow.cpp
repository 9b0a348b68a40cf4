#include "ide/code/codewindow.h"

#include "ide/code/basiclexer.h"
#include "ide/code/codeeditor.h"
#include "ide/code/codehighlighter.h"
#include "ide/code/codelistbox.h"
#include "ide/code/codesync.h"
#include "ide/model/workspace.h"

#include <QBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QTextBlock>

namespace vbhost {

CodeWindow::CodeWindow(Workspace &workspace, int documentId, QWidget *parent)
    : QWidget(parent), m_workspace(workspace), m_documentId(documentId)
{
    m_editor = new CodeEditor(this);
    m_editor->setObjectName(QStringLiteral("codeView"));
    m_editor->setAccessibleName(tr("Code of %1").arg(workspace.document(documentId).name));
    new CodeHighlighter(m_editor->document());

    m_objectList = new CodeListBox(this);
    m_objectList->setObjectName(QStringLiteral("objectList"));
    m_objectList->setAccessibleName(tr("Object"));
    m_procList = new CodeListBox(this);
    m_procList->setObjectName(QStringLiteral("procList"));
    m_procList->setAccessibleName(tr("Proc"));
    auto *objectLabel = new QLabel(tr("Object:"), this);
    objectLabel->setBuddy(m_objectList);
    auto *procLabel = new QLabel(tr("Proc:"), this);
    procLabel->setBuddy(m_procList);

    auto *lists = new QHBoxLayout;
    lists->setContentsMargins(4, 4, 4, 2);
    lists->addWidget(objectLabel);
    lists->addWidget(m_objectList, 1);
    lists->addSpacing(8);
    lists->addWidget(procLabel);
    lists->addWidget(m_procList, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(lists);
    layout->addWidget(m_editor, 1);
    setFocusProxy(m_editor);
    setTabOrder(m_objectList, m_procList);
    setTabOrder(m_procList, m_editor);

    m_sync = new CodeSync(workspace, documentId, m_editor);
    m_update.setSingleShot(true);
    connect(&m_update, &QTimer::timeout, this, &CodeWindow::updatePlace);
    connect(m_editor->document(), &QTextDocument::contentsChanged, this, [this] {
        m_stale = true;
        m_update.start();
    });
    connect(m_editor, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        const QTextCursor c = m_editor->textCursor();
        emit cursorMoved(c.blockNumber() + 1, c.positionInBlock() + 1);
        m_update.start();
    });
    connect(m_objectList, &QComboBox::activated, this, &CodeWindow::objectChosen);
    connect(m_procList, &QComboBox::activated, this, &CodeWindow::procChosen);
    connect(m_objectList, &CodeListBox::aboutToShowPopup, this, &CodeWindow::rebuildObjects);
    connect(m_procList, &CodeListBox::aboutToShowPopup, this,
            [this] { showProcEntries(m_objectList->currentIndex()); });
    connect(&workspace, &Workspace::changed, this, [this](Workspace::Change what, int doc) {
        if (what != Workspace::Change::Code && what != Workspace::Change::Properties &&
            (doc == -1 || doc == m_documentId) && m_workspace.document(m_documentId).id >= 0) {
            rebuildObjects();
            m_update.start();
        }
    });
    // The environment's key for the Object list; Tab goes on to the Proc list and the code.
    auto *toObjects = new QShortcut(QKeySequence(tr("Ctrl+F2")), this, nullptr, nullptr,
                                    Qt::WidgetWithChildrenShortcut);
    connect(toObjects, &QShortcut::activated, this,
            [this] { m_objectList->setFocus(Qt::ShortcutFocusReason); });

    rebuildObjects();
    updatePlace();
}

CodeWindow::~CodeWindow()
{
    commit();
}

QString CodeWindow::toPlainText() const
{
    return CodeSync::editorText(m_editor);
}

void CodeWindow::commit()
{
    m_sync->commit();
}

const QList<Procedure> &CodeWindow::procedures()
{
    if (m_stale) {
        m_procedures = scanProcedures(toPlainText().split(u'\n'));
        m_stale = false;
        QList<int> separators;
        for (const Procedure &p : m_procedures) {
            if (p.start > 0)
                separators << p.start;
        }
        m_editor->setSeparatorLines(separators);
    }
    return m_procedures;
}

void CodeWindow::rebuildObjects()
{
    // The title follows a rename of the member.
    setWindowTitle(tr("%1 (Code)").arg(m_workspace.document(m_documentId).name));
    m_objects = codeObjects(documentObjectName(m_workspace, m_documentId),
                            m_workspace.controls(m_documentId));
    QStringList names;
    for (const CodeObject &o : m_objects)
        names << o.name;
    m_objectList->setEntries(names, {});
    m_shownObject = -1;
}

void CodeWindow::showProcEntries(int object)
{
    m_shownObject = object;
    m_procEntries = procEntries(m_objects, object, procedures());
    QStringList texts;
    QList<bool> bold;
    for (const ProcEntry &e : m_procEntries) {
        texts << e.text;
        bold << (e.procedure >= 0);
    }
    m_procList->setEntries(texts, bold);
}

void CodeWindow::updatePlace()
{
    m_update.stop();
    const CodePlace place = placeOf(m_editor->textCursor().blockNumber(), m_objects, procedures());
    m_objectList->showEntry(m_objects.value(place.object).name);
    showProcEntries(place.object);
    m_procList->showEntry(place.proc);
}

bool CodeWindow::chooseObject(const QString &name)
{
    rebuildObjects();
    const int i = m_objectList->findText(name, Qt::MatchFixedString);
    if (i < 0)
        return false;
    m_objectList->showEntry(m_objectList->itemText(i));
    objectChosen(i);
    return true;
}

bool CodeWindow::chooseProc(const QString &text)
{
    showProcEntries(m_objectList->currentIndex());
    const int i = m_procList->findText(text, Qt::MatchFixedString);
    if (i < 0)
        return false;
    m_procList->showEntry(m_procList->itemText(i));
    procChosen(i);
    return true;
}

void CodeWindow::objectChosen(int index)
{
    showProcEntries(index);
    m_editor->setFocus(Qt::OtherFocusReason);
    if (index == 0) {
        m_editor->goTo(0, 0, 0);
        m_procList->showEntry(DeclarationsEntry);
        return;
    }
    // Its default event's code, else its first code, else a new default event procedure.
    const ClassEvents *events = classEvents(m_objects.value(index).className);
    const ProcEntry *target = nullptr;
    for (const ProcEntry &e : std::as_const(m_procEntries)) {
        if (e.procedure >= 0 && (!target || (events && e.text == events->defaultEvent)))
            target = &e;
    }
    if (target)
        goToProcedure(target->procedure);
    else if (const EventInfo *e = events ? events->find(events->defaultEvent) : nullptr)
        addEventProcedure(index, *e);
}

void CodeWindow::procChosen(int index)
{
    const ProcEntry entry = m_procEntries.value(index);
    m_editor->setFocus(Qt::OtherFocusReason);
    if (m_shownObject == 0 && entry.text == DeclarationsEntry)
        m_editor->goTo(0, 0, 0);
    else if (entry.procedure >= 0)
        goToProcedure(entry.procedure);
    else if (m_shownObject > 0 && !entry.event.name.isEmpty())
        addEventProcedure(m_shownObject, entry.event);
}

void CodeWindow::goToProcedure(int index)
{
    const Procedure p = procedures().value(index);
    const QTextDocument *doc = m_editor->document();
    // The first line of its body, at its first word.
    int body = p.header;
    while (body < p.end && continuesOnNextLine(doc->findBlockByNumber(body).text()))
        ++body;
    if (++body > p.end)
        body = p.header;
    const QString text = doc->findBlockByNumber(body).text();
    int column = 0;
    while (column < text.size() && text[column].isSpace())
        ++column;
    m_editor->goTo(body, column, p.start);
    updatePlace();
}

void CodeWindow::addEventProcedure(int object, const EventInfo &event)
{
    const CodeObject o = m_objects.value(object);
    const ProcedureInsertion insertion =
        procedureInsertion(toPlainText().split(u'\n'), procedures(), o.name + u'_' + event.name,
                           eventStub(o.name, event, o.isArray));
    QTextDocument *doc = m_editor->document();
    QTextCursor c(doc);
    QString text = insertion.lines.join(u'\n');
    if (insertion.line < doc->blockCount()) {
        c.setPosition(doc->findBlockByNumber(insertion.line).position());
        text += u'\n';
    } else {
        c.movePosition(QTextCursor::End);
        text.prepend(u'\n');
    }
    c.insertText(text);
    m_editor->goTo(insertion.cursorLine, 0, insertion.line);
    commit();
    updatePlace();
}

SearchRange CodeWindow::currentProcedureRange() const
{
    return procedureRange(toPlainText(), m_documentId, m_editor->textCursor().blockNumber());
}

} // namespace vbhost

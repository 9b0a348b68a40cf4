#include "propertylist.h"

#include "ide/model/workspace.h"
#include "ide/shell/propertytext.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vbhost {

PropertyList::PropertyList(Workspace &workspace, QWidget *parent)
    : QWidget(parent), m_workspace(workspace)
{
    setObjectName(QStringLiteral("propertyList"));
    setAccessibleName(QStringLiteral("Properties"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    m_object = new QLabel(this);
    m_object->setObjectName(QStringLiteral("propertyObject"));
    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("propertyTable"));
    m_table->setAccessibleName(QStringLiteral("Property values"));
    m_table->setHorizontalHeaderLabels({tr("Property"), tr("Value")});
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    m_table->setTabKeyNavigation(false);
    m_error = new QLabel(this);
    m_error->setObjectName(QStringLiteral("propertyError"));
    m_error->setWordWrap(true);
    m_error->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    m_error->hide();
    layout->addWidget(m_object);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_error);

    connect(m_table, &QTableWidget::itemChanged, this, &PropertyList::onItemChanged);
    connect(&m_workspace, &Workspace::selectionChanged, this, [this] {
        m_error->hide();
        m_member = -1;
        refresh();
    });
    connect(&m_workspace, &Workspace::activeFormChanged, this, [this] { showMember(-1); });
    connect(&m_workspace, &Workspace::changed, this, [this](Workspace::Change what, int doc) {
        if (what != Workspace::Change::Code &&
            (doc == -1 || doc == m_formId || (m_member >= 0 && doc == m_member)))
            refresh();
    });
    refresh();
}

QString PropertyList::errorText() const
{
    return m_error->isHidden() ? QString() : m_error->text();
}

void PropertyList::showMember(int documentId)
{
    const DocumentKind kind = m_workspace.document(documentId).kind;
    const int member =
        documentId >= 0 && isCodeMember(kind) && !hasDesigner(kind) ? documentId : -1;
    if (member == m_member)
        return;
    m_member = member;
    m_error->hide();
    refresh();
}

bool PropertyList::showMemberName()
{
    const DocumentInfo doc = m_workspace.document(m_member);
    if (doc.id < 0) {
        m_member = -1;
        return false;
    }
    m_formId = -1;
    m_key.clear();
    m_filling = true;
    m_object->setText(QStringLiteral("%1 %2").arg(doc.name, memberClassName(doc.kind)));
    m_table->setRowCount(1);
    setRow(0, QStringLiteral("Name"), doc.name, true);
    m_filling = false;
    return true;
}

void PropertyList::refresh()
{
    if (m_member >= 0 && showMemberName())
        return;
    m_formId = m_workspace.activeForm();
    const QStringList sel = m_workspace.selection();
    m_key = sel.isEmpty() ? QString() : sel.first();
    const int row = m_table->currentRow();
    m_filling = true;
    m_table->setRowCount(0);
    if (m_formId < 0) {
        m_object->setText(tr("No form is being designed"));
        m_filling = false;
        return;
    }
    QString title = m_key;
    if (m_key.isEmpty())
        title = m_workspace.document(m_formId).name;
    QString className = memberClassName(m_workspace.document(m_formId).kind);
    for (const ControlInfo &c : m_workspace.controls(m_formId)) {
        if (c.key.compare(m_key, Qt::CaseInsensitive) == 0)
            className = c.className;
    }
    m_object->setText(QStringLiteral("%1 %2").arg(title, className));
    QList<PropertyInfo> props;
    try {
        props = m_workspace.properties(m_formId, m_key);
    } catch (const automation::Error &) {
    }
    m_table->setRowCount(int(props.size()));
    for (int i = 0; i < props.size(); ++i) {
        setRow(i, props[i].name, propertyDisplayText(props[i].name, props[i].value),
               props[i].stored);
    }
    if (row >= 0 && row < m_table->rowCount())
        m_table->setCurrentCell(row, 1);
    m_filling = false;
}

void PropertyList::setRow(int row, const QString &name, const QString &value, bool stored)
{
    auto *nameItem = new QTableWidgetItem(name);
    nameItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (stored) {
        QFont f = nameItem->font();
        f.setBold(true);
        nameItem->setFont(f);
    }
    auto *valueItem = new QTableWidgetItem(value);
    valueItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    m_table->setItem(row, 0, nameItem);
    m_table->setItem(row, 1, valueItem);
}

void PropertyList::showError(const QString &text)
{
    m_error->setText(text);
    m_error->setVisible(!text.isEmpty());
}

bool PropertyList::editProperty(const QString &name, const QString &text)
{
    if (m_formId < 0 && m_member < 0)
        return false;
    try {
        if (m_member >= 0) {
            m_workspace.renameMember(m_member, text);
        } else {
            const automation::Value current = m_workspace.property(m_formId, m_key, name);
            m_workspace.setProperty(m_formId, m_key, name,
                                    propertyValueFromText(name, text, current));
        }
        showError({});
        return true;
    } catch (const automation::Error &e) {
        showError(tr("%1: \"%2\" refused. Error %3: %4")
                      .arg(name, text, QString::number(e.number()), e.description()));
        refresh();
        return false;
    }
}

void PropertyList::onItemChanged(QTableWidgetItem *item)
{
    if (m_filling || item->column() != 1)
        return;
    const QTableWidgetItem *name = m_table->item(item->row(), 0);
    if (!name)
        return;
    const QString propertyName = name->text();
    const QString text = item->text();
    // Refreshing the table deletes this item; do it after the view is done with it.
    QMetaObject::invokeMethod(
        this, [this, propertyName, text] { editProperty(propertyName, text); },
        Qt::QueuedConnection);
}

} // namespace vbhost

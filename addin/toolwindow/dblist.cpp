#include "dblist.h"

#include "addin/library/datacontrol.h"

#include "platform/automation/error.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace tolvar {

DBList::DBList(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMouseTracking(true);
    connect(this, &QListWidget::itemClicked, this, [this] { emit Click(); });
}

void DBList::setRowSource(DataControl *data)
{
    m_rowSource = data;
}

void DBList::setDataSource(DataControl *data)
{
    if (m_dataSource)
        disconnect(m_dataSource, nullptr, this, nullptr);
    m_dataSource = data;
    if (data)
        connect(data, &DataControl::repositioned, this, &DBList::showCurrentRecord);
}

void DBList::ReFill()
{
    clear();
    if (!m_rowSource)
        return;
    const auto rows = m_rowSource->rows(m_listField, m_boundColumn);
    for (const auto &[shown, bound] : rows) {
        auto *item = new QListWidgetItem(shown, this);
        item->setData(Qt::UserRole, bound);
    }
    showCurrentRecord();
}

QString DBList::BoundText() const
{
    const QListWidgetItem *item = currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void DBList::showCurrentRecord()
{
    if (!m_dataSource || m_dataField.isEmpty() || !m_dataSource->hasCurrentRecord())
        return;
    QString value;
    try {
        value = m_dataSource->Field(m_dataField).toString();
    } catch (const automation::Error &) {
        return; // a list bound to a field the table lacks simply shows no selection
    }
    // Following the record is not a choice of the user's: no Click.
    const QSignalBlocker blocker(this);
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(Qt::UserRole).toString() == value) {
            setCurrentRow(row);
            viewport()->update();
            return;
        }
    }
}

void DBList::keyPressEvent(QKeyEvent *event)
{
    const QListWidgetItem *before = currentItem();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
         event->key() == Qt::Key_Space) &&
        before) {
        event->accept();
        emit Click();
        return;
    }
    QListWidget::keyPressEvent(event);
    if (currentItem() && currentItem() != before)
        emit Click();
}

} // namespace tolvar

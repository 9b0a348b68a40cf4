#pragma once

#include <QListWidget>
#include <QPointer>

namespace tolvar {

class DataControl;

// The data-bound list: one entry per record of its row source, showing the list field and
// keeping the bound column as the entry's bound value. Bound to its data source's current
// record through the bound field, so that record's entry is shown selected.
class DBList : public QListWidget
{
    Q_OBJECT
public:
    explicit DBList(QWidget *parent = nullptr);

    void setRowSource(DataControl *data);
    void setDataSource(DataControl *data);
    void setListField(const QString &field) { m_listField = field; }
    void setBoundColumn(const QString &field) { m_boundColumn = field; }
    void setDataField(const QString &field) { m_dataField = field; }
    QString ListField() const { return m_listField; }
    QString BoundColumn() const { return m_boundColumn; }
    QString DataField() const { return m_dataField; }

    // Fills the list again from the row source; raises what the row source raises.
    void ReFill();
    // The bound value of the chosen entry, as text; empty when none is chosen.
    QString BoundText() const;
    // Selects the entry of the data source's current record.
    void showCurrentRecord();

signals:
    // The user chose an entry, with the pointer or the keyboard.
    void Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPointer<DataControl> m_rowSource;
    QPointer<DataControl> m_dataSource;
    QString m_listField;
    QString m_boundColumn;
    QString m_dataField;
};

} // namespace tolvar

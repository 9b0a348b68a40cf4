#pragma once

#include <QWidget>

class QLabel;
class QTableWidget;
class QTableWidgetItem;

namespace vbhost {

class Workspace;

// The properties of the first selected control of the active form (of the form itself when
// nothing is selected), one row each, values editable in place; or a module's or class's Name
// while it is the member in hand. A value the workspace refuses is shown as an error under the
// list and the old value comes back.
class PropertyList : public QWidget
{
    Q_OBJECT

public:
    explicit PropertyList(Workspace &workspace, QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }
    QString errorText() const;
    // Which object the list shows: the form id and the control key (empty for the form).
    int formId() const { return m_formId; }
    QString controlKey() const { return m_key; }
    void refresh();
    // Shows a module's or class's Name; any other member (or -1) goes back to the active form.
    void showMember(int documentId);
    int member() const { return m_member; }
    // Sets one property from text as if typed in its row; false when refused.
    bool editProperty(const QString &name, const QString &text);

private:
    void onItemChanged(QTableWidgetItem *item);
    void showError(const QString &text);
    bool showMemberName();
    // Bold names are the properties the file holds.
    void setRow(int row, const QString &name, const QString &value, bool stored);

    Workspace &m_workspace;
    QLabel *m_object;
    QTableWidget *m_table;
    QLabel *m_error;
    int m_formId = -1;
    QString m_key;
    int m_member = -1;
    bool m_filling = false;
};

} // namespace vbhost

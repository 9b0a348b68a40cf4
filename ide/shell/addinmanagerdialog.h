#pragma once

#include <QDialog>

class QListWidget;
class QListWidgetItem;

namespace vbhost {

class AddInManager;

// Add-In Manager: every add-in of VB.INI's Add-Ins32 with a check box, checked when loaded, by
// its description with its ProgID beside it.
// OK loads the newly checked ones and unloads the unchecked ones; Cancel changes nothing.
class AddInManagerDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AddInManagerDialog(AddInManager &manager, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    // The item of a ProgID, or null.
    QListWidgetItem *item(const QString &progId) const;
    // What OK would apply: ProgID -> checked.
    QHash<QString, bool> wanted() const;

    void accept() override;

private:
    void fill();
    void updateStates();

    AddInManager &m_manager;
    QListWidget *m_list;
};

} // namespace vbhost

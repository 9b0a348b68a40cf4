#include "addinmanagerdialog.h"

#include "ide/shell/addinmanager.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vbhost {

namespace {
constexpr int kProgIdRole = Qt::UserRole + 1;
constexpr int kDescriptionRole = Qt::UserRole + 2;

QString stateText(AddInManager::State state, const QString &error)
{
    switch (state) {
    case AddInManager::State::Starting:
        return AddInManagerDialog::tr("loading");
    case AddInManager::State::Loaded:
        return AddInManagerDialog::tr("loaded");
    case AddInManager::State::Unloading:
        return AddInManagerDialog::tr("unloading");
    case AddInManager::State::Unloaded:
        break;
    }
    return error.isEmpty() ? QString() : AddInManagerDialog::tr("not loaded: %1").arg(error);
}
} // namespace

AddInManagerDialog::AddInManagerDialog(AddInManager &manager, QWidget *parent)
    : QDialog(parent), m_manager(manager)
{
    setObjectName(QStringLiteral("addInManagerDialog"));
    setWindowTitle(tr("Add-In Manager"));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(tr("&Available Add-Ins:"), this);
    label->setObjectName(QStringLiteral("availableLabel"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("addInList"));
    // A reason why an add-in is not loaded is read whole, on as many lines as it takes.
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setResizeMode(QListView::Adjust);
    label->setBuddy(m_list);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&m_manager, &AddInManager::stateChanged, this, &AddInManagerDialog::updateStates);
    resize(480, 300);
    fill();
}

void AddInManagerDialog::fill()
{
    m_list->clear();
    for (const QString &progId : m_manager.registered()) {
        auto *item = new QListWidgetItem(progId, m_list);
        item->setData(kProgIdRole, progId);
        item->setData(kDescriptionRole, m_manager.description(progId));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(m_manager.isRunning(progId) ? Qt::Checked : Qt::Unchecked);
    }
    updateStates();
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
}

void AddInManagerDialog::updateStates()
{
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem *item = m_list->item(i);
        const QString progId = item->data(kProgIdRole).toString();
        const QString state = stateText(m_manager.state(progId), m_manager.lastError(progId));
        const QString description = item->data(kDescriptionRole).toString();
        const QString name = description.isEmpty()
                                 ? progId
                                 : QStringLiteral("%1 \u2014 %2").arg(description, progId);
        item->setText(state.isEmpty() ? name : QStringLiteral("%1  (%2)").arg(name, state));
        item->setToolTip(state);
    }
}

QListWidgetItem *AddInManagerDialog::item(const QString &progId) const
{
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->data(kProgIdRole).toString().compare(progId, Qt::CaseInsensitive) == 0)
            return m_list->item(i);
    }
    return nullptr;
}

QHash<QString, bool> AddInManagerDialog::wanted() const
{
    QHash<QString, bool> result;
    for (int i = 0; i < m_list->count(); ++i) {
        const QListWidgetItem *item = m_list->item(i);
        result.insert(item->data(kProgIdRole).toString(), item->checkState() == Qt::Checked);
    }
    return result;
}

void AddInManagerDialog::accept()
{
    m_manager.apply(wanted());
    QDialog::accept();
}

} // namespace vbhost

#include "projectexplorer.h"

#include "ide/model/workspace.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vbhost {

namespace {
constexpr int kIdRole = Qt::UserRole + 1;
constexpr int kKindRole = Qt::UserRole + 2;
constexpr int kMissingRole = Qt::UserRole + 3;
} // namespace

ProjectExplorer::ProjectExplorer(Workspace &workspace, QWidget *parent)
    : QWidget(parent), m_workspace(workspace)
{
    setObjectName(QStringLiteral("projectExplorer"));
    setAccessibleName(QStringLiteral("Project"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    auto *buttons = new QHBoxLayout;
    m_viewCode = new QToolButton(this);
    m_viewCode->setObjectName(QStringLiteral("viewCode"));
    m_viewCode->setText(tr("View &Code"));
    m_viewCode->setAccessibleName(tr("View Code"));
    m_viewObject = new QToolButton(this);
    m_viewObject->setObjectName(QStringLiteral("viewObject"));
    m_viewObject->setText(tr("View &Object"));
    m_viewObject->setAccessibleName(tr("View Object"));
    for (QToolButton *b : {m_viewCode, m_viewObject})
        b->setFocusPolicy(Qt::StrongFocus);
    buttons->addWidget(m_viewCode);
    buttons->addWidget(m_viewObject);
    buttons->addStretch();
    layout->addLayout(buttons);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("projectTree"));
    m_tree->setAccessibleName(tr("Project files"));
    m_tree->setColumnCount(2);
    m_tree->setHeaderHidden(true);
    m_tree->header()->setStretchLastSection(true);
    layout->addWidget(m_tree, 1);

    connect(m_tree, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item, int) { activate(item); });
    connect(m_viewCode, &QToolButton::clicked, this, [this] {
        if (currentDocument() >= 0)
            emit openCode(currentDocument());
    });
    connect(m_viewObject, &QToolButton::clicked, this, [this] {
        const int id = currentDocument();
        if (id >= 0 && m_workspace.document(id).kind == DocumentKind::Form)
            emit openDesigner(id);
    });
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this] {
        const int id = currentDocument();
        m_viewCode->setEnabled(id >= 0);
        m_viewObject->setEnabled(id >= 0 && m_workspace.document(id).kind == DocumentKind::Form);
    });
    connect(&m_workspace, &Workspace::changed, this, [this](Workspace::Change what, int) {
        if (what == Workspace::Change::Documents || what == Workspace::Change::Project)
            rebuild();
    });
    rebuild();
}

int ProjectExplorer::currentDocument() const
{
    const QTreeWidgetItem *item = m_tree->currentItem();
    if (!item || !item->data(0, kIdRole).isValid())
        return -1;
    return item->data(0, kIdRole).toInt();
}

void ProjectExplorer::rebuild()
{
    const int current = currentDocument();
    m_tree->clear();
    if (!m_workspace.hasProject()) {
        m_viewCode->setEnabled(false);
        m_viewObject->setEnabled(false);
        return;
    }
    auto *root = new QTreeWidgetItem(
        m_tree, {m_workspace.projectName(), QFileInfo(m_workspace.projectPath()).fileName()});
    const QStringList folderNames = {tr("Forms"), tr("Modules"), tr("Class Modules")};
    QTreeWidgetItem *folders[3] = {};
    QTreeWidgetItem *select = nullptr;
    for (const DocumentInfo &doc : m_workspace.documents()) {
        const int k = int(doc.kind);
        if (!folders[k])
            folders[k] = new QTreeWidgetItem(root, {folderNames[k]});
        auto *item = new QTreeWidgetItem(
            folders[k], {doc.name, doc.isNew ? tr("(not saved)") : QFileInfo(doc.path).fileName()});
        item->setData(0, kIdRole, doc.id);
        item->setData(0, kKindRole, k);
        if (doc.id == current)
            select = item;
    }
    // Files the project names that are not there: listed, greyed, and opening nothing.
    for (const MissingFile &m : m_workspace.missingFiles()) {
        const int k = int(m.kind);
        if (!folders[k])
            folders[k] = new QTreeWidgetItem(root, {folderNames[k]});
        const QString name =
            m.name.isEmpty() ? QFileInfo(QString(m.path).replace(u'\\', u'/')).completeBaseName()
                             : m.name;
        auto *item = new QTreeWidgetItem(folders[k], {name, tr("%1 (missing)").arg(m.path)});
        item->setData(0, kMissingRole, true);
        item->setToolTip(0, m.message);
        item->setToolTip(1, m.message);
        item->setForeground(0, m_tree->palette().brush(QPalette::Disabled, QPalette::Text));
        item->setForeground(1, m_tree->palette().brush(QPalette::Disabled, QPalette::Text));
    }
    // Forms, modules and classes in that order, whatever order the project lists them in.
    QList<QTreeWidgetItem *> ordered;
    for (QTreeWidgetItem *f : folders) {
        if (f)
            ordered << root->takeChild(root->indexOfChild(f));
    }
    root->addChildren(ordered);
    m_tree->expandAll();
    m_tree->resizeColumnToContents(0);
    m_tree->setCurrentItem(select ? select : root);
}

void ProjectExplorer::activate(QTreeWidgetItem *item)
{
    if (!item || !item->data(0, kIdRole).isValid())
        return;
    const int id = item->data(0, kIdRole).toInt();
    if (item->data(0, kKindRole).toInt() == int(DocumentKind::Form))
        emit openDesigner(id);
    else
        emit openCode(id);
}

} // namespace vbhost

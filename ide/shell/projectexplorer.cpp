#include "projectexplorer.h"

#include "ide/model/workspace.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScopedValueRollback>
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
        if (id >= 0 && hasDesigner(m_workspace.document(id).kind))
            emit openDesigner(id);
    });
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this] {
        const int id = currentDocument();
        const DocumentKind kind = m_workspace.document(id).kind;
        m_viewCode->setEnabled(id >= 0 && isCodeMember(kind));
        m_viewObject->setEnabled(id >= 0 && hasDesigner(kind));
        // Rebuilding after a rename puts the same member back: nothing changed hands.
        if (!m_rebuilding)
            emit currentDocumentChanged(id);
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
    const QScopedValueRollback<bool> rebuilding(m_rebuilding, true);
    m_tree->clear();
    if (!m_workspace.hasProject()) {
        m_viewCode->setEnabled(false);
        m_viewObject->setEnabled(false);
        return;
    }
    auto *root = new QTreeWidgetItem(
        m_tree, {m_workspace.projectName(), QFileInfo(m_workspace.projectPath()).fileName()});
    // One folder per kind, in this order; the resource file goes with the related documents.
    const QStringList folderNames = {
        tr("Forms"),          tr("Modules"),        tr("Class Modules"), tr("User Controls"),
        tr("Property Pages"), tr("User Documents"), tr("Designers"),     tr("Related Documents")};
    const auto folderOf = [](DocumentKind kind) {
        return std::min(int(kind), int(DocumentKind::ResourceFile));
    };
    QTreeWidgetItem *folders[8] = {};
    QTreeWidgetItem *select = nullptr;
    for (const DocumentInfo &doc : m_workspace.documents()) {
        const int k = folderOf(doc.kind);
        if (!folders[k])
            folders[k] = new QTreeWidgetItem(root, {folderNames[k]});
        auto *item = new QTreeWidgetItem(
            folders[k], {doc.name, doc.isNew ? tr("(not saved)") : QFileInfo(doc.path).fileName()});
        item->setData(0, kIdRole, doc.id);
        item->setData(0, kKindRole, int(doc.kind));
        if (doc.id == current)
            select = item;
    }
    // Files the project names that are not there: listed, greyed, and opening nothing.
    for (const MissingFile &m : m_workspace.missingFiles()) {
        const int k = folderOf(m.kind);
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
    // The folders in their order, whatever order the project lists its members in.
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
    if (hasDesigner(DocumentKind(item->data(0, kKindRole).toInt())))
        emit openDesigner(id);
    else
        emit openCode(id);
}

} // namespace vbhost

#include "toolbox.h"

#include "toolboxpictures.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QToolButton>

namespace vbhost {

namespace {
constexpr int kColumns = 2;
}

Toolbox::Toolbox(QWidget *parent) : QWidget(parent), m_group(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("toolbox"));
    setAccessibleName(tr("Toolbox"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(0);
    const QStringList &tools = toolboxTools();
    for (int i = 0; i < tools.size(); ++i) {
        auto *b = new QToolButton(this);
        b->setObjectName(QStringLiteral("tool") + tools[i]);
        b->setIcon(toolboxIcon(tools[i]));
        b->setIconSize(QSize(24, 22));
        b->setFixedSize(36, 32);
        b->setCheckable(true);
        b->setAutoRaise(false);
        b->setToolTip(tools[i]);
        b->setAccessibleName(tools[i]);
        b->setFocusPolicy(Qt::StrongFocus);
        b->installEventFilter(this);
        m_group->addButton(b, i);
        m_buttons.insert(tools[i], b);
        grid->addWidget(b, i / kColumns, i % kColumns);
    }
    grid->setRowStretch(int(tools.size() + 1) / kColumns, 1);
    m_buttons.value(QLatin1String(kPointerTool))->setChecked(true);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            emit currentToolChanged(toolboxTools().value(id));
    });
}

QString Toolbox::currentTool() const
{
    return toolboxTools().value(m_group->checkedId(), QLatin1String(kPointerTool));
}

bool Toolbox::isPointer() const
{
    return currentTool() == QLatin1String(kPointerTool);
}

void Toolbox::setCurrentTool(const QString &tool)
{
    if (QToolButton *b = m_buttons.value(tool))
        b->setChecked(true);
}

bool Toolbox::eventFilter(QObject *watched, QEvent *event)
{
    auto *b = qobject_cast<QToolButton *>(watched);
    const int id = b ? m_group->id(b) : -1;
    if (id < 0)
        return QWidget::eventFilter(watched, event);
    const QString tool = toolboxTools().value(id);
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (tool != QLatin1String(kPointerTool))
            emit addRequested(tool);
        setCurrentTool(QLatin1String(kPointerTool));
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    int next = -1;
    switch (key->key()) {
    case Qt::Key_Left:
        next = id - 1;
        break;
    case Qt::Key_Right:
        next = id + 1;
        break;
    case Qt::Key_Up:
        next = id - kColumns;
        break;
    case Qt::Key_Down:
        next = id + kColumns;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (tool != QLatin1String(kPointerTool))
            emit addRequested(tool);
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
    if (QAbstractButton *n = m_group->button(next))
        n->setFocus(Qt::TabFocusReason);
    return true;
}

} // namespace vbhost

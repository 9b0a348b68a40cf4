#include "picturetoolbar.h"

#include "platform/ui/imagebutton.h"

#include <QEvent>
#include <QLabel>

namespace tolvar {

namespace {

enum Picture { Up, Dn, Ck };

const std::array<QString, 3> HolderWhat{QStringLiteral(" resting picture"),
                                        QStringLiteral(" highlighted picture"),
                                        QStringLiteral(" pressed picture")};

} // namespace

PictureToolbar::PictureToolbar(QWidget *strip, QWidget *holderParent, qint16 &highlight)
    : QObject(strip), m_strip(strip), m_holderParent(holderParent), m_highlight(highlight)
{
    watch(strip);
}

ui::ImageButton *PictureToolbar::addButton(const PictureButton &entry)
{
    Holders holders;
    holders.hint = entry.hint;
    for (int p = Up; p <= Ck; ++p) {
        auto *label = new QLabel(m_holderParent);
        label->setObjectName(entry.holderNames[p]);
        label->setAccessibleName(entry.subject + HolderWhat[p]);
        label->setPixmap(entry.pictures[p]);
        label->setGeometry(0, 0, entry.pictures[p].width(), entry.pictures[p].height());
        label->hide();
        holders.labels[p] = label;
    }
    m_holders.push_back(holders);

    auto *button = new ui::ImageButton(m_strip);
    button->setObjectName(entry.name);
    button->setAccessibleName(entry.subject);
    button->setAccessibleDescription(entry.hint);
    button->setToolTip(entry.hint);
    button->setGeometry(entry.geometry);
    button->setPicture(entry.pictures[Up]);
    m_buttons.push_back(button);

    const int id = int(m_buttons.size());
    connect(button, &ui::ImageButton::MouseDown, this, [this, id] { show(id, Ck); });
    connect(button, &ui::ImageButton::MouseUp, this, [this, id] { show(id, Up); });
    connect(button, &ui::ImageButton::MouseMove, this, [this, id] { mouseMove(id); });
    connect(button, &ui::ImageButton::Click, this, [this, id] { emit clicked(id); });
    return button;
}

ui::ImageButton *PictureToolbar::button(int id) const
{
    return id >= 1 && id <= int(m_buttons.size()) ? m_buttons[id - 1] : nullptr;
}

void PictureToolbar::show(int id, int picture)
{
    m_buttons[id - 1]->setPicture(m_holders[id - 1].labels[picture]->pixmap());
}

void PictureToolbar::watch(QWidget *surface)
{
    surface->setMouseTracking(true);
    surface->installEventFilter(this);
}

void PictureToolbar::DeleteHighlight()
{
    if (button(m_highlight))
        show(m_highlight, Up);
    emit highlightDeleted();
}

void PictureToolbar::mouseMove(int id)
{
    if (m_highlight != id)
        DeleteHighlight();
    m_highlight = qint16(id);
    show(id, Dn);
    emit hint(m_holders[id - 1].hint);
}

bool PictureToolbar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove && m_highlight != 0)
        DeleteHighlight();
    return QObject::eventFilter(watched, event);
}

} // namespace tolvar

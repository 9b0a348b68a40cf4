#include "imagebutton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace ui {

namespace {

bool isPressKey(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
           event->key() == Qt::Key_Enter;
}

} // namespace

ImageButton::ImageButton(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover, false);
}

void ImageButton::setPicture(const QPixmap &picture)
{
    if (picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    update();
}

void ImageButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(rect(), m_picture);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

void ImageButton::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    m_mousePressed = true;
    emit MouseDown();
}

void ImageButton::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit MouseMove();
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !m_mousePressed)
        return;
    m_mousePressed = false;
    emit MouseUp();
    if (rect().contains(event->position().toPoint()))
        emit Click();
}

void ImageButton::keyPressEvent(QKeyEvent *event)
{
    if (!isPressKey(event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat() || m_keyPressed)
        return;
    m_keyPressed = true;
    emit MouseDown();
}

void ImageButton::keyReleaseEvent(QKeyEvent *event)
{
    if (!isPressKey(event)) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat() || !m_keyPressed)
        return;
    m_keyPressed = false;
    emit MouseUp();
    emit Click();
}

void ImageButton::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
        event->reason() == Qt::ShortcutFocusReason)
        emit MouseMove();
}

void ImageButton::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    m_keyPressed = false;
    update();
}

} // namespace ui

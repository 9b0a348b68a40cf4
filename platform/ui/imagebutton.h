#pragma once

#include <QPixmap>
#include <QWidget>

namespace ui {

// An image control used as a toolbar button: it shows whatever picture it is given and reports
// the pointer's down, move and up and the click. Space or Enter presses it from the keyboard,
// and reaching it with Tab counts as the pointer moving over it, so keyboard users get the same
// highlight and hint.
class ImageButton : public QWidget
{
    Q_OBJECT
public:
    explicit ImageButton(QWidget *parent = nullptr);

    QPixmap Picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

signals:
    void MouseDown();
    void MouseMove();
    void MouseUp();
    void Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QPixmap m_picture;
    bool m_mousePressed = false;
    bool m_keyPressed = false;
};

} // namespace ui

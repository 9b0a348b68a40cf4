#pragma once

#include <QWidget>

namespace tolvar {

// A picture control without a picture: draws nothing, reports a click when the button is
// released over it.
class ClickArea : public QWidget
{
    Q_OBJECT
public:
    explicit ClickArea(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace tolvar

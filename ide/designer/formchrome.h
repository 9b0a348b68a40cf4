#pragma once

#include "ide/designer/controllook.h"

#include <QFrame>
#include <QImage>
#include <QLabel>

namespace vbhost {

// The caption bar of a form being designed: its icon, caption and window buttons as its
// BorderStyle, ControlBox, MinButton and MaxButton give them. A label, so that its caption is
// what a screen reader reads.
class CaptionBar : public QLabel
{
    Q_OBJECT

public:
    explicit CaptionBar(QWidget *parent = nullptr);
    // The icon may be null: the environment's own form icon stands in.
    void setLook(const ControlLook &look, const QImage &icon);
    bool isToolWindow() const { return m_look.borderStyle >= 4; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ControlLook m_look;
    QImage m_icon;
};

// The frame around a form's window: none for BorderStyle 0, thin for the fixed styles, thick
// for the sizable ones.
class FormFrame : public QFrame
{
    Q_OBJECT

public:
    explicit FormFrame(QWidget *parent = nullptr);
    void setBorderStyle(int borderStyle);
    int borderWidth() const { return m_width; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_width = 4;
};

} // namespace vbhost

#include "formchrome.h"

#include "ide/designer/classicdraw.h"
#include "ide/designer/designfonts.h"
#include "platform/ui/twips.h"

#include <QPainter>

namespace vbhost {

namespace {

enum : int { ActiveCaption = 2, CaptionText = 9, ActiveBorder = 10, ButtonFace = 15 };

enum class Glyph { Minimize, Maximize, Close };

void paintGlyph(QPainter &p, const QRect &b, Glyph glyph, bool enabled, bool small)
{
    const auto draw = [&](const QPoint &offset, const QColor &colour) {
        const QRect g = b.adjusted(small ? 3 : 4, small ? 2 : 3, small ? -3 : -4, small ? -2 : -3)
                            .translated(offset);
        switch (glyph) {
        case Glyph::Minimize:
            p.fillRect(QRect(g.left(), g.bottom() - 1, std::min(6, g.width()), 2), colour);
            break;
        case Glyph::Maximize:
            p.fillRect(QRect(g.left(), g.top(), g.width(), 2), colour);
            drawFlatRect(p, g, colour);
            break;
        case Glyph::Close:
            p.save();
            p.setPen(QPen(colour, 1.6));
            p.setRenderHint(QPainter::Antialiasing);
            p.drawLine(QPointF(g.topLeft()) + QPointF(0.5, 0.5),
                       QPointF(g.bottomRight()) + QPointF(0.5, 0.5));
            p.drawLine(QPointF(g.topRight()) + QPointF(0.5, 0.5),
                       QPointF(g.bottomLeft()) + QPointF(0.5, 0.5));
            p.restore();
            break;
        }
    };
    if (!enabled)
        draw(QPoint(1, 1), Qt::white);
    draw(QPoint(), enabled ? QColor(Qt::black) : systemColour(16));
}

void paintButton(QPainter &p, const QRect &b, Glyph glyph, bool enabled, bool small)
{
    p.fillRect(b, systemColour(ButtonFace));
    drawButtonEdge(p, b);
    paintGlyph(p, b, glyph, enabled, small);
}

// The environment's own form icon, for a form without one.
void paintDefaultIcon(QPainter &p, const QRect &r)
{
    const QRect w = r.adjusted(1, 2, -1, -2);
    p.fillRect(w, Qt::white);
    p.fillRect(QRect(w.left(), w.top(), w.width(), 3), systemColour(ActiveCaption));
    drawFlatRect(p, w, Qt::black);
}

} // namespace

CaptionBar::CaptionBar(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("formCaption"));
}

void CaptionBar::setLook(const ControlLook &look, const QImage &icon)
{
    m_look = look;
    m_icon = icon;
    setVisible(look.borderStyle != 0);
    updateGeometry();
    update();
}

QSize CaptionBar::sizeHint() const
{
    return QSize(60, isToolWindow() ? 15 : 18);
}

QSize CaptionBar::minimumSizeHint() const
{
    return sizeHint();
}

void CaptionBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    const bool small = isToolWindow();
    p.fillRect(r, systemColour(ActiveCaption));
    int right = r.right() - 1;
    if (m_look.controlBox) {
        const QSize size = small ? QSize(13, 11) : QSize(16, 14);
        const int top = r.top() + (r.height() - size.height()) / 2;
        QRect button(QPoint(right - size.width() + 1, top), size);
        paintButton(p, button, Glyph::Close, true, small);
        right = button.left() - 2;
        // Fixed dialogs and tool windows have no minimize or maximize button.
        if (!small && m_look.borderStyle != 3 && (m_look.minButton || m_look.maxButton)) {
            button.moveRight(right);
            paintButton(p, button, Glyph::Maximize, m_look.maxButton, small);
            button.moveRight(button.left() - 1);
            paintButton(p, button, Glyph::Minimize, m_look.minButton, small);
            right = button.left() - 2;
        }
    }
    int left = r.left() + 2;
    if (m_look.controlBox && (m_look.borderStyle == 1 || m_look.borderStyle == 2)) {
        const QRect iconRect(left, r.top() + (r.height() - 16) / 2, 16, 16);
        if (m_icon.isNull())
            paintDefaultIcon(p, iconRect);
        else
            p.drawImage(iconRect, m_icon);
        left = iconRect.right() + 3;
    }
    FileFont captionFont;
    captionFont.weight = 700;
    const QFont font = designFont(captionFont, ui::twipsPerPixel());
    p.setFont(font);
    p.setPen(systemColour(CaptionText));
    const QRect textRect(QPoint(left, r.top()), QPoint(right - 2, r.bottom()));
    p.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft,
               QFontMetrics(font).elidedText(text(), Qt::ElideRight, textRect.width()));
}

FormFrame::FormFrame(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("formWindow"));
    setFrameShape(QFrame::NoFrame);
    setBorderStyle(2);
}

void FormFrame::setBorderStyle(int borderStyle)
{
    // None; fixed single, fixed dialog and fixed tool window; sizable and sizable tool window.
    m_width = borderStyle == 0 ? 0 : (borderStyle == 2 || borderStyle == 5) ? 4 : 3;
    setContentsMargins(m_width, m_width, m_width, m_width);
    update();
}

void FormFrame::paintEvent(QPaintEvent *)
{
    if (m_width == 0)
        return;
    QPainter p(this);
    p.fillRect(rect(), systemColour(ActiveBorder));
    drawButtonEdge(p, rect());
}

} // namespace vbhost

#include "percentpanel.h"

#include <QPainter>
#include <qdrawutil.h>

namespace tolvar {

PercentPanel::PercentPanel(QWidget *parent) : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(true);
    m_backColor = palette().color(QPalette::Button);
}

bool PercentPanel::setFloodPercent(int percent)
{
    if (percent < minimum() || percent > maximum())
        return false;
    setValue(percent);
    return true;
}

void PercentPanel::setForeColor(const QColor &colour)
{
    if (colour == m_foreColor)
        return;
    m_foreColor = colour;
    update();
}

void PercentPanel::setBackColor(const QColor &colour)
{
    if (colour == m_backColor)
        return;
    m_backColor = colour;
    update();
}

void PercentPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_backColor);
    qDrawShadePanel(&p, r, palette(), true, 1);
    const QRect inside = r.adjusted(2, 2, -2, -2);
    QRect filled = inside;
    filled.setWidth(inside.width() * value() / 100);
    p.fillRect(filled, m_floodColor);
    if (!figureVisible())
        return;
    p.setPen(m_foreColor);
    p.drawText(inside, Qt::AlignCenter, QStringLiteral("%1%").arg(value()));
}

} // namespace tolvar

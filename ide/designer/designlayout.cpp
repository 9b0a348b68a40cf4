#include "designlayout.h"

#include <QSet>
#include <cmath>
#include <functional>

namespace vbhost {

bool hasFixedIcon(const QString &className)
{
    static const QStringList classes = {QStringLiteral("Timer"), QStringLiteral("CommonDialog"),
                                        QStringLiteral("Menu")};
    return classes.contains(className, Qt::CaseInsensitive);
}

bool isContainerClass(const QString &className)
{
    return className.compare(QLatin1String("Frame"), Qt::CaseInsensitive) == 0 ||
           className.compare(QLatin1String("PictureBox"), Qt::CaseInsensitive) == 0 ||
           className.compare(QLatin1String("SSPanel"), Qt::CaseInsensitive) == 0 ||
           className.compare(QLatin1String("SSFrame"), Qt::CaseInsensitive) == 0;
}

DesignLayout::DesignLayout(QList<DesignControl> controls, double twipsPerPixel)
    : m_controls(std::move(controls)), m_tpp(twipsPerPixel > 0 ? twipsPerPixel : 15.0)
{
    // A container index that is out of range or not earlier in the tree would loop forever.
    for (qsizetype i = 0; i < m_controls.size(); ++i) {
        int &p = m_controls[i].parent;
        if (p < -1 || p >= m_controls.size() || p == i)
            p = -1;
    }
    for (qsizetype i = 0; i < m_controls.size(); ++i) {
        QSet<int> seen{int(i)};
        for (int p = m_controls[i].parent; p >= 0; p = m_controls[p].parent) {
            if (seen.contains(p)) {
                m_controls[i].parent = -1;
                break;
            }
            seen.insert(p);
        }
    }
}

int DesignLayout::indexOf(const QString &name) const
{
    for (qsizetype i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

static int px(double twips, double tpp)
{
    return int(std::lround(twips / tpp));
}

QRect DesignLayout::rectOf(int index) const
{
    if (index < 0 || index >= m_controls.size())
        return {};
    const DesignControl &c = m_controls[index];
    QPoint origin;
    for (int p = c.parent; p >= 0; p = m_controls[p].parent)
        origin +=
            QPoint(px(m_controls[p].bounds.left(), m_tpp), px(m_controls[p].bounds.top(), m_tpp));
    QRect r(origin.x() + px(c.bounds.left(), m_tpp), origin.y() + px(c.bounds.top(), m_tpp),
            px(c.bounds.width(), m_tpp), px(c.bounds.height(), m_tpp));
    if (hasFixedIcon(c.className))
        r.setSize(QSize(kIconPixels, kIconPixels));
    if (c.isLine) {
        // A line is hit and selected by a band a few pixels wide around it.
        r = r.normalized().adjusted(-2, -2, 2, 2);
    }
    if (r.width() < 1)
        r.setWidth(1);
    if (r.height() < 1)
        r.setHeight(1);
    return r;
}

QRect DesignLayout::visibleRectOf(int index) const
{
    QRect r = rectOf(index);
    if (index < 0 || index >= m_controls.size())
        return r;
    for (int p = m_controls[index].parent; p >= 0; p = m_controls[p].parent)
        r &= rectOf(p);
    return r;
}

QList<int> DesignLayout::paintOrder() const
{
    QList<int> order;
    order.reserve(m_controls.size());
    std::function<void(int)> visit = [&](int parent) {
        for (qsizetype i = 0; i < m_controls.size(); ++i) {
            if (m_controls[i].parent == parent) {
                order << int(i);
                if (isContainerClass(m_controls[i].className))
                    visit(int(i));
            }
        }
    };
    visit(-1);
    // Children of a control that is not a container still belong somewhere visible.
    for (qsizetype i = 0; i < m_controls.size(); ++i) {
        if (!order.contains(int(i)))
            order << int(i);
    }
    return order;
}

int DesignLayout::hitTest(const QPoint &pixel) const
{
    const QList<int> order = paintOrder();
    for (auto it = order.crbegin(); it != order.crend(); ++it) {
        if (visibleRectOf(*it).contains(pixel))
            return *it;
    }
    return -1;
}

int DesignLayout::containerAt(const QPoint &pixel) const
{
    int hit = hitTest(pixel);
    while (hit >= 0 && !isContainerClass(m_controls[hit].className))
        hit = m_controls[hit].parent;
    return hit;
}

QStringList DesignLayout::inBand(const QRect &band, int container) const
{
    QStringList names;
    const QRect b = band.normalized();
    for (int i : paintOrder()) {
        if (m_controls[i].parent == container && visibleRectOf(i).intersects(b))
            names << m_controls[i].name;
    }
    return names;
}

int DesignLayout::toTwips(int pixels) const
{
    return int(std::lround(pixels * m_tpp));
}

static qsizetype indexIn(const QStringList &list, const QString &name)
{
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QStringList clickSelection(const QStringList &current, const QString &clicked, bool toggle)
{
    if (clicked.isEmpty())
        return toggle ? current : QStringList();
    const qsizetype at = indexIn(current, clicked);
    if (!toggle)
        return at >= 0 ? current : QStringList{clicked};
    QStringList next = current;
    if (at >= 0)
        next.removeAt(at);
    else
        next << clicked;
    return next;
}

QStringList bandSelection(const QStringList &current, const QStringList &banded, bool add)
{
    QStringList next = add ? current : QStringList();
    for (const QString &name : banded) {
        if (indexIn(next, name) < 0)
            next << name;
    }
    return next;
}

QRect bandRect(const QPoint &from, const QPoint &to)
{
    return QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                 QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
}

} // namespace vbhost

#include "designlayout.h"

#include <cmath>
#include <vector>

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

static int px(double twips, double tpp)
{
    return int(std::lround(twips / tpp));
}

DesignLayout::DesignLayout(QList<DesignControl> controls, double twipsPerPixel)
    : m_controls(std::move(controls)), m_tpp(twipsPerPixel > 0 ? twipsPerPixel : 15.0)
{
    const int n = int(m_controls.size());
    // A container index that is out of range, or a loop of containers, would loop forever.
    for (int i = 0; i < n; ++i) {
        int &p = m_controls[i].parent;
        if (p < -1 || p >= n || p == i)
            p = -1;
    }
    enum : char { Unseen, OnPath, Done };
    std::vector<char> state(size_t(n), Unseen);
    std::vector<int> order; // every container before what it holds
    order.reserve(size_t(n));
    std::vector<int> path;
    for (int i = 0; i < n; ++i) {
        path.clear();
        int c = i;
        while (c >= 0 && state[size_t(c)] == Unseen) {
            state[size_t(c)] = OnPath;
            path.push_back(c);
            c = m_controls[c].parent;
        }
        if (c >= 0 && state[size_t(c)] == OnPath) {
            m_controls[i].parent = -1;
            for (int k : path)
                state[size_t(k)] = Unseen;
            if (state[size_t(i)] == Unseen) {
                state[size_t(i)] = Done;
                order.push_back(i);
            }
            continue;
        }
        for (auto it = path.rbegin(); it != path.rend(); ++it) {
            state[size_t(*it)] = Done;
            order.push_back(*it);
        }
    }
    // Walks that met a loop left their other controls unseen: they are placed once the loop
    // is broken, on their own turn, so they cannot be missing here.
    m_rects.resize(n);
    m_visible.resize(n);
    QList<QPoint> origin(n);
    for (int i : order) {
        const int p = m_controls[i].parent;
        QPoint o;
        if (p >= 0)
            o = origin[p] + QPoint(px(m_controls[p].bounds.left(), m_tpp),
                                   px(m_controls[p].bounds.top(), m_tpp));
        origin[i] = o;
        m_rects[i] = ownRect(i, o);
        m_visible[i] = p >= 0 ? m_rects[i] & m_visible[p] : m_rects[i];
    }

    // Paint order: depth first from the form, into containers only, children in list order.
    QList<QList<int>> children(n + 1);
    for (int i = 0; i < n; ++i)
        children[m_controls[i].parent + 1] << i;
    std::vector<bool> placed(size_t(n), false);
    m_paintOrder.reserve(n);
    std::vector<std::pair<int, qsizetype>> stack{{-1, 0}};
    while (!stack.empty()) {
        auto &[parent, next] = stack.back();
        const QList<int> &kids = children[parent + 1];
        if (next == kids.size()) {
            stack.pop_back();
            continue;
        }
        const int i = kids[next++];
        m_paintOrder << i;
        placed[size_t(i)] = true;
        if (isContainerClass(m_controls[i].className))
            stack.push_back({i, 0});
    }
    // Children of a control that is not a container still belong somewhere visible.
    for (int i = 0; i < n; ++i) {
        if (!placed[size_t(i)])
            m_paintOrder << i;
    }
    for (int i = n - 1; i >= 0; --i)
        m_indexOfName.insert(m_controls[i].name.toLower(), i);
}

int DesignLayout::indexOf(const QString &name) const
{
    return m_indexOfName.value(name.toLower(), -1);
}

QRect DesignLayout::ownRect(int index, const QPoint &origin) const
{
    const DesignControl &c = m_controls[index];
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

QRect DesignLayout::rectOf(int index) const
{
    return index < 0 || index >= m_rects.size() ? QRect() : m_rects[index];
}

QRect DesignLayout::visibleRectOf(int index) const
{
    return index < 0 || index >= m_visible.size() ? QRect() : m_visible[index];
}

QList<int> DesignLayout::paintOrder() const
{
    return m_paintOrder;
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

int DesignLayout::toPixels(double twips) const
{
    return px(twips, m_tpp);
}

QPoint DesignLayout::originOf(int index) const
{
    const int p = index < 0 || index >= m_controls.size() ? -1 : m_controls[index].parent;
    return p < 0 ? QPoint() : m_rects[p].topLeft();
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

#include "formcanvas.h"

#include "ide/designer/toolbox.h"
#include "ide/model/workspace.h"

#include <QAbstractScrollArea>
#include <QPainter>

// Sizing the selected controls and the form with their handles.

namespace vbhost {

namespace {

const QColor HandleColour(0, 0, 128);

// The outline of a size drag, laid over the designer's view so that it can reach past the form.
class SizeOutline : public QWidget
{
public:
    explicit SizeOutline(QWidget *host) : QWidget(host)
    {
        setObjectName(QStringLiteral("sizeOutline"));
        setAccessibleName(QStringLiteral("Size outline"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(host->rect());
        raise();
        show();
    }
    // In the host's pixels; as lines from each rectangle's top-left to its bottom-right point.
    void setShapes(const QList<QRect> &shapes, bool lines)
    {
        m_shapes = shapes;
        m_lines = lines;
        setGeometry(parentWidget()->rect());
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setBrush(Qt::NoBrush);
        // Black dashes over white, to show on dark and light forms alike.
        for (const QPen &pen : {QPen(Qt::white, 1), QPen(Qt::black, 1, Qt::DashLine)}) {
            p.setPen(pen);
            for (const QRect &r : m_shapes) {
                if (m_lines)
                    p.drawLine(r.topLeft(), r.bottomRight());
                else
                    p.drawRect(r.adjusted(0, 0, -1, -1));
            }
        }
    }

private:
    QList<QRect> m_shapes;
    bool m_lines = false;
};

// The outermost scrolled view around the canvas (the workspace of windows), so that a form
// dragged larger than its designer window shows its whole outline; else the canvas itself.
QWidget *outlineHost(QWidget *canvas)
{
    QWidget *host = canvas;
    for (QWidget *w = canvas->parentWidget(); w; w = w->parentWidget()) {
        if (auto *area = qobject_cast<QAbstractScrollArea *>(w))
            host = area->viewport();
    }
    return host;
}

bool isLineEnd(SizeHandle h)
{
    return h == SizeHandle::LineStart || h == SizeHandle::LineEnd;
}

} // namespace

QList<std::pair<SizeHandle, QPoint>> FormCanvas::handlesOf(int index) const
{
    const DesignControl &c = m_layout.controls()[index];
    if (!c.isLine)
        return boxHandles(m_layout.rectOf(index));
    const QPoint origin = m_layout.originOf(index);
    const auto at = [&](double x, double y) {
        return origin + QPoint(m_layout.toPixels(x), m_layout.toPixels(y));
    };
    const QRectF &b = c.bounds; // from X1, Y1 by X2 - X1, Y2 - Y1
    return lineHandles(QLine(at(b.x(), b.y()), at(b.x() + b.width(), b.y() + b.height())));
}

bool FormCanvas::keepsHeight(int index) const
{
    return index >= 0 && index < m_looks.size() &&
           hasFixedHeight(m_layout.controls()[index].className, m_looks[index].style);
}

void FormCanvas::paintHandles(QPainter &p, int index, bool reference)
{
    // The reference control (the first selected) has filled handles, the others hollow ones.
    p.save();
    p.setClipping(false);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(HandleColour, 1));
    p.setBrush(reference ? QBrush(HandleColour) : QBrush(Qt::white));
    for (const auto &handle : handlesOf(index))
        p.drawRect(handleSquare(handle.second));
    p.restore();
}

void FormCanvas::paintFormHandles(QPainter &p)
{
    // Filled while the form itself is what is selected.
    const bool formSelected = m_workspace.activeForm() == m_formId && selection().isEmpty();
    p.save();
    p.setPen(QPen(HandleColour, 1));
    p.setBrush(formSelected ? QBrush(HandleColour) : QBrush(Qt::white));
    for (const auto &handle : formHandles(size()))
        p.drawRect(handleSquare(handle.second).adjusted(0, 0, -1, -1));
    p.restore();
}

std::pair<SizeHandle, int> FormCanvas::handleUnder(const QPoint &at) const
{
    if (m_toolbox && !m_toolbox->isPointer())
        return {SizeHandle::None, -1};
    // Locked controls keep their size; controls drawn as an icon have none to change.
    const QStringList selected = m_locked ? QStringList() : selection();
    for (const QString &key : selected) {
        const int i = m_layout.indexOf(key);
        if (i < 0 || hasFixedIcon(m_layout.controls()[i].className))
            continue;
        const SizeHandle h = handleAt(handlesOf(i), at);
        const bool upDown = h == SizeHandle::Top || h == SizeHandle::Bottom;
        if (h != SizeHandle::None && !(upDown && keepsHeight(i)))
            return {h, i};
    }
    return {handleAt(formHandles(size()), at), -1};
}

Qt::CursorShape FormCanvas::handlePointer(SizeHandle h, int index) const
{
    if (!isLineEnd(h))
        return handleCursor(h, keepsHeight(index));
    const auto ends = handlesOf(index);
    return lineEndCursor(QLine(ends[0].second, ends[1].second));
}

void FormCanvas::showHandleCursor(const QPoint &at)
{
    if (m_toolbox && !m_toolbox->isPointer())
        return; // the tool's cross stays
    const auto [h, index] = handleUnder(at);
    const Qt::CursorShape shape = handlePointer(h, index);
    if (cursor().shape() != shape)
        setCursor(shape);
}

bool FormCanvas::startResize(const QPoint &at, Qt::KeyboardModifiers modifiers)
{
    // Ctrl+click and Shift+click on a handle still add to or take from the selection.
    if (modifiers & (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    const auto [h, index] = handleUnder(at);
    if (h == SizeHandle::None)
        return false;
    m_sizeHandle = h;
    m_sizeKey = index < 0 ? QString() : m_layout.controls()[index].name;
    m_pressPos = m_currentPos = at;
    m_pressed = true;
    m_dragging = m_banding = m_pressOnSelection = false;
    setCursor(handlePointer(h, index));
    if (index < 0 && !selection().isEmpty()) {
        // The form's handles are the form's: it becomes what is selected.
        m_workspace.setSelection({});
        emit selectionEdited();
    }
    delete m_outline;
    m_outline = new SizeOutline(outlineHost(this));
    dragResize(at);
    return true;
}

QList<FormCanvas::Resized> FormCanvas::resizedControls() const
{
    QList<Resized> out;
    if (!isResizing() || m_sizeKey.isEmpty())
        return out;
    const QPoint d = m_currentPos - m_pressPos;
    const QPointF delta(m_layout.toTwips(d.x()), m_layout.toTwips(d.y()));
    // A line's end moves that line alone; a box handle sizes every selected box alike.
    const bool lineEnd = isLineEnd(m_sizeHandle);
    for (const QString &key : lineEnd ? QStringList{m_sizeKey} : selection()) {
        const int i = m_layout.indexOf(key);
        if (i < 0)
            continue;
        const DesignControl &c = m_layout.controls()[i];
        if (lineEnd) {
            const QRectF &b = c.bounds;
            const QLineF moved =
                movedLineEnd(QLineF(b.topLeft(), b.topLeft() + QPointF(b.width(), b.height())),
                             m_sizeHandle, delta);
            out << Resized{c.name, QRectF(moved.p1(), QSizeF(moved.dx(), moved.dy())), true};
        } else if (!c.isLine && !hasFixedIcon(c.className)) {
            const QPointF by = keepsHeight(i) ? QPointF(delta.x(), 0) : delta;
            out << Resized{c.name, resizedRect(c.bounds, m_sizeHandle, by), false};
        }
    }
    return out;
}

QSizeF FormCanvas::resizedForm() const
{
    const QPoint d = m_currentPos - m_pressPos;
    const QPointF delta(m_layout.toTwips(d.x()), m_layout.toTwips(d.y()));
    return resizedRect(QRectF(QPointF(), m_clientTwips), m_sizeHandle, delta).size();
}

QList<QRect> FormCanvas::resizeOutlines() const
{
    QList<QRect> out;
    if (!isResizing())
        return out;
    const auto px = [this](double twips) { return m_layout.toPixels(twips); };
    if (m_sizeKey.isEmpty()) {
        const QSizeF s = resizedForm();
        out << QRect(0, 0, px(s.width()), px(s.height()));
        return out;
    }
    for (const Resized &r : resizedControls()) {
        const QPoint o = m_layout.originOf(m_layout.indexOf(r.key));
        const QRectF &b = r.bounds;
        const QPoint from = o + QPoint(px(b.x()), px(b.y()));
        out << (r.isLine ? QRect(from, o + QPoint(px(b.x() + b.width()), px(b.y() + b.height())))
                         : QRect(from, QSize(px(b.width()), px(b.height()))));
    }
    return out;
}

void FormCanvas::dragResize(const QPoint &at)
{
    m_currentPos = at;
    if (!m_outline)
        return;
    QList<QRect> shapes = resizeOutlines();
    const QPoint shift = mapTo(m_outline->parentWidget(), QPoint());
    for (QRect &r : shapes)
        r.translate(shift);
    static_cast<SizeOutline *>(m_outline.data())->setShapes(shapes, isLineEnd(m_sizeHandle));
}

void FormCanvas::endResize()
{
    m_sizeHandle = SizeHandle::None;
    m_sizeKey.clear();
    m_pressed = false;
    delete m_outline;
    update();
}

bool FormCanvas::cancelResize()
{
    if (!isResizing())
        return false;
    endResize();
    return true;
}

void FormCanvas::finishResize()
{
    const bool form = m_sizeKey.isEmpty();
    const bool moved = m_currentPos != m_pressPos;
    const QList<Resized> controls = resizedControls();
    const QSizeF client = resizedForm();
    const SizeHandle handle = m_sizeHandle;
    endResize();
    if (!moved)
        return;
    // All in this one turn of the event loop: one undo step.
    if (form) {
        // Through the outer size, which the model carries over to the client area and scale.
        const std::pair<const char *, double> sizes[] = {
            {"Width", client.width() - m_clientTwips.width()},
            {"Height", client.height() - m_clientTwips.height()}};
        for (const auto &[name, by] : sizes) {
            if (by == 0)
                continue;
            const QString property = QString::fromLatin1(name);
            try {
                const double outer = m_workspace.property(m_formId, {}, property).toDouble();
                m_workspace.setProperty(m_formId, {}, property, outer + by);
            } catch (const automation::Error &) {
                // A form that refuses the size keeps its old one.
            }
        }
        return;
    }
    for (const Resized &r : controls) {
        try {
            if (r.isLine) {
                const bool start = handle == SizeHandle::LineStart;
                const QPointF end =
                    start ? r.bounds.topLeft()
                          : r.bounds.topLeft() + QPointF(r.bounds.width(), r.bounds.height());
                m_workspace.setProperty(m_formId, r.key, start ? "X1" : "X2", end.x());
                m_workspace.setProperty(m_formId, r.key, start ? "Y1" : "Y2", end.y());
            } else {
                m_workspace.setGeometry(m_formId, r.key, r.bounds.x(), r.bounds.y(),
                                        r.bounds.width(), r.bounds.height());
            }
        } catch (const automation::Error &) {
            // A control that refuses its new size keeps its old one; the others still change.
        }
    }
}

} // namespace vbhost

#include "formcanvas.h"

#include "controlpainter.h"
#include "ide/designer/classicdraw.h"
#include "ide/designer/designfonts.h"
#include "ide/files/formfile.h"
#include "ide/files/propertyvalue.h"
#include "ide/model/workspace.h"
#include "platform/ui/twips.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace vbhost {

namespace {

double numberProperty(const Workspace &ws, int formId, const QString &key, const QString &name,
                      double fallback)
{
    try {
        const automation::Value v = ws.property(formId, key, name);
        if (v.type() == automation::Value::Type::Boolean)
            return v.toBool() ? -1 : 0;
        return v.isNumeric() ? v.toDouble() : fallback;
    } catch (const automation::Error &) {
        return fallback;
    }
}

bool isClass(const DesignControl &c, const char *name)
{
    return c.className.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

} // namespace

FormCanvas::FormCanvas(Workspace &workspace, int formId, QWidget *parent)
    : QWidget(parent), m_workspace(workspace), m_formId(formId)
{
    setObjectName(QStringLiteral("formCanvas"));
    setAccessibleName(QStringLiteral("Form designer surface"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
    setMouseTracking(true); // the size pointer over the handles
    connect(&m_workspace, &Workspace::changed, this, [this](Workspace::Change what, int doc) {
        if (doc == -1 || doc == m_formId || what == Workspace::Change::Project)
            reload();
    });
    connect(&m_workspace, &Workspace::selectionChanged, this, qOverload<>(&QWidget::update));
    reload();
}

void FormCanvas::reload()
{
    const double tpp = ui::twipsPerPixel();
    QList<DesignControl> controls;
    QList<int> infoIndex; // the control's place among the form's controls and menus
    QHash<QString, int> indexOfKey;
    const QList<ControlInfo> infos = m_workspace.controls(m_formId);
    const FormFile *file = m_workspace.formFile(m_formId);
    const QList<ControlNode *> nodes = file ? file->controls() : QList<ControlNode *>();
    for (const ControlInfo &info : infos) {
        if (info.isMenu)
            continue;
        infoIndex << int(&info - infos.constData());
        DesignControl c;
        c.name = info.key;
        c.className = info.className.section(QLatin1Char('.'), -1);
        c.parent = indexOfKey.value(info.parentKey.toLower(), -1);
        if (isClass(c, "Line")) {
            // From the file: the control list keeps no direction.
            const ControlNode *node = nodes.value(infoIndex.last());
            const auto coordinate = [node](const char *name) {
                return node ? parseNumber(node->propertyText(QLatin1String(name))).value_or(0) : 0;
            };
            const double x1 = coordinate("X1"), y1 = coordinate("Y1");
            const double x2 = coordinate("X2"), y2 = coordinate("Y2");
            c.bounds = QRectF(x1, y1, x2 - x1, y2 - y1);
            c.isLine = true;
        } else {
            c.bounds = QRectF(info.left, info.top, info.width, info.height);
        }
        indexOfKey.insert(info.key.toLower(), int(controls.size()));
        controls << c;
    }
    readLooks(controls, infoIndex, nodes);
    m_layout = DesignLayout(controls, tpp);
    double w = numberProperty(m_workspace, m_formId, {}, QStringLiteral("ClientWidth"), -1);
    double h = numberProperty(m_workspace, m_formId, {}, QStringLiteral("ClientHeight"), -1);
    if (w <= 0)
        w = numberProperty(m_workspace, m_formId, {}, QStringLiteral("ScaleWidth"), -1);
    if (h <= 0)
        h = numberProperty(m_workspace, m_formId, {}, QStringLiteral("ScaleHeight"), -1);
    if (w <= 0)
        w = numberProperty(m_workspace, m_formId, {}, QStringLiteral("Width"), 4800) - 120;
    if (h <= 0)
        h = numberProperty(m_workspace, m_formId, {}, QStringLiteral("Height"), 3600) - 405;
    m_clientTwips = QSizeF(w, h);
    const QSize size(std::max(ui::twipsToPixels(w), 40), std::max(ui::twipsToPixels(h), 30));
    if (size != m_clientSize) {
        m_clientSize = size;
        setFixedSize(size);
        updateGeometry();
        emit clientSized();
    }
    update();
    emit lookChanged();
}

void FormCanvas::readLooks(QList<DesignControl> &controls, const QList<int> &infoIndex,
                           const QList<ControlNode *> &nodes)
{
    const double tpp = ui::twipsPerPixel();
    const FormFile *file = m_workspace.formFile(m_formId);
    const QString source = m_workspace.sourcePath(m_formId);
    const std::optional<HeldCompanionBytes> held = m_workspace.heldCompanion(m_formId);
    const HeldCompanionBytes *companion = held ? &*held : nullptr;
    m_pictureCache.beginPass();
    m_formLook =
        file && file->root() ? vbhost::formLook(*file->root(), file->version()) : ControlLook();
    m_formFont = designFont(m_formLook.font, tpp);
    m_formPicture = m_pictureCache.picture(source, m_formLook.picture, companion);
    m_formIcon = m_pictureCache.picture(source, m_formLook.icon, companion);
    m_looks.clear();
    m_fonts.clear();
    m_pictures.clear();
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const ControlNode *node = nodes.value(infoIndex[i]);
        const ControlLook look = node ? controlLook(*node, m_formLook) : ControlLook();
        const QFont font = look.font == m_formLook.font ? m_formFont : designFont(look.font, tpp);
        DesignControl &c = controls[i];
        if (look.autoSize && isClass(c, "Label")) {
            // The environment sizes such a label to its caption as the form loads.
            const QSize size = labelAutoSize(look, font, ui::twipsToPixels(c.bounds.width()));
            c.bounds.setSize(QSizeF(size.width() * tpp, size.height() * tpp));
        }
        m_pictures << m_pictureCache.picture(source, look.picture, companion);
        m_looks << look;
        m_fonts << font;
    }
    m_pictureCache.endPass();
}

const ControlLook *FormCanvas::lookOf(const QString &key) const
{
    const int i = m_layout.indexOf(key);
    return i < 0 || i >= m_looks.size() ? nullptr : &m_looks[i];
}

QSize FormCanvas::sizeHint() const
{
    return m_clientSize.isValid() ? m_clientSize : QSize(320, 240);
}

QRect FormCanvas::controlRect(const QString &key) const
{
    const int i = m_layout.indexOf(key);
    return i < 0 ? QRect() : m_layout.rectOf(i);
}

QStringList FormCanvas::selection() const
{
    return m_workspace.activeForm() == m_formId ? m_workspace.selection() : QStringList();
}

void FormCanvas::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintFormBackground(p);

    for (int i : m_layout.paintOrder()) {
        const QRect clip = m_layout.visibleRectOf(i);
        if (clip.isEmpty())
            continue;
        p.save();
        const int parent = m_layout.controls()[i].parent;
        if (parent >= 0)
            p.setClipRect(m_layout.visibleRectOf(parent));
        paintControl(p, i, m_layout.rectOf(i));
        p.restore();
    }

    paintFormHandles(p);
    const QStringList selected = selection();
    const QPoint delta = m_dragging ? m_currentPos - m_pressPos : QPoint();
    // Last to first, so that the reference's handles stay visible over controls stacked on it.
    for (qsizetype s = selected.size() - 1; s >= 0; --s) {
        const int i = m_layout.indexOf(selected[s]);
        if (i < 0)
            continue;
        QRect r = m_layout.rectOf(i);
        if (m_dragging) {
            p.setPen(QPen(Qt::black, 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.translated(delta).adjusted(0, 0, -1, -1));
        }
        paintHandles(p, i, s == 0);
    }
    if (m_banding || m_drawing) {
        p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rubberBand().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

void FormCanvas::paintFormBackground(QPainter &p)
{
    const QColor back = argbColour(m_formLook.backColour);
    p.fillRect(rect(), back);
    if (m_formPicture)
        paintPicture(p, rect(), *m_formPicture, false, m_formFont);
    // The design grid every 120 twips, as dots that show on light and dark forms alike.
    const int step = std::max(ui::twipsToPixels(120), 4);
    p.setPen(back.lightness() < 96 ? QColor(Qt::white) : QColor(Qt::black));
    QList<QPoint> dots;
    dots.reserve((width() / step + 1) * (height() / step + 1));
    for (int y = 0; y < height(); y += step)
        for (int x = 0; x < width(); x += step)
            dots << QPoint(x, y);
    p.drawPoints(dots.constData(), int(dots.size()));
}

void FormCanvas::paintControl(QPainter &p, int index, const QRect &r)
{
    if (index >= m_looks.size())
        return;
    const DesignControl &c = m_layout.controls()[index];
    vbhost::paintControl({p, this, c, r, m_looks[index], m_fonts[index], m_pictures[index].get()});
}

void FormCanvas::focusInEvent(QFocusEvent *event)
{
    if (m_workspace.activeForm() != m_formId)
        m_workspace.setActiveForm(m_formId);
    QWidget::focusInEvent(event);
    update();
}

void FormCanvas::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    if (m_workspace.activeForm() != m_formId)
        m_workspace.setActiveForm(m_formId);
    if (startDrawing(event->position().toPoint()) ||
        startResize(event->position().toPoint(), event->modifiers()))
        return;
    const bool toggle = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    m_pressPos = m_currentPos = event->position().toPoint();
    m_pressed = true;
    m_dragging = false;
    m_banding = false;
    const int hit = m_layout.hitTest(m_pressPos);
    if (hit < 0) {
        // Pressing on the form starts a rubber band over the form's own controls.
        m_banding = true;
        m_addToBand = toggle;
        m_bandContainer = -1;
        m_pressOnSelection = false;
        if (!toggle && !selection().isEmpty()) {
            m_workspace.setSelection({});
            emit selectionEdited();
        }
        update();
        return;
    }
    const QString key = m_layout.controls()[hit].name;
    const QStringList next = clickSelection(selection(), key, toggle);
    if (next != selection()) {
        m_workspace.setSelection(next);
        emit selectionEdited();
    }
    m_pressOnSelection = !toggle && next.contains(key, Qt::CaseInsensitive);
    update();
}

void FormCanvas::mouseMoveEvent(QMouseEvent *event)
{
    if (isResizing()) {
        // A release that never came (the grab was taken away) ends the drag.
        if (event->buttons() & Qt::LeftButton)
            dragResize(event->position().toPoint());
        else
            cancelResize();
        return;
    }
    if (!m_pressed) {
        showHandleCursor(event->position().toPoint());
        return;
    }
    m_currentPos = event->position().toPoint();
    if (m_pressOnSelection && !m_dragging && !m_locked &&
        (m_currentPos - m_pressPos).manhattanLength() >= QApplication::startDragDistance())
        m_dragging = true;
    update();
}

void FormCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    m_currentPos = event->position().toPoint();
    if (m_drawing) {
        finishDrawing();
    } else if (isResizing()) {
        finishResize();
    } else if (m_dragging) {
        m_dragging = false;
        const QPoint d = m_currentPos - m_pressPos;
        moveSelection(m_layout.toTwips(d.x()), m_layout.toTwips(d.y()), 0, 0);
    } else if (m_banding) {
        const QRect band = bandRect(m_pressPos, m_currentPos);
        m_banding = false;
        if (band.width() > 1 || band.height() > 1) {
            const QStringList next =
                bandSelection(selection(), m_layout.inBand(band, m_bandContainer), m_addToBand);
            if (next != selection()) {
                m_workspace.setSelection(next);
                emit selectionEdited();
            }
        }
    }
    m_pressOnSelection = false;
    update();
}

void FormCanvas::moveSelection(int dx, int dy, int dw, int dh)
{
    if (dx == 0 && dy == 0 && dw == 0 && dh == 0)
        return;
    const QStringList keys = selection();
    // All in one turn of the event loop: one undo step.
    for (const QString &key : keys) {
        const int i = m_layout.indexOf(key);
        if (i < 0)
            continue;
        const DesignControl c = m_layout.controls()[i];
        try {
            if (c.isLine) {
                if (dw || dh) {
                    m_workspace.setProperty(m_formId, key, QStringLiteral("X2"),
                                            c.bounds.left() + c.bounds.width() + dw);
                    m_workspace.setProperty(m_formId, key, QStringLiteral("Y2"),
                                            c.bounds.top() + c.bounds.height() + dh);
                } else {
                    m_workspace.setProperty(m_formId, key, QStringLiteral("X1"),
                                            c.bounds.left() + dx);
                    m_workspace.setProperty(m_formId, key, QStringLiteral("Y1"),
                                            c.bounds.top() + dy);
                    m_workspace.setProperty(m_formId, key, QStringLiteral("X2"),
                                            c.bounds.left() + c.bounds.width() + dx);
                    m_workspace.setProperty(m_formId, key, QStringLiteral("Y2"),
                                            c.bounds.top() + c.bounds.height() + dy);
                }
            } else {
                m_workspace.setGeometry(m_formId, key, c.bounds.left() + dx, c.bounds.top() + dy,
                                        std::max(0.0, c.bounds.width() + dw),
                                        std::max(0.0, c.bounds.height() + dh));
            }
        } catch (const automation::Error &) {
            // A control that refuses the new place keeps its old one; the others still move.
        }
    }
}

void FormCanvas::selectNeighbour(int step)
{
    const QList<int> order = m_layout.paintOrder();
    if (order.isEmpty())
        return;
    const QStringList sel = selection();
    qsizetype at = sel.isEmpty() ? -1 : order.indexOf(m_layout.indexOf(sel.first()));
    if (at < 0)
        at = step > 0 ? -1 : 0;
    const qsizetype next = (at + step + order.size()) % order.size();
    m_workspace.setSelection({m_layout.controls()[order[next]].name});
    emit selectionEdited();
}

void FormCanvas::keyPressEvent(QKeyEvent *event)
{
    const bool resize = event->modifiers() & Qt::ShiftModifier;
    const bool grid = resize || (event->modifiers() & Qt::ControlModifier);
    const int unit = grid ? kGridTwips : m_layout.toTwips(1);
    auto arrow = [&](int x, int y) {
        if (resize)
            moveSelection(0, 0, x * unit, y * unit);
        else
            moveSelection(x * unit, y * unit, 0, 0);
    };
    switch (event->key()) {
    case Qt::Key_Tab:
        selectNeighbour(1);
        break;
    case Qt::Key_Backtab:
        selectNeighbour(-1);
        break;
    case Qt::Key_Left:
        arrow(-1, 0);
        break;
    case Qt::Key_Right:
        arrow(1, 0);
        break;
    case Qt::Key_Up:
        arrow(0, -1);
        break;
    case Qt::Key_Down:
        arrow(0, 1);
        break;
    case Qt::Key_Delete:
        if (!selection().isEmpty())
            m_workspace.removeControls(m_formId, selection());
        break;
    case Qt::Key_Escape:
        if (cancelResize())
            break;
        if (m_drawing) {
            m_drawing = m_pressed = false;
            update();
            break;
        }
        m_workspace.setSelection({});
        emit selectionEdited();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace vbhost

#include "formcanvas.h"

#include "ide/designer/toolbox.h"
#include "ide/designer/toolboxpictures.h"
#include "ide/model/newcontrol.h"
#include "ide/model/workspace.h"

#include <QApplication>

// Drawing a new control with a tool of the toolbox.

namespace vbhost {

void FormCanvas::setToolbox(Toolbox *toolbox)
{
    m_toolbox = toolbox;
    if (!toolbox)
        return;
    const auto showTool = [this] {
        setCursor(m_toolbox->isPointer() ? Qt::ArrowCursor : Qt::CrossCursor);
    };
    connect(toolbox, &Toolbox::currentToolChanged, this, showTool);
    connect(toolbox, &QObject::destroyed, this, [this] { m_toolbox = nullptr; });
    showTool();
}

bool FormCanvas::startDrawing(const QPoint &at)
{
    if (!m_toolbox || m_toolbox->isPointer())
        return false;
    m_pressPos = m_currentPos = at;
    m_pressed = m_drawing = true;
    m_dragging = m_banding = false;
    update();
    return true;
}

void FormCanvas::finishDrawing()
{
    m_drawing = false;
    if (!m_toolbox)
        return;
    const QString cls = m_toolbox->currentTool();
    m_toolbox->setCurrentTool(QLatin1String(kPointerTool));
    const int container = m_layout.containerAt(m_pressPos);
    const QPoint origin = container < 0 ? QPoint() : m_layout.rectOf(container).topLeft();
    const QString containerKey = container < 0 ? QString() : m_layout.controls()[container].name;
    const bool line = cls == u"Line";
    const bool click =
        (m_currentPos - m_pressPos).manhattanLength() < QApplication::startDragDistance();
    // A line runs from where the mouse went down to where it came up; other controls fill the
    // rectangle between the two, whichever way the mouse went.
    const QPoint d = m_currentPos - m_pressPos;
    const QRect band =
        line ? QRect(m_pressPos, QSize(d.x(), d.y()))
             : QRect(std::min(m_pressPos.x(), m_currentPos.x()),
                     std::min(m_pressPos.y(), m_currentPos.y()), std::abs(d.x()), std::abs(d.y()));
    const QPoint at = (line || click ? m_pressPos : band.topLeft()) - origin;
    const QSize defaultSize = newControlStyle(cls).defaultSize;
    const double width = click ? defaultSize.width() : m_layout.toTwips(band.width());
    const double height = click ? defaultSize.height() : m_layout.toTwips(band.height());
    try {
        const QString key =
            m_workspace.addControl(m_formId, cls, containerKey, m_layout.toTwips(at.x()),
                                   m_layout.toTwips(at.y()), width, height);
        m_workspace.setSelection({key});
        emit selectionEdited();
    } catch (const automation::Error &) {
        // A class the form cannot hold adds nothing.
    }
    update();
}

} // namespace vbhost

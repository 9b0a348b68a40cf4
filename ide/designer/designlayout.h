#pragma once

#include <QHash>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace vbhost {

// One control as the form designer sees it: where it is, in twips, within its container.
struct DesignControl
{
    QString name;        // as shown and selected: "Command1", "Option1(0)"
    QString className;   // without the library prefix: "CommandButton"
    QRectF bounds;       // twips, relative to the container's origin
    int parent = -1;     // index of the container in the list; -1 for the form itself
    bool isLine = false; // bounds spans X1,Y1 to X2,Y2 (may have zero width or height)
};

// Controls invisible at run time keep a fixed icon size whatever their twips say.
bool hasFixedIcon(const QString &className);
bool isContainerClass(const QString &className);
// Fixed icon size in pixels.
constexpr int kIconPixels = 28;

// Pixel geometry of a form's controls at a given scale, with hit testing and rubber bands.
// Pixels are relative to the top-left corner of the form's client area.
class DesignLayout
{
public:
    DesignLayout() = default;
    DesignLayout(QList<DesignControl> controls, double twipsPerPixel);

    const QList<DesignControl> &controls() const { return m_controls; }
    double twipsPerPixel() const { return m_tpp; }
    int indexOf(const QString &name) const; // -1 when absent (names ignore case)

    // Pixel rectangle of a control, its containers' offsets included.
    QRect rectOf(int index) const;
    // Visible part: clipped by every container above it.
    QRect visibleRectOf(int index) const;
    // Back to front: each container before its children, later siblings over earlier ones.
    QList<int> paintOrder() const;
    // The frontmost control under the point, or -1 for the form.
    int hitTest(const QPoint &pixel) const;
    // The container whose client area holds the point: -1 for the form.
    int containerAt(const QPoint &pixel) const;
    // Names of the controls of one container touched by the band, in paint order.
    QStringList inBand(const QRect &band, int container) const;

    int toTwips(int pixels) const;
    int toPixels(double twips) const;
    // Pixel position of the top-left corner of the control's container (the form: 0, 0).
    QPoint originOf(int index) const;

private:
    QRect ownRect(int index, const QPoint &origin) const;

    // Computed once, in time linear in the number of controls however deep they nest.
    QList<DesignControl> m_controls;
    double m_tpp = 15.0;
    QList<QRect> m_rects;
    QList<QRect> m_visible;
    QList<int> m_paintOrder;
    QHash<QString, int> m_indexOfName; // lower-case name, first occurrence
};

// Selection on click: a plain click on an unselected control selects it alone, a plain click on
// a selected one keeps the selection (so a group can be dragged), Ctrl+click adds the control at
// the end or takes it out. The first name is the reference control.
QStringList clickSelection(const QStringList &current, const QString &clicked, bool toggle);
// A rubber band replaces the selection, or with Ctrl adds to it (touching removes none).
QStringList bandSelection(const QStringList &current, const QStringList &banded, bool add);

// The rectangle spanned by two points, whichever way the mouse went.
QRect bandRect(const QPoint &from, const QPoint &to);

} // namespace vbhost

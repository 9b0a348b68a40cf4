#pragma once

#include "ide/designer/controllook.h"
#include "ide/designer/designlayout.h"
#include "ide/designer/picturecache.h"
#include "ide/designer/sizehandles.h"

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace vbhost {

class ControlNode;
class Toolbox;
class Workspace;

// The client area of a form being designed: controls drawn to scale from their twips. Click,
// Ctrl+click and rubber band select (in order, into the workspace); dragging moves the selection.
// Keyboard: Tab and Shift+Tab select the next or previous control, arrows move the selection by
// one pixel, Ctrl+arrows by one grid step, Shift+arrows resize it by one grid step, Delete
// removes it. With a tool chosen in the toolbox, pressing and dragging draws a new control of
// that class inside the form, frame or picture box pressed on (a click alone gives it its default
// size there). Dragging a handle of a selected control sizes every selected control alike (a
// line's end handle moves that end); the handles at the right, bottom and corner of the client
// area size the form. An outline follows the drag; Escape drops it.
class FormCanvas : public QWidget
{
    Q_OBJECT

public:
    FormCanvas(Workspace &workspace, int formId, QWidget *parent = nullptr);

    int formId() const { return m_formId; }
    const DesignLayout &layout() const { return m_layout; }
    // Pixel rectangle of a control (by key) within this widget; null when absent.
    QRect controlRect(const QString &key) const;
    // Builds the layout again from the workspace (also done on every change).
    void reload();
    // The band being drawn, in widget pixels; null when none.
    QRect rubberBand() const
    {
        return m_banding || m_drawing ? bandRect(m_pressPos, m_currentPos) : QRect();
    }
    void setToolbox(Toolbox *toolbox);
    // Mouse drags leave the controls where they are and as large as they are.
    void setLocked(bool locked) { m_locked = locked; }
    bool isLocked() const { return m_locked; }
    // A handle is being dragged: where the controls (or the form's client area) would go, in
    // widget pixels; a line as the rectangle from its first end to its second.
    bool isResizing() const { return m_sizeHandle != SizeHandle::None; }
    QList<QRect> resizeOutlines() const;
    // The design grid's step in twips.
    static constexpr int kGridTwips = 120;

    // The form's own look (colours, font, caption bar settings) and its icon, as last loaded.
    const ControlLook &formLook() const { return m_formLook; }
    const DesignPicture *formIcon() const { return m_formIcon.get(); }
    // The look a control is drawn with; null when absent.
    const ControlLook *lookOf(const QString &key) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // The selection changed by a gesture on this canvas.
    void selectionEdited();
    // The form's look was read again (after every change).
    void lookChanged();
    // The form's client area took another size (a drag, a property, an undo).
    void clientSized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool) override { return false; }
    void focusInEvent(QFocusEvent *event) override;

private:
    void paintControl(QPainter &p, int index, const QRect &r);
    void paintFormBackground(QPainter &p);
    // Reads every control's look and picture; sizes AutoSize labels to their captions.
    void readLooks(QList<DesignControl> &controls, const QList<int> &infoIndex,
                   const QList<ControlNode *> &nodes);
    void moveSelection(int dxTwips, int dyTwips, int dwTwips, int dhTwips);
    void selectNeighbour(int step);
    QStringList selection() const;
    bool startDrawing(const QPoint &at);
    void finishDrawing();
    // Sizing with the handles (formcanvasresize.cpp).
    void paintHandles(QPainter &p, int index, bool reference);
    void paintFormHandles(QPainter &p);
    QList<std::pair<SizeHandle, QPoint>> handlesOf(int index) const;
    bool keepsHeight(int index) const;
    // The handle under the point and whose it is (-1: the form's).
    std::pair<SizeHandle, int> handleUnder(const QPoint &at) const;
    Qt::CursorShape handlePointer(SizeHandle h, int index) const;
    bool startResize(const QPoint &at, Qt::KeyboardModifiers modifiers);
    void dragResize(const QPoint &at);
    void finishResize();
    bool cancelResize();
    void endResize();
    void showHandleCursor(const QPoint &at);
    struct Resized
    {
        QString key;
        QRectF bounds; // twips in the container; a line from X1, Y1 to X2, Y2
        bool isLine = false;
    };
    QList<Resized> resizedControls() const;
    QSizeF resizedForm() const;

    Workspace &m_workspace;
    int m_formId;
    DesignLayout m_layout;
    QSize m_clientSize; // pixels
    QString m_formCaption;
    ControlLook m_formLook;
    QFont m_formFont;
    DesignPicturePtr m_formPicture;
    DesignPicturePtr m_formIcon;
    QList<ControlLook> m_looks; // by layout index
    QList<QFont> m_fonts;
    QList<DesignPicturePtr> m_pictures;
    PictureCache m_pictureCache;

    QPoint m_pressPos;
    QPoint m_currentPos;
    bool m_pressed = false;
    bool m_dragging = false; // moving the selection
    bool m_banding = false;  // drawing a rubber band
    bool m_pressOnSelection = false;
    bool m_addToBand = false;
    int m_bandContainer = -1;

    Toolbox *m_toolbox = nullptr;
    bool m_drawing = false; // drawing a new control with a tool of the toolbox
    bool m_locked = false;

    SizeHandle m_sizeHandle = SizeHandle::None;
    QString m_sizeKey; // whose handle is dragged; empty for the form's own
    QSizeF m_clientTwips;
    QPointer<QWidget> m_outline;
};

} // namespace vbhost

#pragma once

#include "ide/designer/controllook.h"
#include "ide/designer/designlayout.h"
#include "ide/designer/picturecache.h"

#include <QPoint>
#include <QRect>
#include <QWidget>

namespace vbhost {

class ControlNode;
class Workspace;

// The client area of a form being designed: controls drawn to scale from their twips. Click,
// Ctrl+click and rubber band select (in order, into the workspace); dragging moves the selection.
// Keyboard: Tab and Shift+Tab select the next or previous control, arrows move the selection by
// one pixel, Shift+arrows resize it, Delete removes it.
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
    QRect rubberBand() const { return m_banding ? bandRect(m_pressPos, m_currentPos) : QRect(); }

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
    void paintHandles(QPainter &p, const QRect &r, bool reference);
    void moveSelection(int dxTwips, int dyTwips, int dwTwips, int dhTwips);
    void selectNeighbour(int step);
    QStringList selection() const;

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
};

} // namespace vbhost

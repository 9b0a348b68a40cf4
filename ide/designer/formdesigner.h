#pragma once

#include <QWidget>

class QLabel;
class QScrollArea;

namespace vbhost {

class CaptionBar;
class FormCanvas;
class FormFrame;
class MenuPreview;
class Workspace;

// One form being designed: the form drawn as its window will look (frame, caption bar, menu bar,
// client area with its controls), scrolled when larger than the view. User controls, property
// pages and user documents show their client area alone.
class FormDesigner : public QWidget
{
    Q_OBJECT

public:
    FormDesigner(Workspace &workspace, int formId, QWidget *parent = nullptr);

    int formId() const { return m_formId; }
    FormCanvas *canvas() const { return m_canvas; }
    MenuPreview *menuPreview() const { return m_menu; }
    QSize sizeHint() const override;

private:
    void updateCaption();
    // The caption bar and window frame as the form's properties shape them.
    void updateChrome();

    Workspace &m_workspace;
    int m_formId;
    FormFrame *m_window;
    CaptionBar *m_caption;
    MenuPreview *m_menu;
    FormCanvas *m_canvas;
};

} // namespace vbhost

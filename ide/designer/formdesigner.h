#pragma once

#include <QWidget>

class QLabel;
class QScrollArea;

namespace vbhost {

class FormCanvas;
class MenuPreview;
class Workspace;

// One form being designed: the form drawn as its window will look (caption, menu bar, client
// area with its controls), scrolled when larger than the view.
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

    Workspace &m_workspace;
    int m_formId;
    QWidget *m_window;
    QLabel *m_caption;
    MenuPreview *m_menu;
    FormCanvas *m_canvas;
};

} // namespace vbhost

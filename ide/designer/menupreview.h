#pragma once

#include <QList>
#include <QMenuBar>
#include <QPointer>

namespace vbhost {

class Workspace;

// The menu bar a form will have at run time, built from its Menu controls: captions with their
// access keys, shortcuts, separators ("-"), checked, disabled and hidden items. Choosing an item
// does nothing; the preview is there to look at.
class MenuPreview : public QMenuBar
{
    Q_OBJECT

public:
    MenuPreview(Workspace &workspace, int formId, QWidget *parent = nullptr);
    void rebuild();

private:
    Workspace &m_workspace;
    int m_formId;
    QList<QPointer<QMenu>> m_menus; // top-level menus of the last build
};

} // namespace vbhost

#include "formdesigner.h"

#include "ide/designer/formcanvas.h"
#include "ide/designer/formchrome.h"
#include "ide/designer/menupreview.h"
#include "ide/model/workspace.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace vbhost {

FormDesigner::FormDesigner(Workspace &workspace, int formId, QWidget *parent)
    : QWidget(parent), m_workspace(workspace), m_formId(formId)
{
    setObjectName(QStringLiteral("formDesigner"));
    setAccessibleName(QStringLiteral("Form %1").arg(workspace.document(formId).name));

    // The form's own window frame: title bar, menu bar, client area.
    auto *window = new FormFrame;
    window->setAccessibleName(tr("Form window"));
    auto *windowLayout = new QVBoxLayout(window);
    windowLayout->setContentsMargins(0, 0, 0, 0);
    windowLayout->setSpacing(0);
    m_caption = new CaptionBar(window);
    m_menu = new MenuPreview(workspace, formId, window);
    m_canvas = new FormCanvas(workspace, formId, window);
    windowLayout->addWidget(m_caption);
    windowLayout->addWidget(m_menu);
    windowLayout->addWidget(m_canvas);
    window->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    auto *sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("formSheet"));
    sheet->setAccessibleName(tr("Form sheet"));
    auto *sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(8, 8, 8, 8);
    sheetLayout->addWidget(window, 0, Qt::AlignLeft | Qt::AlignTop);
    sheetLayout->addStretch();

    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("formScroll"));
    scroll->setAccessibleName(tr("Form designer"));
    scroll->setWidget(sheet);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    setFocusProxy(m_canvas);
    m_window = window;

    connect(&m_workspace, &Workspace::changed, this, [this](Workspace::Change, int doc) {
        if (doc == -1 || doc == m_formId)
            updateCaption();
    });
    connect(m_canvas, &FormCanvas::lookChanged, this, &FormDesigner::updateChrome);
    updateCaption();
    updateChrome();
}

void FormDesigner::updateChrome()
{
    ControlLook look = m_canvas->formLook();
    // Only forms have a window of their own.
    if (m_workspace.document(m_formId).kind != DocumentKind::Form)
        look.borderStyle = 0;
    const DesignPicture *icon = m_canvas->formIcon();
    m_caption->setLook(look, icon ? icon->image : QImage());
    m_window->setBorderStyle(look.borderStyle);
}

QSize FormDesigner::sizeHint() const
{
    // The form itself plus the sheet's margins, not the scroll area's guess.
    return m_window->sizeHint() + QSize(20, 20);
}

void FormDesigner::updateCaption()
{
    QString caption;
    try {
        caption = m_workspace.property(m_formId, {}, QStringLiteral("Caption")).toString();
    } catch (const automation::Error &) {
    }
    m_caption->setText(caption);
    const DocumentInfo doc = m_workspace.document(m_formId);
    setWindowTitle(QStringLiteral("%1 (%2)").arg(doc.name, memberClassName(doc.kind)));
}

} // namespace vbhost

#include "toolwindow.h"

#include "addin/windows/formregistry.h"
#include "addin/windows/helpmenu.h"
#include "addin/windows/menuarray.h"
#include "dblist.h"
#include "helpfile.h"
#include "toolbarpictures.h"
#include "toolbuttons.h"

#include "addin/generalmenu/generalmenu.h"
#include "addin/layout/aligncontrols.h"
#include "addin/layout/layoutmenu.h"
#include "addin/layout/matchcontrolsizes.h"
#include "addin/library/datacontrol.h"
#include "addin/runtime/addinfolder.h"
#include "addin/runtime/traps.h"
#include "addin/windows/centerform.h"
#include "addin/windows/fittingfont.h"
#include "addin/windows/outersize.h"
#include "addin/windows/picturetoolbar.h"
#include "platform/ui/commondialog.h"
#include "platform/ui/imagebutton.h"
#include "platform/ui/services.h"
#include "platform/ui/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>

namespace tolvar {

namespace {

constexpr double OuterWidth = 5895;
constexpr double OuterHeight = 1905;
constexpr double ToolbarHeight = 525;
constexpr double ButtonTop = 40;
constexpr double ButtonLeft = 75;
constexpr double ButtonSize = 480;
constexpr double ListWidth = 5880;
constexpr double ListHeight = 1035;

} // namespace

ToolWindow::ToolWindow(QWidget *parent)
    : QMainWindow(parent), runAlignControls(&AlignControls),
      runMatchControlSizes(&MatchControlSizes)
{
    setObjectName(QStringLiteral("wizard"));
    setWindowTitle(ToolWindowCaption);
    setWindowIcon(QIcon(toolWindowIcon()));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);

    auto *surface = new QWidget(this);
    surface->setObjectName(QStringLiteral("wizardSurface"));
    surface->setAccessibleName(QStringLiteral("Tolvar Add-In tools"));
    setCentralWidget(surface);

    m_formMenu = menuBar()->addMenu(QStringLiteral("Form"));
    m_formMenu->setObjectName(QStringLiteral("cur"));
    m_formMenu->setAccessibleName(QStringLiteral("Form"));
    m_layoutMenu = menuBar()->addMenu(LayoutMenuCaption);
    m_layoutMenu->setObjectName(QStringLiteral("lay"));
    m_layoutMenu->setAccessibleName(QStringLiteral("Layout"));
    addMenuArray(m_layoutMenu, QStringLiteral("mnulay"), LayoutMenuItems,
                 [this](int i) { mnulay_Click(qint16(i)); });
    addMenuArray(m_formMenu, QStringLiteral("mnucur"), {QStringLiteral("Add general menu ")},
                 [this](int i) { mnucur_Click(qint16(i)); });
    m_helpMenu = addHelpMenu(this, QStringLiteral("help"), QStringLiteral("hlp"),
                             [this](int i) { hlp_Click(qint16(i)); });
    CommonDialog1 = new ui::CommonDialog(this);
    menuBar()->setObjectName(QStringLiteral("wizardMenuBar"));
    menuBar()->setAccessibleName(QStringLiteral("Menu bar"));
    openMenuWithAlt(this, m_formMenu, Qt::Key_F);

    m_toolbar = new QLabel(surface);
    m_toolbar->setObjectName(QStringLiteral("PicToolbar"));
    m_toolbar->setAccessibleName(QStringLiteral("Toolbar"));
    const QSize toolbarSize(ui::twipsToPixels(OuterWidth), ui::twipsToPixels(ToolbarHeight));
    m_toolbar->setGeometry(QRect(QPoint(0, 0), toolbarSize));
    m_toolbar->setPixmap(toolbarBackground(toolbarSize));

    m_pictures = new PictureToolbar(m_toolbar, surface, HoverButton);
    for (int k = 1; k <= int(ToolButtons.size()); ++k) {
        const ToolButton &tool = ToolButtons[k - 1];
        m_pictures->addButton(
            {tool.name,
             tool.shortName,
             tool.hint,
             {buttonPicture(k, ButtonPicture::Up), buttonPicture(k, ButtonPicture::Dn),
              buttonPicture(k, ButtonPicture::Ck)},
             {tool.name + "Up", tool.name + "Dn", tool.name + "Ck"},
             ui::twipsToPixels(ButtonLeft + ButtonSize * (k - 1), ButtonTop, ButtonSize,
                               ButtonSize)});
    }
    connect(m_pictures, &PictureToolbar::hint, this, &ToolWindow::setStatusText);
    connect(m_pictures, &PictureToolbar::highlightDeleted, this, [this] { setStatusText({}); });
    connect(m_pictures, &PictureToolbar::clicked, this, &ToolWindow::buttonClick);

    m_data = new DataControl(this);

    m_list = new DBList(surface);
    m_list->setObjectName(QStringLiteral("DBList1"));
    m_list->setAccessibleName(QStringLiteral("Subroutine library"));
    m_list->setAccessibleDescription(
        QStringLiteral("Choose a subroutine to copy its code to the clipboard."));
    m_list->setGeometry(ui::twipsToPixels(0, ToolbarHeight, ListWidth, ListHeight));
    m_list->setRowSource(m_data);
    m_list->setDataSource(m_data);
    connect(m_list, &DBList::Click, this, &ToolWindow::DBList1_Click);

    m_statusBar = statusBar();
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);
    m_status = new QLabel(m_statusBar);
    m_status->setObjectName(QStringLiteral("StatusBar1Text"));
    m_status->setMinimumWidth(1);
    m_statusBar->addWidget(m_status, 1);
    for (QWidget *watched :
         {static_cast<QWidget *>(m_list), m_list->viewport(),
          static_cast<QWidget *>(m_list->verticalScrollBar()),
          static_cast<QWidget *>(m_list->horizontalScrollBar()),
          static_cast<QWidget *>(m_statusBar), static_cast<QWidget *>(m_status), surface})
        m_pictures->watch(watched);
    m_status->installEventFilter(this);

    const auto &buttons = m_pictures->buttons();
    setTabOrder(m_list, buttons.front());
    for (std::size_t i = 1; i < buttons.size(); ++i)
        setTabOrder(buttons[i - 1], buttons[i]);
    m_list->setFocus();

    applyOuterSize();
}

ToolWindow::~ToolWindow() = default;

void ToolWindow::applyOuterSize()
{
    setOuterSize(this, OuterWidth, OuterHeight);
    m_toolbar->resize(width(), m_toolbar->height());
    m_toolbar->setPixmap(toolbarBackground(m_toolbar->size()));
}

void ToolWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    applyOuterSize();
}

void ToolWindow::Form_Load()
{
    setAppHelpFile(AddInPath(QStringLiteral("tolvar.hlp")));
    forms().show(formname::Splash);
    ui::services().DoEvents();
    initialize();
    forms().unload(formname::Splash);
    openSubroutineLibrary();
}

void ToolWindow::initialize()
{
    ReportAndLeave([this] {
        m_data->setDatabaseName(AddInPath(QStringLiteral("tolvar.mdb")));
        m_data->setRecordSource(QStringLiteral("Subs"));
        m_list->setBoundColumn(QStringLiteral("ID"));
        m_list->setDataField(QStringLiteral("ID"));
        m_list->setListField(QStringLiteral("Description"));
        for (const QString &name : {formname::AboutBox, formname::Files, formname::InputBoxWizard,
                                    formname::MessageBoxWizard, formname::ScreenSaver})
            forms().load(name);
        CenterForm(this);
        show();
    });
}

void ToolWindow::openSubroutineLibrary()
{
    // The data control opens its database once its properties are set and reports its own
    // failure: the list stays empty and every other tool works.
    if (m_data->DatabaseName().isEmpty())
        return;
    ReportAndLeave([this] {
        m_data->Refresh();
        m_list->ReFill();
    });
}

void ToolWindow::Form_Unload()
{
    ui::services().EndProcess();
}

void ToolWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

ImageButton *ToolWindow::button(int id) const
{
    return m_pictures->button(id);
}

QString ToolWindow::statusText() const
{
    return m_status->text();
}

void ToolWindow::setStatusText(const QString &text)
{
    m_status->setText(text);
    fitStatusText();
}

// The hint is a picture button's only description: it takes a smaller font rather than lose its
// end at the window's edge.
void ToolWindow::fitStatusText()
{
    m_status->setFont(
        fittingFont(m_statusBar->font(), m_status->text(), m_status->contentsRect().width()));
}

void ToolWindow::DeleteHighlight()
{
    m_pictures->DeleteHighlight();
}

bool ToolWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_status && event->type() == QEvent::Resize)
        fitStatusText();
    return QMainWindow::eventFilter(watched, event);
}

void ToolWindow::buttonClick(int id)
{
    // A tool that fails is reported and the tool window stays usable.
    ReportAndLeave([this, id] {
        switch (id) {
        case LeftA:
        case RightA:
        case BottomA:
        case TopA:
            runAlignControls((id == TopA || id == BottomA) ? QStringLiteral("Top")
                                                           : QStringLiteral("Left"),
                             id == BottomA  ? QStringLiteral("Height")
                             : id == RightA ? QStringLiteral("Width")
                                            : QString());
            break;
        case SizeH:
        case SizeW:
        case SizeB:
            runMatchControlSizes(id == SizeW ? 1 : id == SizeH ? 2 : 3);
            break;
        case MBox:
            forms().show(formname::MessageBoxWizard);
            break;
        case IBox:
            forms().show(formname::InputBoxWizard);
            break;
        case Sav:
            forms().show(formname::ScreenSaver);
            break;
        case Files:
            forms().show(formname::Files);
            break;
        case Br:
            forms().show(formname::Browser);
            break;
        default:
            break;
        }
    });
}

void ToolWindow::mnucur_Click(qint16 index)
{
    CreateGeneralMenu(index, [this](const QString &text) { setStatusText(text); });
}

void ToolWindow::mnulay_Click(qint16 index)
{
    LayoutMenuClick(index, [this](const QString &text) { setStatusText(text); });
}

void ToolWindow::hlp_Click(qint16 index)
{
    HelpMenuClick(*CommonDialog1, index);
}

void ToolWindow::DBList1_Click()
{
    ReportAndLeave([this] {
        Copy.CopySubroutine(*m_data, m_list->BoundText(), ui::services(),
                            [this](const QString &text) { setStatusText(text); });
    });
    // A choice ignored during a copy, or one that failed, must not stay selected as if copied.
    if (!Copy.isCopying())
        m_list->showCurrentRecord();
}

} // namespace tolvar

#include "toolwindow.h"

#include "addin/windows/formregistry.h"
#include "addin/windows/helpmenu.h"
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
#include "platform/ui/commondialog.h"
#include "platform/ui/imagebutton.h"
#include "platform/ui/services.h"
#include "platform/ui/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QShortcut>
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

QLabel *holder(QWidget *parent, const QString &name, const QString &what, const QPixmap &picture)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(what);
    label->setPixmap(picture);
    label->setGeometry(0, 0, picture.width(), picture.height());
    label->hide();
    return label;
}

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
    for (qint16 i = 0; i < LayoutMenuItems.size(); ++i) {
        QAction *item = m_layoutMenu->addAction(LayoutMenuItems[i]);
        item->setObjectName(QStringLiteral("mnulay(%1)").arg(i));
        connect(item, &QAction::triggered, this, [this, i] { mnulay_Click(i); });
    }
    m_helpMenu = menuBar()->addMenu(QStringLiteral("Help"));
    m_helpMenu->setObjectName(QStringLiteral("help"));
    m_helpMenu->setAccessibleName(QStringLiteral("Help"));
    QAction *mnucur = m_formMenu->addAction(QStringLiteral("Add general menu "));
    mnucur->setObjectName(QStringLiteral("mnucur(0)"));
    connect(mnucur, &QAction::triggered, this, [this] { mnucur_Click(0); });
    const QStringList helpItems{QStringLiteral("Help Contents"),
                                QStringLiteral("Using The Tolvar Add-In"), QStringLiteral("-"),
                                QStringLiteral("About")};
    for (qint16 i = 0; i < helpItems.size(); ++i) {
        QAction *item =
            helpItems[i] == u"-" ? m_helpMenu->addSeparator() : m_helpMenu->addAction(helpItems[i]);
        item->setObjectName(QStringLiteral("hlp(%1)").arg(i));
        connect(item, &QAction::triggered, this, [this, i] { hlp_Click(i); });
    }
    CommonDialog1 = new ui::CommonDialog(this);
    menuBar()->setObjectName(QStringLiteral("wizardMenuBar"));
    menuBar()->setAccessibleName(QStringLiteral("Menu bar"));
    // The captions carry no mnemonic, so the menus open from the keyboard with these.
    for (const auto &[key, menu] :
         {std::pair{Qt::ALT | Qt::Key_F, m_formMenu}, std::pair{Qt::ALT | Qt::Key_H, m_helpMenu}}) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        QMenu *target = menu;
        connect(shortcut, &QShortcut::activated, this,
                [this, target] { menuBar()->setActiveAction(target->menuAction()); });
    }

    m_toolbar = new QLabel(surface);
    m_toolbar->setObjectName(QStringLiteral("PicToolbar"));
    m_toolbar->setAccessibleName(QStringLiteral("Toolbar"));
    const QSize toolbarSize(ui::twipsToPixels(OuterWidth), ui::twipsToPixels(ToolbarHeight));
    m_toolbar->setGeometry(QRect(QPoint(0, 0), toolbarSize));
    m_toolbar->setPixmap(toolbarBackground(toolbarSize));
    watchSurface(m_toolbar);

    for (int k = 1; k <= int(ToolButtons.size()); ++k) {
        const ToolButton &tool = ToolButtons[k - 1];
        Holders &h = m_holders[k - 1];
        h.up = holder(surface, tool.name + "Up", tool.shortName + " resting picture",
                      buttonPicture(k, ButtonPicture::Up));
        h.dn = holder(surface, tool.name + "Dn", tool.shortName + " highlighted picture",
                      buttonPicture(k, ButtonPicture::Dn));
        h.ck = holder(surface, tool.name + "Ck", tool.shortName + " pressed picture",
                      buttonPicture(k, ButtonPicture::Ck));

        auto *button = new ImageButton(m_toolbar);
        button->setObjectName(tool.name);
        button->setAccessibleName(tool.shortName);
        button->setAccessibleDescription(tool.hint);
        button->setToolTip(tool.hint);
        button->setGeometry(ui::twipsToPixels(ButtonLeft + ButtonSize * (k - 1), ButtonTop,
                                              ButtonSize, ButtonSize));
        button->setPicture(h.up->pixmap());
        connect(button, &ImageButton::MouseDown, this, [this, k] { buttonMouseDown(k); });
        connect(button, &ImageButton::MouseMove, this, [this, k] { buttonMouseMove(k); });
        connect(button, &ImageButton::MouseUp, this, [this, k] { buttonMouseUp(k); });
        connect(button, &ImageButton::Click, this, [this, k] { buttonClick(k); });
        m_buttons[k - 1] = button;
    }

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
    watchSurface(m_list);
    watchSurface(m_list->viewport());
    watchSurface(m_list->verticalScrollBar());
    watchSurface(m_list->horizontalScrollBar());

    m_statusBar = statusBar();
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);
    m_status = new QLabel(m_statusBar);
    m_status->setObjectName(QStringLiteral("StatusBar1Text"));
    m_status->setMinimumWidth(1);
    m_statusBar->addWidget(m_status, 1);
    watchSurface(m_statusBar);
    watchSurface(m_status);
    watchSurface(surface);

    setTabOrder(m_list, m_buttons.front());
    for (std::size_t i = 1; i < m_buttons.size(); ++i)
        setTabOrder(m_buttons[i - 1], m_buttons[i]);
    m_list->setFocus();

    applyOuterSize();
}

ToolWindow::~ToolWindow() = default;

void ToolWindow::watchSurface(QWidget *widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

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
    return id >= 1 && id <= int(m_buttons.size()) ? m_buttons[id - 1] : nullptr;
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
    if (ImageButton *b = button(HoverButton))
        b->setPicture(m_holders[HoverButton - 1].up->pixmap());
    setStatusText(QString());
}

void ToolWindow::buttonMouseDown(int id)
{
    m_buttons[id - 1]->setPicture(m_holders[id - 1].ck->pixmap());
}

void ToolWindow::buttonMouseUp(int id)
{
    m_buttons[id - 1]->setPicture(m_holders[id - 1].up->pixmap());
}

void ToolWindow::buttonMouseMove(int id)
{
    if (HoverButton != id)
        DeleteHighlight();
    HoverButton = qint16(id);
    m_buttons[id - 1]->setPicture(m_holders[id - 1].dn->pixmap());
    setStatusText(ToolButtons[id - 1].hint);
}

bool ToolWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove && HoverButton != 0)
        DeleteHighlight();
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

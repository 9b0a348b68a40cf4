#include "browser.h"

#include "browserlogic.h"
#include "browserpictures.h"
#include "percentpanel.h"

#include "addin/runtime/addinfolder.h"
#include "addin/runtime/traps.h"
#include "addin/windows/centerform.h"
#include "addin/windows/fittingfont.h"
#include "addin/windows/formregistry.h"
#include "addin/windows/helpmenu.h"
#include "addin/windows/menuarray.h"
#include "addin/windows/outersize.h"
#include "addin/windows/picturetoolbar.h"
#include "platform/ui/commondialog.h"
#include "platform/ui/imagebutton.h"
#include "platform/ui/services.h"
#include "platform/ui/twips.h"
#include "platform/webcontrol/browser.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>

namespace tolvar {

namespace {

constexpr double OuterWidth = 9165;
constexpr double OuterHeight = 5370;
constexpr double Picture1Height = 1260;
constexpr double ButtonTop = 90;
constexpr std::array<double, 5> ButtonLefts{90, 690, 1320, 1950, 2580};
constexpr double ButtonSize = 480;
constexpr double SearchTop = 825;
constexpr std::array<double, 7> SearchLefts{75, 1245, 2415, 3600, 4770, 5940, 7110};
constexpr double SSPanel1Height = 330;
constexpr double SSPanel2Height = 300;
constexpr double StatusBar1Height = 330;

// A caption that would be cut off here gets a smaller font instead.
void fitCaption(QPushButton *button)
{
    button->setFont(fittingFont(button->font(), button->text(), button->width() - 8));
}

QRectF toTwips(const QRect &r)
{
    return QRectF(ui::pixelsToTwips(r.left()), ui::pixelsToTwips(r.top()),
                  ui::pixelsToTwips(r.width()), ui::pixelsToTwips(r.height()));
}

QRect toPixels(const QRectF &r)
{
    return ui::twipsToPixels(r.left(), r.top(), r.width(), r.height());
}

} // namespace

Browser::Browser(webcontrol::ControlFactory factory, QWidget *parent)
    : QMainWindow(parent), m_factory(factory ? std::move(factory) : webcontrol::browserFactory())
{
    setObjectName(QStringLiteral("Browser"));
    setWindowTitle(BrowserCaption);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);

    m_commonDialog = new ui::CommonDialog(this);

    m_surface = new QWidget(this);
    m_surface->setObjectName(QStringLiteral("BrowserSurface"));
    setCentralWidget(m_surface);
    buildMenus();

    m_picture = new QLabel(m_surface);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setAccessibleName(QStringLiteral("Toolbar"));
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picture->setPixmap(browserToolbarBackground());
    m_picture->setGeometry(ui::twipsToPixels(0, 0, OuterWidth, Picture1Height));

    m_pictures = new PictureToolbar(m_picture, m_surface, PreviousHighlight);
    for (int k = 1; k <= int(BrowserButtons.size()); ++k) {
        const BrowserButton &entry = BrowserButtons[k - 1];
        m_pictures->addButton(
            {entry.name,
             entry.subject,
             entry.hint,
             {browserButtonPicture(k, ui::ButtonPicture::Up),
              browserButtonPicture(k, ui::ButtonPicture::Dn),
              browserButtonPicture(k, ui::ButtonPicture::Ck)},
             {entry.upName, entry.dnName, entry.ckName},
             ui::twipsToPixels(ButtonLefts[k - 1], ButtonTop, ButtonSize, ButtonSize)});
    }
    connect(m_pictures, &PictureToolbar::clicked, this, &Browser::buttonClick);

    m_label = new QLabel(QStringLiteral("Location:"), m_picture);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setGeometry(ui::twipsToPixels(3465, 210, 810, 195));

    m_combo = new QComboBox(m_picture);
    m_combo->setObjectName(QStringLiteral("Combo1"));
    m_combo->setEditable(true);
    // The list holds what the control reports, never what was merely typed.
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setGeometry(ui::twipsToPixels(4425, 165, 4725, 315));
    // Keys typed into the box arrive at the combo box, which hands them to its line edit
    // directly, past any filter there; a key sent to the line edit itself comes this way too.
    m_combo->installEventFilter(this);
    m_combo->lineEdit()->installEventFilter(this);
    m_label->setBuddy(m_combo);
    connect(m_combo, &QComboBox::activated, this, [this] { navigateToLocation(); });

    auto *rule = new QFrame(m_picture);
    rule->setObjectName(QStringLiteral("Frame1"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(ui::twipsToPixels(-30, 585, 15000, 60));

    for (int i = 0; i < int(SearchEngines.size()); ++i) {
        auto *search = new QPushButton(SearchEngines[i].caption, m_picture);
        search->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        search->setGeometry(ui::twipsToPixels(SearchLefts[i], SearchTop, 1035, 360));
        search->setAutoDefault(false);
        fitCaption(search);
        connect(search, &QPushButton::clicked, this,
                [this, i] { m_web->Navigate(SearchEngines[i].address); });
    }

    m_strip = new QFrame(m_surface);
    m_strip->setObjectName(QStringLiteral("SSPanel1"));
    m_strip->setFrameShape(QFrame::Panel);
    m_strip->setFrameShadow(QFrame::Raised);
    m_strip->setAutoFillBackground(true);

    auto *statusBar = new QStatusBar(m_strip);
    statusBar->setObjectName(QStringLiteral("StatusBar1"));
    statusBar->setSizeGripEnabled(false);
    m_status = new QLabel(statusBar);
    m_status->setObjectName(QStringLiteral("StatusBar1Text"));
    m_status->setMinimumWidth(1);
    statusBar->addWidget(m_status, 1);
    statusBar->setGeometry(0, 0, 1, ui::twipsToPixels(StatusBar1Height));
    m_statusBar = statusBar;

    m_progress = new PercentPanel(m_strip);
    m_progress->setObjectName(QStringLiteral("SSPanel2"));
    m_progress->setAccessibleName(QStringLiteral("Download progress"));
    m_progress->setBackColor(m_strip->palette().color(QPalette::Window));
    m_progress->setGeometry(0, ui::twipsToPixels(30), 1, ui::twipsToPixels(SSPanel2Height));

    m_web = m_factory(m_surface);
    m_web->setObjectName(QStringLiteral("WebBrowser1"));
    // The pane keeps the pointer's moves to itself, so a highlight stays while over it.
    m_web->setAttribute(Qt::WA_NoMousePropagation);
    connect(m_web, &webcontrol::Control::BeforeNavigate, this,
            &Browser::WebBrowser1_BeforeNavigate);
    connect(m_web, &webcontrol::Control::StatusTextChange, m_status, &QLabel::setText);
    connect(m_web, &webcontrol::Control::DownloadProgress, this,
            &Browser::WebBrowser1_DownloadProgress);
    connect(m_web, &webcontrol::Control::TitleChange, this,
            [this](const QString &title) { setWindowTitle(browserCaption(title)); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && (now == m_web || m_web->isAncestorOf(now)) && PreviousHighlight != 0)
            DeleteHighlight();
    });

    for (QWidget *surface : {m_surface, m_statusBar, static_cast<QWidget *>(m_status)})
        m_pictures->watch(surface);
    connect(m_pictures, &PictureToolbar::hint, m_status, &QLabel::setText);

    applyOuterSize();
    Form_Load();
}

Browser::~Browser() = default;

QString Browser::HomePage()
{
    return QUrl::fromLocalFile(AddInPath(QStringLiteral("home.htm"))).toString();
}

void Browser::buildMenus()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("File"));
    m_fileMenu->setObjectName(QStringLiteral("mnuFile"));
    addMenuArray(m_fileMenu, QStringLiteral("File"),
                 {QStringLiteral("New Window"), QStringLiteral("Open..."), QStringLiteral("-"),
                  QStringLiteral("Exit")},
                 [this](int i) { File_Click(i); });
    m_helpMenu = addHelpMenu(this, QStringLiteral("mnuHelp"), QStringLiteral("help"),
                             [this](int i) { help_Click(i); });
    openMenuWithAlt(this, m_fileMenu, Qt::Key_F);
}

void Browser::Form_Load()
{
    IgnoreAndContinue([this] {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String("wizard"))
                setWindowIcon(window->windowIcon());
    });
    IgnoreAndContinue([this] { CenterForm(this); });
    IgnoreAndContinue([this] { m_web->Navigate(HomePage()); });
}

void Browser::applyOuterSize()
{
    setOuterSize(this, OuterWidth, OuterHeight);
}

void Browser::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    applyOuterSize();
}

void Browser::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    LayoutBrowser();
}

void Browser::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        LayoutBrowser();
}

void Browser::LayoutBrowser()
{
    // The strip is aligned to the bottom edge: it follows the window before anything else.
    const QSize inner = m_surface->size();
    if (!isMinimized())
        m_strip->setGeometry(0, inner.height() - ui::twipsToPixels(SSPanel1Height), inner.width(),
                             ui::twipsToPixels(SSPanel1Height));
    BrowserMetrics metrics;
    const QRectF label = toTwips(m_label->geometry());
    metrics.label1Left = label.left();
    metrics.label1Width = label.width();
    metrics.picture1Height = ui::pixelsToTwips(m_picture->height());
    metrics.ssPanel1Height = ui::pixelsToTwips(m_strip->height());
    metrics.ssPanel2Height = ui::pixelsToTwips(m_progress->height());
    metrics.statusBar1Height = ui::pixelsToTwips(m_statusBar->height());
    const auto layout = layoutBrowser(ui::pixelsToTwips(inner.width()),
                                      ui::pixelsToTwips(inner.height()), isMinimized(), metrics);
    if (!layout)
        return;
    m_combo->resize(ui::twipsToPixels(layout->combo1Width), m_combo->height());
    m_progress->setGeometry(toPixels(layout->ssPanel2));
    m_statusBar->setGeometry(toPixels(layout->statusBar1));
    m_web->setGeometry(toPixels(layout->webBrowser1));
}

void Browser::closeEvent(QCloseEvent *event)
{
    // Closing keeps the page, the history and the location list for the next showing.
    event->ignore();
    hide();
}

ui::ImageButton *Browser::button(int code) const
{
    return m_pictures->button(code);
}

QString Browser::statusText() const
{
    return m_status->text();
}

void Browser::DeleteHighlight()
{
    m_pictures->DeleteHighlight();
}

bool Browser::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_combo || watched == m_combo->lineEdit()) &&
        event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            navigateToLocation();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Browser::buttonClick(int code)
{
    IgnoreAndContinue([this, code] {
        switch (code) {
        case MoveB:
            m_web->GoBack();
            break;
        case MoveF:
            m_web->GoForward();
            break;
        case BStop:
            m_web->Stop();
            break;
        case Ref:
            m_web->Refresh();
            break;
        case Home:
            m_web->Navigate(HomePage());
            break;
        default:
            break;
        }
    });
}

void Browser::navigateToLocation()
{
    IgnoreAndContinue([this] { m_web->Navigate(m_combo->currentText()); });
}

void Browser::WebBrowser1_BeforeNavigate(const QString &address)
{
    QStringList list;
    for (int i = 0; i < m_combo->count(); ++i)
        list << m_combo->itemText(i);
    const qsizetype index = addLocation(list, address);
    if (index == m_combo->count())
        m_combo->addItem(address);
    m_combo->setCurrentIndex(int(index));
}

void Browser::WebBrowser1_DownloadProgress(int progress, int)
{
    const ProgressPanelUpdate update =
        progressPanelUpdate(progress, m_strip->palette().color(QPalette::Window).rgb() & 0xFFFFFF);
    m_progress->setForeColor(QColor::fromRgb(update.foreColor));
    if (update.floodPercent)
        m_progress->setFloodPercent(*update.floodPercent);
}

void Browser::File_Click(int index)
{
    switch (index) {
    case 0: {
        auto *window = new Browser(m_factory);
        window->show();
        break;
    }
    case 1:
        LeaveQuietly([this] {
            m_commonDialog->CancelError = true;
            m_commonDialog->Filter = QStringLiteral("All Files (*.*)|*.*");
            m_commonDialog->FilterIndex = 1;
            m_commonDialog->ShowOpen();
            m_web->Navigate(m_commonDialog->FileName);
        });
        break;
    case 3:
        hide();
        break;
    default:
        break;
    }
}

void Browser::help_Click(int index)
{
    HelpMenuClick(*m_commonDialog, index);
}

} // namespace tolvar

#include "helpwindow.h"

#include "helpbrowser.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace helpview {

HelpWindow::HelpWindow(const QString &file, QWidget *parent) : QMainWindow(parent), m_file(file)
{
    setObjectName(QStringLiteral("helpview"));
    setWindowTitle(QStringLiteral("Help: ") + QFileInfo(file).fileName());
    // Wholly on the screen, frame included, however small the screen is.
    if (const QScreen *s = screen()) {
        const QRect room = s->availableGeometry().adjusted(0, 0, -16, -48);
        const QSize size = QSize(900, 640).boundedTo(room.size());
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, room));
    } else {
        resize(900, 640);
    }
    // Each key once: two shortcuts on the same key would cancel each other out.
    for (const QKeySequence &keys :
         {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_Q)}) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    }
    // Escape clears a search or index field that holds text; elsewhere it closes the viewer.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        if (field && !field->text().isEmpty())
            field->clear();
        else
            close();
    });

    m_browser = new HelpBrowser(this);
    m_browser->setObjectName(QStringLiteral("topic"));

    auto *bar = addToolBar(QStringLiteral("Navigation"));
    bar->setObjectName(QStringLiteral("toolbar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_contents =
        bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("&Contents"));
    QAction *back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                                   QStringLiteral("&Back"), m_browser, &QTextBrowser::backward);
    QAction *forward =
        bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("&Forward"),
                       m_browser, &QTextBrowser::forward);
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_contents, &QAction::triggered, this, [this] { showRequest({m_file}); });

    m_split = new QSplitter(this);
    m_split->addWidget(m_browser);
    setCentralWidget(m_split);
}

void HelpWindow::openDocument()
{
    m_document = std::make_unique<HelpDocument>(m_file);
    m_browser->setEngine(m_document->engine());
    m_contents->setEnabled(m_document->engine() != nullptr);
    if (m_document->engine()) {
        buildNavigation();
        m_split->insertWidget(0, m_tabs);
        m_split->setStretchFactor(1, 1);
        m_split->setSizes({260, 640});
    }
}

HelpWindow::~HelpWindow() = default;

QHelpSearchEngine *HelpWindow::searchEngine() const
{
    return m_document && m_document->engine() ? m_document->engine()->searchEngine() : nullptr;
}

void HelpWindow::buildNavigation()
{
    QHelpEngine *engine = m_document->engine();
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("navigation"));

    QHelpContentWidget *tree = engine->contentWidget();
    tree->setObjectName(QStringLiteral("contents"));
    connect(tree, &QHelpContentWidget::linkActivated, m_browser,
            [this](const QUrl &url) { m_browser->setSource(url); });
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::syncContents);
    connect(engine->contentModel(), &QHelpContentModel::contentsCreated, this,
            [this] { syncContents(m_browser->source()); });
    m_tabs->addTab(tree, QStringLiteral("C&ontents"));

    auto *indexPage = new QWidget;
    auto *indexLayout = new QVBoxLayout(indexPage);
    auto *label = new QLabel(QStringLiteral("&Look for:"), indexPage);
    m_lookFor = new QLineEdit(indexPage);
    m_lookFor->setObjectName(QStringLiteral("lookFor"));
    label->setBuddy(m_lookFor);
    QHelpIndexWidget *index = engine->indexWidget();
    index->setObjectName(QStringLiteral("index"));
    indexLayout->addWidget(label);
    indexLayout->addWidget(m_lookFor);
    indexLayout->addWidget(index);
    connect(m_lookFor, &QLineEdit::textChanged, index,
            [index](const QString &text) { index->filterIndices(text); });
    // The index is read in the background; what was typed meanwhile still applies.
    connect(engine->indexModel(), &QHelpIndexModel::indexCreated, index,
            [this, index] { index->filterIndices(m_lookFor->text()); });
    connect(m_lookFor, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, m_browser,
            [this](const QHelpLink &link) { m_browser->setSource(link.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, m_browser,
            [this](const QList<QHelpLink> &links) {
                if (!links.isEmpty())
                    m_browser->setSource(links.first().url);
            });
    m_tabs->addTab(indexPage, QStringLiteral("&Index"));

    QHelpSearchEngine *searcher = engine->searchEngine();
    auto *searchPage = new QWidget;
    auto *searchLayout = new QVBoxLayout(searchPage);
    searchLayout->addWidget(searcher->queryWidget());
    searchLayout->addWidget(searcher->resultWidget(), 1);
    connect(searcher->queryWidget(), &QHelpSearchQueryWidget::search, this, &HelpWindow::runSearch);
    connect(searcher->resultWidget(), &QHelpSearchResultWidget::requestShowLink, m_browser,
            [this](const QUrl &url) { m_browser->setSource(url); });
    // The index is built on first use and kept in the cache folder; a search asked for while
    // it is being built runs when it is ready.
    connect(searcher, &QHelpSearchEngine::indexingStarted, this, [this] { m_indexing = true; });
    connect(searcher, &QHelpSearchEngine::indexingFinished, this, [this] {
        m_indexing = false;
        if (m_searchPending)
            runSearch();
    });
    m_tabs->addTab(searchPage, QStringLiteral("&Search"));
    m_indexing = true;
    searcher->scheduleIndexDocumentation();
}

void HelpWindow::showRequest(const HelpRequest &request)
{
    // A file that could not be opened is tried again, so a mended one shows without a restart.
    if (!m_document || !m_document->engine())
        openDocument();
    QString error;
    const QUrl url = m_document->topicUrl(request, &error);
    if (url.isEmpty())
        showError(error);
    else
        m_browser->setSource(url);
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void HelpWindow::showError(const QString &message)
{
    const QString path = QFileInfo(m_file).absoluteFilePath();
    m_browser->setHtml(QStringLiteral("<h3>Help cannot be shown</h3><p>%1</p><p>%2</p>")
                           .arg(path.toHtmlEscaped(), message.toHtmlEscaped()));
}

void HelpWindow::syncContents(const QUrl &url)
{
    QHelpContentWidget *tree = m_document->engine()->contentWidget();
    const QModelIndex at = tree->indexOf(url);
    if (at.isValid())
        tree->setCurrentIndex(at);
}

void HelpWindow::search(const QString &text)
{
    if (!searchEngine())
        return;
    searchEngine()->queryWidget()->setSearchInput(text);
    runSearch();
}

void HelpWindow::runSearch()
{
    m_searchPending = m_indexing;
    if (!m_indexing)
        searchEngine()->search(searchEngine()->queryWidget()->searchInput());
}

} // namespace helpview

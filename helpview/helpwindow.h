#pragma once

#include "helpdocument.h"
#include "helprequest.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QHelpSearchEngine;
class QLineEdit;
class QSplitter;
class QTabWidget;

namespace helpview {

class HelpBrowser;

// The viewer's one window: contents, index and search beside the topic, with its history.
// Problems with the file or the request are shown in place of a topic, naming the file. The
// file is opened by the first request.
class HelpWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit HelpWindow(const QString &file, QWidget *parent = nullptr);
    ~HelpWindow() override;

    // Shows what `request` asks for and brings the window to the front.
    void showRequest(const helpview::HelpRequest &request);

    HelpBrowser *browser() const { return m_browser; }
    // Null until a request has opened the file, or when it could not be opened.
    QHelpSearchEngine *searchEngine() const;
    // Runs a full-text search as typed into the Search page, once the index is ready.
    void search(const QString &text);

private:
    void openDocument();
    void buildNavigation();
    void showError(const QString &message);
    void syncContents(const QUrl &url);
    void runSearch();

    QString m_file;
    std::unique_ptr<HelpDocument> m_document;
    HelpBrowser *m_browser = nullptr;
    QSplitter *m_split = nullptr;
    QAction *m_contents = nullptr;
    QTabWidget *m_tabs = nullptr;
    QLineEdit *m_lookFor = nullptr;
    bool m_indexing = false;
    bool m_searchPending = false;
};

} // namespace helpview

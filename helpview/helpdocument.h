#pragma once

#include "helprequest.h"

#include <QString>
#include <QUrl>
#include <memory>

class QHelpEngine;

namespace helpview {

// A help file opened through a help collection of its own in the user's cache folder, where its
// search index lives too; nothing is ever written beside the help file.
class HelpDocument
{
public:
    explicit HelpDocument(const QString &file);
    ~HelpDocument();

    QString file() const { return m_file; }
    // Null when the file could not be opened; error() says why.
    QHelpEngine *engine() const { return m_engine.get(); }
    QString error() const { return m_error; }

    // The topic `request` asks for, or an empty URL with `error` set.
    QUrl topicUrl(const HelpRequest &request, QString *error) const;

    // The folder holding this file's collection and search index.
    static QString cacheFolder(const QString &file);

private:
    bool open();

    QString m_file;
    QString m_namespace;
    QString m_error;
    std::unique_ptr<QHelpEngine> m_engine;
};

// The identifier of the contents topic; context numbers are the identifiers of the others.
inline constexpr const char *ContentsId = "contents";

} // namespace helpview

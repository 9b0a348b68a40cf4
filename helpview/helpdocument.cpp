#include "helpdocument.h"

#include "instancename.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEngine>
#include <QHelpFilterEngine>
#include <QHelpLink>
#include <QSaveFile>
#include <QStandardPaths>

namespace helpview {

namespace {

// Changes whenever the help file is rebuilt or replaced.
QByteArray stampOf(const QFileInfo &info)
{
    return (info.canonicalFilePath() + QLatin1Char('\n') +
            QString::number(info.lastModified().toMSecsSinceEpoch()) + QLatin1Char('\n') +
            QString::number(info.size()))
        .toUtf8();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

HelpDocument::HelpDocument(const QString &file) : m_file(file)
{
    if (!open())
        m_engine.reset();
}

HelpDocument::~HelpDocument() = default;

QString HelpDocument::cacheFolder(const QString &file)
{
    // One cache folder for everything of ours, whatever the organisation name says.
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/tolvar/helpview/") + helpFileKey(file);
}

bool HelpDocument::open()
{
    const QFileInfo info(m_file);
    if (!info.exists()) {
        m_error = QStringLiteral("The file does not exist.");
        return false;
    }
    QFile probe(m_file);
    if (!info.isFile() || !probe.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("The file cannot be read.");
        return false;
    }
    probe.close();
    m_namespace = QHelpEngineCore::namespaceName(m_file);
    if (m_namespace.isEmpty()) {
        m_error = QStringLiteral("The file is not a help file, or it is damaged.");
        return false;
    }

    // A collection made for an older copy of the file starts afresh, index and all.
    const QString folder = cacheFolder(m_file);
    const QString stampFile = folder + QStringLiteral("/stamp");
    const QByteArray stamp = stampOf(info);
    const bool fresh = readAll(stampFile) != stamp;
    if (fresh)
        QDir(folder).removeRecursively();
    if (!QDir().mkpath(folder)) {
        m_error = QStringLiteral("The help collection cannot be made in ") + folder + '.';
        return false;
    }

    m_engine = std::make_unique<QHelpEngine>(folder + QStringLiteral("/help.qhc"));
    m_engine->setReadOnly(false);
    m_engine->setUsesFilterEngine(true);
    if (!m_engine->setupData()) {
        m_error = m_engine->error();
        return false;
    }
    if (!m_engine->registeredDocumentations().contains(m_namespace) &&
        !m_engine->registerDocumentation(info.absoluteFilePath())) {
        m_error = QStringLiteral("The file cannot be used: ") + m_engine->error();
        return false;
    }
    m_engine->filterEngine()->setActiveFilter(QString());
    if (fresh) {
        QSaveFile out(stampFile);
        if (out.open(QIODevice::WriteOnly)) {
            out.write(stamp);
            out.commit();
        }
    }
    return true;
}

QUrl HelpDocument::topicUrl(const HelpRequest &request, QString *error) const
{
    if (!m_engine) {
        *error = m_error;
        return {};
    }
    const QString id =
        request.contents ? QString::fromLatin1(ContentsId) : QString::number(request.context);
    const QList<QHelpLink> links = m_engine->documentsForIdentifier(id);
    if (links.isEmpty()) {
        *error = request.contents ? QStringLiteral("The file has no contents topic.")
                                  : QStringLiteral("There is no topic with context number ") + id +
                                        QLatin1Char('.');
        return {};
    }
    return links.first().url;
}

} // namespace helpview

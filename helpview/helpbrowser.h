#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

namespace helpview {

// Shows topics, pictures and style sheets straight out of the help file.
class HelpBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget *parent = nullptr);

    void setEngine(QHelpEngineCore *engine) { m_engine = engine; }

    QVariant loadResource(int type, const QUrl &name) override;

private:
    QHelpEngineCore *m_engine = nullptr;
};

} // namespace helpview

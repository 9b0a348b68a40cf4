#pragma once

#include "control.h"

class QWebEngineView;

namespace webcontrol {

// The control on the web engine. The engine starts with the first one made, not before.
class Browser : public Control
{
    Q_OBJECT
public:
    explicit Browser(QWidget *parent = nullptr);
    ~Browser() override;

    void Navigate(const QString &address) override;
    void GoBack() override;
    void GoForward() override;
    void Stop() override;
    void Refresh() override;
    QString LocationURL() const override;
    QString LocationName() const override;

    QWebEngineView *view() const { return m_view; }

    // The engine's environment: no sandbox for root (it refuses to start with one) and no GPU.
    // Called by the first Browser; harmless before the application object exists.
    static void prepareEngine();

    // The status texts the control reports of its own.
    static QString openingText(const QString &address);
    static QString doneText();
    static QString failedText(const QString &address, const QString &reason);

private:
    QWebEngineView *m_view = nullptr;
    QString m_loadStatus;
};

// Makes the real control.
ControlFactory browserFactory();

} // namespace webcontrol

#pragma once

#include <QWidget>
#include <functional>

namespace webcontrol {

// The web browser control as a window uses it: commands in, events out. The real one runs the
// web engine; tests drive a fake.
class Control : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Text as typed in an address box: a URL, a host name or a local file's path.
    virtual void Navigate(const QString &address) = 0;
    // Going back or forward with nowhere to go does nothing.
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void Stop() = 0;
    virtual void Refresh() = 0;

    // The address of the page shown and its title.
    virtual QString LocationURL() const = 0;
    virtual QString LocationName() const = 0;

signals:
    // Before every navigation of the page itself (typed, linked, back, forward, reload).
    void BeforeNavigate(const QString &address);
    void StatusTextChange(const QString &text);
    // Progress of the page being loaded; -1 when loading has ended, however it ended.
    void DownloadProgress(int progress, int maximum);
    void TitleChange(const QString &title);
};

using ControlFactory = std::function<Control *(QWidget *parent)>;

} // namespace webcontrol

#pragma once

#include "platform/webcontrol/control.h"

#include <QMainWindow>

class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace ui {
class CommonDialog;
class ImageButton;
} // namespace ui

namespace tolvar {

class PercentPanel;
class PictureToolbar;

// The web browser window `Browser`: five image buttons, the location box, the search buttons,
// the status strip and the web control. Created the first time it is shown; Exit and the close
// box only hide it.
class Browser : public QMainWindow
{
    Q_OBJECT
public:
    explicit Browser(webcontrol::ControlFactory factory = {}, QWidget *parent = nullptr);
    ~Browser() override;

    // The add-in's own page about Visual Basic resources, in the add-in folder.
    static QString HomePage();

    // The code of the toolbar button last highlighted; 0 until the pointer first reaches one.
    qint16 PreviousHighlight = 0;
    void DeleteHighlight();
    void LayoutBrowser();

    QString statusText() const;
    webcontrol::Control *webBrowser() const { return m_web; }
    QComboBox *locationBox() const { return m_combo; }
    PercentPanel *progressPanel() const { return m_progress; }
    ui::ImageButton *button(int code) const;
    QMenu *fileMenu() const { return m_fileMenu; }
    QMenu *helpMenu() const { return m_helpMenu; }
    ui::CommonDialog *commonDialog() const { return m_commonDialog; }

    void File_Click(int index);
    void help_Click(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void applyOuterSize();
    void buildMenus();

    void buttonClick(int code);
    void navigateToLocation();
    void WebBrowser1_BeforeNavigate(const QString &address);
    void WebBrowser1_DownloadProgress(int progress, int maximum);

    webcontrol::ControlFactory m_factory;
    QWidget *m_surface = nullptr;
    QLabel *m_picture = nullptr;
    QLabel *m_label = nullptr;
    QComboBox *m_combo = nullptr;
    PictureToolbar *m_pictures = nullptr;
    QFrame *m_strip = nullptr;
    QWidget *m_statusBar = nullptr;
    QLabel *m_status = nullptr;
    PercentPanel *m_progress = nullptr;
    webcontrol::Control *m_web = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    ui::CommonDialog *m_commonDialog = nullptr;
};

} // namespace tolvar

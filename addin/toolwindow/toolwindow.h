#pragma once

#include "addin/library/subroutinecopy.h"

#include <QMainWindow>
#include <functional>

class QLabel;
class QMenu;
class QStatusBar;

namespace ui {
class CommonDialog;
}

namespace ui {
class ImageButton;
}

namespace tolvar {

class DataControl;
class DBList;
class PictureToolbar;
using ui::ImageButton;

// The tool window `wizard`: the toolbar of twelve picture buttons, the subroutine list and the
// status bar. Closing it ends the add-in.
class ToolWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit ToolWindow(QWidget *parent = nullptr);
    ~ToolWindow() override;

    // The window's load: help file, splash, initialize, splash gone, then the list's database.
    void Form_Load();
    // The window's unload: ends the add-in process at once.
    void Form_Unload();

    // The id of the button last under the pointer: 0 until the pointer first reaches one.
    qint16 HoverButton = 0;
    void DeleteHighlight();

    // SearchCriteria, FieldNumber, FieldName and CodeText of the last copy.
    SubroutineCopy Copy;

    QString statusText() const;
    void setStatusText(const QString &text);

    ImageButton *button(int id) const;
    DataControl *data() const { return m_data; }
    DBList *list() const { return m_list; }
    QMenu *formMenu() const { return m_formMenu; }
    QMenu *layoutMenu() const { return m_layoutMenu; }
    QMenu *helpMenu() const { return m_helpMenu; }

    // The Form menu's `mnucur` array and the Help menu's `hlp` array.
    void mnucur_Click(qint16 index);
    void hlp_Click(qint16 index);
    // The Layout menu's `mnulay` array.
    void mnulay_Click(qint16 index);

    // Owns the help requests of this window's Help menu.
    ui::CommonDialog *CommonDialog1 = nullptr;

    // The layout tools the buttons run; replaceable so that the toolbar can be tried without
    // a form designer.
    std::function<void(const QString &, const QString &)> runAlignControls;
    std::function<void(qint16)> runMatchControlSizes;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void initialize();
    void openSubroutineLibrary();
    void applyOuterSize();
    void fitStatusText();

    void buttonClick(int id);
    void DBList1_Click();

    PictureToolbar *m_pictures = nullptr;
    QLabel *m_toolbar = nullptr;
    DataControl *m_data = nullptr;
    DBList *m_list = nullptr;
    QStatusBar *m_statusBar = nullptr;
    QLabel *m_status = nullptr;
    QMenu *m_formMenu = nullptr;
    QMenu *m_layoutMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
};

inline const QString ToolWindowCaption = QStringLiteral(" Vantix Software: Tolvar Add-In 2.0");

} // namespace tolvar

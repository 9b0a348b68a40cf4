#pragma once

#include "addin/windows/fixeddialog.h"

class QComboBox;
class QPushButton;

namespace tolvar {

class FileListBox;

// The template file window `fles`: a category box, the add-in folder's files of that category,
// and "Close", which only hides. Choosing a file adds it to the active project at once.
class TemplateWindow : public FixedDialog
{
    Q_OBJECT
public:
    explicit TemplateWindow(QWidget *parent = nullptr);

    void ShowCategory();
    void InsertTemplate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox *m_combo = nullptr;
    FileListBox *m_files = nullptr;
};

inline const QString TemplateWindowCaption =
    QStringLiteral("Vantix Software: Tolvar Add-In 2.0 Files");

} // namespace tolvar

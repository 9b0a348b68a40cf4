#pragma once

#include "ide/code/codesearch.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vbhost {

// Edit > Find and Edit > Replace: what to find (and what to put instead), where (the current
// procedure, the current module, all modules of the project), Match Case and Find Whole Word
// Only. It stays open beside the code; its buttons ask the code windows to act.
class FindDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FindDialog(QWidget *parent = nullptr);

    // Find shows the Replace parts only after Replace... is pressed.
    void showFind();
    void showReplace();
    bool isReplacing() const { return m_replacing; }

    FindOptions options() const;
    FindScope scope() const;
    QString replacement() const;
    void setFindText(const QString &text);

signals:
    void findNextRequested();
    void replaceRequested();
    void replaceAllRequested();

private:
    void setReplacing(bool replacing);

    QLineEdit *m_findWhat;
    QLabel *m_replaceLabel;
    QLineEdit *m_replaceWith;
    QRadioButton *m_procedure;
    QRadioButton *m_module;
    QRadioButton *m_allModules;
    QCheckBox *m_wholeWord;
    QCheckBox *m_matchCase;
    QPushButton *m_findNext;
    QPushButton *m_replaceMode;
    QPushButton *m_replace;
    QPushButton *m_replaceAll;
    bool m_replacing = false;
};

} // namespace vbhost

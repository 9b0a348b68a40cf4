#pragma once

#include "addin/windows/fixeddialog.h"

class QLabel;
class QPushButton;

namespace tolvar {

class ClickArea;

// The about box `aboutbox`: loaded hidden at start-up, shown modeless from the Help menus,
// hidden again by OK. It stays where the user left it between showings.
class AboutBox : public FixedDialog
{
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);

    // The credits box's prompt: the author, then the company with the build's date and time.
    static QString creditsPrompt();

private:
    void Command1_Click();
    void Image2_Click();
};

inline const QString AboutCaption = QStringLiteral("Vantix Software: Tolvar Add-In 2.0 ");
inline const QString CreditsTitle = QStringLiteral("Vantix Software: Tolvar Add-In 2.0");

} // namespace tolvar

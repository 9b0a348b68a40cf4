#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;

namespace ui {

// Where an input box goes, in pixels: x and y are twips from the screen's top-left corner;
// without x it is centred across the screen, without y its top is a third of the way down.
QPoint inputBoxTopLeft(const QSize &box, const QRect &screen, std::optional<double> x,
                       std::optional<double> y);

// The input box: a prompt, OK and Cancel (and Help when there is a help file), and a text field
// below them.
class InputBoxDialog : public QDialog
{
    Q_OBJECT
public:
    InputBoxDialog(const QString &prompt, const QString &title, const QString &defaultText,
                   bool withHelp, QWidget *parent = nullptr);

    QString text() const;

signals:
    void helpRequested();

private:
    QLabel *m_prompt;
    QLineEdit *m_text;
};

} // namespace ui

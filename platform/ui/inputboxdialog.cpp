#include "inputboxdialog.h"

#include "twips.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace ui {

namespace {

QPushButton *makeButton(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(text);
    button->setAccessibleName(text);
    return button;
}

QString withNewlines(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

QPoint inputBoxTopLeft(const QSize &box, const QRect &screen, std::optional<double> x,
                       std::optional<double> y)
{
    const int left =
        x ? screen.left() + twipsToPixels(*x) : screen.left() + (screen.width() - box.width()) / 2;
    const int top = y ? screen.top() + twipsToPixels(*y) : screen.top() + screen.height() / 3;
    return {left, top};
}

InputBoxDialog::InputBoxDialog(const QString &prompt, const QString &title,
                               const QString &defaultText, bool withHelp, QWidget *parent)
    : QDialog(parent), m_prompt(new QLabel(this)), m_text(new QLineEdit(this))
{
    setObjectName(QStringLiteral("InputBox"));
    setWindowTitle(title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_prompt->setObjectName(QStringLiteral("Prompt"));
    m_prompt->setTextFormat(Qt::PlainText);
    m_prompt->setWordWrap(true);
    m_prompt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_prompt->setText(withNewlines(prompt));

    m_text->setObjectName(QStringLiteral("Text"));
    m_prompt->setBuddy(m_text); // the text box is read by its prompt
    m_text->setText(defaultText);
    m_text->selectAll();
    m_prompt->setBuddy(m_text);

    QPushButton *ok = makeButton(QStringLiteral("OK"), this);
    QPushButton *cancel = makeButton(QStringLiteral("Cancel"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    if (withHelp) {
        QPushButton *help = makeButton(QStringLiteral("Help"), this);
        help->setAutoDefault(false);
        connect(help, &QPushButton::clicked, this, &InputBoxDialog::helpRequested);
        auto *f1 = new QShortcut(QKeySequence::HelpContents, this);
        connect(f1, &QShortcut::activated, this, &InputBoxDialog::helpRequested);
        buttons->addWidget(help);
    }
    buttons->addStretch();

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_prompt, 0, 0);
    grid->addLayout(buttons, 0, 1);
    grid->addWidget(m_text, 1, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(0, 1);

    setTabOrder(m_text, ok);
    setTabOrder(ok, cancel);
    m_text->setFocus();
    setMinimumWidth(twipsToPixels(5400));
    setMinimumHeight(twipsToPixels(2100));
}

QString InputBoxDialog::text() const
{
    return m_text->text();
}

} // namespace ui

#include "ide/code/finddialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vbhost {

namespace {

template <class W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

FindDialog::FindDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("findDialog"));
    m_findWhat = named(new QLineEdit(this), "findWhat");
    m_findWhat->setAccessibleName(tr("Find What:"));
    m_replaceWith = named(new QLineEdit(this), "replaceWith");
    m_replaceWith->setAccessibleName(tr("Replace With:"));
    auto *findLabel = new QLabel(tr("Fi&nd What:"), this);
    findLabel->setBuddy(m_findWhat);
    m_replaceLabel = new QLabel(tr("Replace W&ith:"), this);
    m_replaceLabel->setBuddy(m_replaceWith);
    auto *fields = new QFormLayout;
    fields->addRow(findLabel, m_findWhat);
    fields->addRow(m_replaceLabel, m_replaceWith);

    auto *search = named(new QGroupBox(tr("Search"), this), "search");
    search->setAccessibleName(tr("Search"));
    m_procedure = named(new QRadioButton(tr("Current &Procedure"), search), "currentProcedure");
    m_module = named(new QRadioButton(tr("Current &Module"), search), "currentModule");
    m_allModules = named(new QRadioButton(tr("&All Modules"), search), "allModules");
    m_module->setChecked(true);
    auto *scopes = new QVBoxLayout(search);
    for (QRadioButton *b : {m_procedure, m_module, m_allModules}) {
        b->setAccessibleName(b->text().remove(u'&'));
        scopes->addWidget(b);
    }
    m_wholeWord = named(new QCheckBox(tr("Find &Whole Word Only"), this), "wholeWord");
    m_matchCase = named(new QCheckBox(tr("Match &Case"), this), "matchCase");
    for (QCheckBox *b : {m_wholeWord, m_matchCase})
        b->setAccessibleName(b->text().remove(u'&'));

    m_findNext = named(new QPushButton(tr("&Find Next"), this), "findNext");
    m_replaceMode = named(new QPushButton(tr("R&eplace..."), this), "replaceMode");
    m_replace = named(new QPushButton(tr("&Replace"), this), "replace");
    m_replaceAll = named(new QPushButton(tr("Replace A&ll"), this), "replaceAll");
    auto *cancel = named(new QPushButton(tr("Cancel"), this), "cancel");
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {m_findNext, cancel, m_replaceMode, m_replace, m_replaceAll}) {
        b->setAccessibleName(b->text().remove(u'&'));
        buttons->addWidget(b);
    }
    m_findNext->setDefault(true);

    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    auto *options = new QHBoxLayout;
    options->addWidget(search);
    auto *checks = new QVBoxLayout;
    checks->addWidget(m_wholeWord);
    checks->addWidget(m_matchCase);
    checks->addStretch();
    options->addLayout(checks);
    left->addLayout(options);
    auto *layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(m_findNext, &QPushButton::clicked, this, &FindDialog::findNextRequested);
    connect(m_replace, &QPushButton::clicked, this, &FindDialog::replaceRequested);
    connect(m_replaceAll, &QPushButton::clicked, this, &FindDialog::replaceAllRequested);
    connect(m_replaceMode, &QPushButton::clicked, this, &FindDialog::showReplace);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_findWhat, &QLineEdit::textChanged, this, [this](const QString &text) {
        for (QPushButton *b : {m_findNext, m_replace, m_replaceAll})
            b->setEnabled(!text.isEmpty());
    });
    setFindText(QString());
    setReplacing(false);
}

void FindDialog::setReplacing(bool replacing)
{
    m_replacing = replacing;
    setWindowTitle(replacing ? tr("Replace") : tr("Find"));
    m_replaceLabel->setVisible(replacing);
    m_replaceWith->setVisible(replacing);
    m_replace->setVisible(replacing);
    m_replaceAll->setVisible(replacing);
    m_replaceMode->setVisible(!replacing);
}

void FindDialog::showFind()
{
    setReplacing(false);
    show();
    raise();
    activateWindow();
    m_findWhat->setFocus();
    m_findWhat->selectAll();
}

void FindDialog::showReplace()
{
    setReplacing(true);
    show();
    raise();
    activateWindow();
    m_findWhat->setFocus();
    m_findWhat->selectAll();
}

FindOptions FindDialog::options() const
{
    return {m_findWhat->text(), m_matchCase->isChecked(), m_wholeWord->isChecked()};
}

FindScope FindDialog::scope() const
{
    if (m_procedure->isChecked())
        return FindScope::Procedure;
    return m_allModules->isChecked() ? FindScope::AllModules : FindScope::Module;
}

QString FindDialog::replacement() const
{
    return m_replaceWith->text();
}

void FindDialog::setFindText(const QString &text)
{
    m_findWhat->setText(text);
    for (QPushButton *b : {m_findNext, m_replace, m_replaceAll})
        b->setEnabled(!text.isEmpty());
}

} // namespace vbhost

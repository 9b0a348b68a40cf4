#include "templatewindow.h"

#include "filelistbox.h"
#include "templatefiles.h"

#include "addin/runtime/addinfolder.h"
#include "addin/runtime/hostapp.h"
#include "addin/runtime/traps.h"
#include "addin/windows/centerform.h"
#include "platform/ui/twips.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace tolvar {

// The controls reach to within a few twips of this size, so it is the area inside the frame.
TemplateWindow::TemplateWindow(QWidget *parent)
    : FixedDialog(QStringLiteral("fles"), TemplateWindowCaption, 4665, 3735, parent)
{

    m_files = new FileListBox(this);
    m_files->setObjectName(QStringLiteral("File1"));
    m_files->setAccessibleName(QStringLiteral("Template files"));
    m_files->setGeometry(ui::twipsToPixels(90, 480, 4530, 2790));
    connect(m_files, &FileListBox::fileNameChosen, this, &TemplateWindow::InsertTemplate);

    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("Combo1"));
    m_combo->setAccessibleName(QStringLiteral("Category"));
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setCompleter(nullptr);
    for (const TemplateCategory &c : templateCategories())
        m_combo->addItem(c.text);
    m_combo->setGeometry(ui::twipsToPixels(90, 75, 4530, 315));
    // Only a choice from the list shows a category. The box would also take a typed text that
    // names an item as chosen when its editing ends (Tab, Return, leaving the box); it keeps
    // that text as typed instead, and Enter in it chooses nothing.
    disconnect(m_combo->lineEdit(), &QLineEdit::editingFinished, m_combo, nullptr);
    m_combo->lineEdit()->installEventFilter(this);
    connect(m_combo, &QComboBox::activated, this, &TemplateWindow::ShowCategory);

    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setGeometry(ui::twipsToPixels(3480, 3345, 1140, 360));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    setTabOrder(m_files, m_combo);
    setTabOrder(m_combo, close);
    m_files->setFocus();

    CenterForm(this);
    // Setting the text raises no list notification of its own.
    m_combo->setEditText(QStringLiteral("Classes"));
    ShowCategory();
}

void TemplateWindow::ShowCategory()
{
    ReportAndLeave([this] {
        const QString pattern = templatePattern(m_combo->currentText());
        if (pattern.isEmpty())
            return;
        m_files->setPath(AddInFolder());
        m_files->setPattern(pattern);
    });
}

void TemplateWindow::InsertTemplate()
{
    ReportAndLeave([this] {
        addTemplateToProject(HostApp, templateFilePath(m_files->path(), m_files->fileName()));
    });
}

bool TemplateWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_combo->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tolvar

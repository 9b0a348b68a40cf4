#include "toolwindowfixture.h"

#include "addin/forms.h"
#include "addin/runtime/addinfolder.h"
#include "addin/runtime/errorreport.h"
#include "addin/toolwindow/toolwindowloader.h"
#include "addin/windows/formregistry.h"

#include <QApplication>
#include <QMouseEvent>

void ToolWindowFixture::SetUp()
{
    ASSERT_TRUE(folder.isValid());
    ui::setServices(&fake);
    tolvar::setAddInFolderForTesting(folder.path());
    tolvar::forms().reset();
    tolvar::defineAddInForms(tolvar::forms());
}

void ToolWindowFixture::TearDown()
{
    tolvar::unloadToolWindowForTesting();
    tolvar::forms().reset();
    tolvar::setAddInFolderForTesting(QString());
    ui::setServices(nullptr);
}

void ToolWindowFixture::writeLibrary(const QList<librarydb::Row> &rows, int fieldCount)
{
    librarydb::create(folder.filePath("tolvar.mdb"), rows, fieldCount);
}

tolvar::ToolWindow *ToolWindowFixture::load()
{
    tolvar::LoadToolWindow();
    return tolvar::toolWindow();
}

QList<ui::FakeServices::Call> ToolWindowFixture::errorReports() const
{
    QList<ui::FakeServices::Call> reports;
    for (const auto &call : fake.callsTo("MsgBox")) {
        if (call.args.value(2).toString() == tolvar::ErrorReportTitle)
            reports << call;
    }
    return reports;
}

void moveOver(QWidget *widget, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

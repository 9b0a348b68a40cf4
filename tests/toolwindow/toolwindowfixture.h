#pragma once

#include "librarydb.h"

#include "addin/toolwindow/toolwindow.h"
#include "fakeservices.h"
#include "platform/automation/error.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// A tool window loaded the way the add-in loads it, against scripted services and an add-in
// folder of its own holding a real library database.
class ToolWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes tolvar.mdb into the add-in folder.
    void writeLibrary(const QList<librarydb::Row> &rows, int fieldCount = 20);
    // Loads the tool window through the loader.
    tolvar::ToolWindow *load();

    QList<ui::FakeServices::Call> errorReports() const;

    QTemporaryDir folder;
    ui::FakeServices fake;
};

// Sends a pointer move with no button held to the widget.
void moveOver(QWidget *widget, QPoint pos = QPoint(2, 2));

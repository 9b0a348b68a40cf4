#pragma once

#include "ide/model/workspace.h"
#include "platform/automation/object.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A small version 4.00 project written to a temporary folder, opened in a workspace, with the
// application object an add-in would get.
class ProjectFixture : public ::testing::Test
{
protected:
    void SetUp() override;

    QString path(const QString &name) const { return dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;

    automation::Value call(const automation::Value &target, const QString &member,
                           const automation::Values &args = {}) const
    {
        return automation::invoke(target, member, args);
    }
    automation::Value project() const { return call(app, QStringLiteral("ActiveProject")); }
    // The form designer of Form1 active; returns the form object.
    automation::Value activateForm1();
    int form1Id() const;
    automation::Value prop(const automation::Value &target, const QString &name) const;
    void setProp(const automation::Value &target, const QString &name,
                 const automation::Value &value) const;
    // Expects the call to raise the error number.
    static void expectError(int number, const std::function<void()> &fn);

    static const QByteArray Form1;
    static const QByteArray Module1;
    static const QByteArray Project1;
    static const QByteArray Class1;

    QTemporaryDir dir;
    vbhost::Workspace ws;
    automation::Value app;
};

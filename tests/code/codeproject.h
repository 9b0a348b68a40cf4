#pragma once

#include "ide/model/workspace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The fixture project (a form with a control array and menus, a class with procedure and
// variable attributes, a module) copied to a temporary folder and open in a workspace.
class CodeProject : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QDir fixtures(QStringLiteral(CODE_FIXTURES));
        for (const QString &name : fixtures.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(fixtures.filePath(name), dir.filePath(name)));
        ws.open(dir.filePath(QStringLiteral("Code.vbp")));
    }

    int id(const QString &name) const
    {
        for (const vbhost::DocumentInfo &d : ws.documents()) {
            if (d.name == name)
                return d.id;
        }
        return -1;
    }

    QByteArray bytes(const QString &name) const
    {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    vbhost::Workspace ws;
};

#pragma once

#include "fakeservices.h"
#include "ide/designer/formcanvas.h"
#include "ide/designer/formdesigner.h"
#include "ide/model/workspace.h"
#include "ide/shell/mainwindow.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The environment's main window with a copy of the demo project open and its main form's
// designer showing.
namespace shelltesting {

using namespace vbhost;
using automation::Value;

inline QString demoDir()
{
    return qEnvironmentVariable("TOLVAR_SOURCE_DIR", QStringLiteral(".")) +
           QStringLiteral("/examples/Demo");
}

inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class DesignerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const QString &name : QDir(demoDir()).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(demoDir() + u'/' + name, dir.filePath(name)))
                << name.toStdString();
        window = std::make_unique<MainWindow>(services);
        window->show();
        ASSERT_TRUE(window->openProject(dir.filePath(QStringLiteral("Demo.vbp"))));
        formId = documentId(QStringLiteral("frmMain"));
        designer = window->openDesigner(formId);
        ASSERT_NE(designer, nullptr);
        canvas = designer->canvas();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    Workspace &ws() { return window->workspace(); }

    int documentId(const QString &name)
    {
        for (const DocumentInfo &d : ws().documents()) {
            if (d.name.compare(name, Qt::CaseInsensitive) == 0)
                return d.id;
        }
        return -1;
    }

    QPoint centreOf(const QString &key) { return canvas->controlRect(key).center(); }

    void click(const QString &key, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseClick(canvas, Qt::LeftButton, mods, centreOf(key));
    }

    void drag(const QPoint &from, const QPoint &to, Qt::KeyboardModifiers mods = {})
    {
        QTest::mousePress(canvas, Qt::LeftButton, mods, from);
        // Through a midpoint so that the move passes the drag distance in steps.
        QTest::mouseMove(canvas, (from + to) / 2);
        QTest::mouseMove(canvas, to);
        QTest::mouseRelease(canvas, Qt::LeftButton, mods, to);
    }

    // The order the add-ins see: SelectedControlTemplates of the active form.
    QStringList selectedAsAddInsSeeThem()
    {
        const Value app = Value(ws().application());
        const Value form =
            automation::invoke(automation::invoke(app, "ActiveProject"), "ActiveForm");
        QStringList names;
        for (const Value &c :
             automation::enumerate(automation::invoke(form, "SelectedControlTemplates"))) {
            const Value name =
                automation::invoke(automation::invoke(c, "Properties", {"Name"}), "Value");
            names << name.toString();
        }
        return names;
    }

    double twips(const QString &key, const char *name) { return twipsOf(formId, key, name); }
    double twipsOf(int form, const QString &key, const char *name)
    {
        return ws().property(form, key, name).toDouble();
    }

    QTemporaryDir dir;
    ui::FakeServices services;
    std::unique_ptr<MainWindow> window;
    int formId = -1;
    FormDesigner *designer = nullptr;
    FormCanvas *canvas = nullptr;
};

} // namespace shelltesting

// The general menu generator against a recording environment: what it adds, in which order,
// the file it hands over for insertion, and how each failure ends the run.

#include "addin/generalmenu/generalmenu.h"
#include "addin/generalmenu/tempmodule.h"
#include "addin/runtime/addinfolder.h"
#include "addin/runtime/hostapp.h"

#include "fakeservices.h"
#include "platform/automation/object.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using automation::DispatchObject;
using automation::Error;
using automation::Value;
using automation::Values;

namespace {

// One line per addition: parent|name|assignments in order. Strings as they are, Integer and
// Boolean values marked with their type so that a wrong type shows.
const QStringList ExpectedAdditions = QStringLiteral(R"(-|menufile|Caption=&File
menufile|file|Caption=&New;Index=0%
menufile|file|Caption=&Open;Shortcut=15%;Index=1%
menufile|file|Caption=&Save;Shortcut=19%;Enabled=False;Index=2%
menufile|file|Caption=Save &As...;Shortcut=1%;Index=3%
menufile|file|Caption=-;Index=4%
menufile|file|Caption=Print Pre&view;Index=5%
menufile|file|Caption=Page Se&tup...;Index=6%
menufile|file|Caption=&Print...;Shortcut=16%;Index=7%
menufile|file|Caption=-;Index=8%
menufile|file|Caption=&Exit;Index=9%
-|menuedit|Caption=&Edit
menuedit|edit|Caption=&Undo;Shortcut=26%;Index=0%
menuedit|edit|Caption=&Repeat;Shortcut=30%;Index=1%
menuedit|edit|Caption=-;Index=2%
menuedit|edit|Caption=Cu&t;Shortcut=24%;Index=3%
menuedit|edit|Caption=&Copy;Shortcut=3%;Index=4%
menuedit|edit|Caption=&Paste;Shortcut=22%;Index=5%
menuedit|edit|Caption=Cle&ar;Index=6%
menuedit|edit|Caption=Select A&ll;Shortcut=12%;Index=7%
-|menuView|Caption=&View
menuView|view|Caption=&Toolbar;Index=0%;checked=True
menuView|view|Caption=&Status Bar;Index=1%;checked=True
menuView|view|Caption=-;Index=2%
menuView|view|Caption=&Options...;Index=3%
-|menuhelp|Caption=&Help
menuhelp|help|Caption=&Contents;Shortcut=27%;Index=0%
menuhelp|help|Caption=&Search For Help On..;Index=1%
menuhelp|help|Caption=-;Index=2%
menuhelp|help|Caption=&About;Index=3%)")
                                          .split(u'\n');

QByteArray expectedCode()
{
    QFile f(qEnvironmentVariable("TOLVAR_SOURCE_DIR") + "/tests/fixtures/generalmenu.MOD");
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

QString valueText(const Value &v)
{
    switch (v.type()) {
    case Value::Type::String:
        return v.toString();
    case Value::Type::Integer:
        return QString::number(v.toInteger()) + u'%';
    case Value::Type::Boolean:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return v.debugText() + u'?';
    }
}

// A form that records every menu addition with its assignments, and what InsertFile found.
class RecordingForm
{
public:
    QStringList additions;
    int refuseAddition = 0; // the 1-based addition to refuse, 0 for none
    bool refuseInsert = false;
    bool noForm = false;
    QString insertedPath;
    QByteArray insertedBytes;

    Value application()
    {
        auto form = std::make_shared<DispatchObject>();
        form->method("AddMenuTemplate", [this](const Values &args) {
            if (refuseAddition == additions.size() + 1)
                throw Error(35001, "Name already in use");
            QString parent = QStringLiteral("?");
            if (args.value(1).isObject())
                parent = args[1].toObject() ? m_names.value(args[1].toObject().get()) : "-";
            const qsizetype row = additions.size();
            additions << parent + u'|' + args.value(0).toString() + u'|';
            auto menu = std::make_shared<DispatchObject>();
            m_names.insert(menu.get(), args.value(0).toString());
            menu->method("Properties", [this, row](const Values &a) {
                auto property = std::make_shared<DispatchObject>();
                const QString name = a.value(0).toString();
                property->property("Value", {}, [this, row, name](const Values &, const Value &v) {
                    QString &line = additions[row];
                    if (!line.endsWith(u'|'))
                        line += u';';
                    line += name + u'=' + valueText(v);
                });
                return Value(property);
            });
            return Value(menu);
        });
        form->method("InsertFile", [this](const Values &args) {
            if (refuseInsert)
                throw Error(75, "Path/File access error");
            insertedPath = args.value(0).toString();
            QFile f(insertedPath);
            EXPECT_TRUE(f.open(QIODevice::ReadOnly));
            insertedBytes = f.readAll();
            return Value();
        });
        auto project = std::make_shared<DispatchObject>();
        project->property("ActiveForm", [this, form](const Values &) {
            return noForm ? Value::nothing() : Value(form);
        });
        auto app = std::make_shared<DispatchObject>();
        app->property("ActiveProject", [project](const Values &) { return Value(project); });
        return Value(app);
    }

private:
    QHash<const automation::Object *, QString> m_names;
};

// Root passes every permission check; this takes that away for one scope so that a read-only
// folder is read-only here too.
class WithoutPermissionOverride
{
public:
    WithoutPermissionOverride()
    {
        if (::geteuid() != 0)
            return;
        ::syscall(SYS_capget, &m_header, m_saved);
        __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_active = ::syscall(SYS_capset, &m_header, lowered) == 0;
    }
    ~WithoutPermissionOverride()
    {
        if (m_active)
            ::syscall(SYS_capset, &m_header, m_saved);
    }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_active = false;
};

class GeneralMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(addInFolder.isValid() && cache.isValid());
        qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
        ui::setServices(&fake);
        tolvar::setAddInFolderForTesting(addInFolder.path());
        tolvar::HostApp = env.application();
    }
    void TearDown() override
    {
        tolvar::HostApp = Value();
        tolvar::setAddInFolderForTesting(QString());
        ui::setServices(nullptr);
        qunsetenv("XDG_CACHE_HOME");
    }

    void run(qint16 index = 0)
    {
        tolvar::CreateGeneralMenu(index, [this](const QString &t) { statuses << t; });
    }
    QStringList reportedNumbers() const
    {
        QStringList numbers;
        for (const auto &box : fake.messageBoxes())
            numbers << box.prompt.section(u'\r', 0, 0).mid(14);
        return numbers;
    }
    QString tempPath() const { return addInFolder.filePath("temp.MOD"); }
    void write(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir addInFolder;
    QTemporaryDir cache;
    ui::FakeServices fake;
    RecordingForm env;
    QStringList statuses;
};

TEST_F(GeneralMenuTest, AddsTheMenuTreeAndInsertsTheExactCodeThenDeletesIt)
{
    run();
    EXPECT_TRUE(fake.messageBoxes().isEmpty());
    EXPECT_EQ(env.additions, ExpectedAdditions);
    EXPECT_EQ(env.additions.join(u';').count(u'='), 70);
    EXPECT_EQ(env.insertedPath, tempPath());
    EXPECT_EQ(env.insertedBytes.size(), 2533);
    EXPECT_EQ(env.insertedBytes, expectedCode());
    EXPECT_FALSE(QFileInfo::exists(tempPath()));
    EXPECT_EQ(statuses, QStringList({"Creating Menus...", "Writing Code...", ""}));

    statuses.clear();
    run(1); // only element 0 of the menu array runs
    EXPECT_EQ(env.additions.size(), 30);
    EXPECT_TRUE(statuses.isEmpty());
}

// What may stand in the add-in folder before a run; each run still inserts exactly the code,
// from the path given, and leaves nothing behind.
enum class Before { OldFile, LinkAtName, FolderEndsInSeparator, ReadOnlyFolder };

class GeneralMenuFileTest : public GeneralMenuTest, public ::testing::WithParamInterface<Before>
{
};

TEST_P(GeneralMenuFileTest, InsertsExactlyTheCodeAndLeavesNothing)
{
    const QString victim = cache.filePath("victim.txt");
    write(victim, "keep me");
    QString expectedPath = tempPath();
    switch (GetParam()) {
    case Before::OldFile:
        write(tempPath(), QByteArray(5000, 'x')); // longer than the code: none of it may remain
        break;
    case Before::LinkAtName:
        ASSERT_TRUE(QFile::link(victim, tempPath()));
        break;
    case Before::FolderEndsInSeparator:
        tolvar::setAddInFolderForTesting(addInFolder.path() + u'/');
        expectedPath = addInFolder.path() + "//temp.MOD";
        break;
    case Before::ReadOnlyFolder:
        ASSERT_EQ(::chmod(QFile::encodeName(addInFolder.path()), 0555), 0);
        expectedPath = cache.filePath("tolvar/temp.MOD");
        break;
    }
    {
        WithoutPermissionOverride asAnyUser;
        run();
    }
    ::chmod(QFile::encodeName(addInFolder.path()), 0700);

    EXPECT_TRUE(fake.messageBoxes().isEmpty());
    EXPECT_EQ(env.insertedPath, expectedPath);
    EXPECT_EQ(env.insertedBytes, expectedCode());
    EXPECT_FALSE(QFileInfo(expectedPath).exists() || QFileInfo(expectedPath).isSymLink());
    QFile v(victim);
    ASSERT_TRUE(v.open(QIODevice::ReadOnly));
    EXPECT_EQ(v.readAll(), "keep me");
    if (GetParam() == Before::ReadOnlyFolder) {
        EXPECT_EQ(QFileInfo(cache.filePath("tolvar")).permissions(),
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                      QFile::WriteUser | QFile::ExeUser);
        EXPECT_TRUE(QDir(addInFolder.path()).isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, GeneralMenuFileTest,
                         ::testing::Values(Before::OldFile, Before::LinkAtName,
                                           Before::FolderEndsInSeparator, Before::ReadOnlyFolder));

struct FailureCase
{
    const char *name;
    bool noForm;
    int refuseAddition;
    bool refuseInsert;
    bool folderAtName;
    int additionsKept;
    const char *number;
    const char *lastStatus;
};

class GeneralMenuFailureTest : public GeneralMenuTest,
                               public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(GeneralMenuFailureTest, ReportsOnceAndKeepsWhatWasDone)
{
    const FailureCase &c = GetParam();
    env.noForm = c.noForm;
    env.refuseAddition = c.refuseAddition;
    env.refuseInsert = c.refuseInsert;
    if (c.folderAtName) {
        ASSERT_TRUE(QDir(addInFolder.path()).mkpath("temp.MOD/inner"));
    }
    run();
    EXPECT_EQ(reportedNumbers(), QStringList{c.number});
    EXPECT_EQ(env.additions, ExpectedAdditions.mid(0, c.additionsKept));
    EXPECT_EQ(statuses.last(), c.lastStatus);
    EXPECT_TRUE(env.insertedPath.isEmpty());
    // A refused insertion leaves the file; a folder standing at the name is left alone.
    EXPECT_EQ(QFileInfo(tempPath()).isFile(), c.refuseInsert);
    EXPECT_EQ(QFileInfo(tempPath() + "/inner").isDir(), c.folderAtName);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, GeneralMenuFailureTest,
    ::testing::Values(
        FailureCase{"NoActiveForm", true, 0, false, false, 0, "91", "Creating Menus..."},
        FailureCase{"RefusedPartWay", false, 12, false, false, 11, "35001", "Creating Menus..."},
        FailureCase{"InsertRefused", false, 0, true, false, 30, "75", "Writing Code..."},
        FailureCase{"FolderAtName", false, 0, false, true, 30, "75", "Writing Code..."}),
    [](const auto &info) { return std::string(info.param.name); });

// A device with room for a fixed number of bytes.
class FullDevice : public QBuffer
{
public:
    qint64 room = 0;

protected:
    qint64 writeData(const char *data, qint64 len) override
    {
        if (len > room)
            return -1;
        room -= len;
        return QBuffer::writeData(data, len);
    }
};

TEST_F(GeneralMenuTest, WriteMenuCodeReportsAFailedWriteAndLeavesTheFileOpen)
{
    const QByteArray code = expectedCode();
    const qsizetype firstLine = code.indexOf("\r\n") + 2;
    FullDevice device;
    device.room = firstLine + 10;
    ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    tolvar::WriteMenuCode(device);
    EXPECT_EQ(reportedNumbers(), QStringList{"57"});
    EXPECT_EQ(device.data(), code.left(firstLine));
    EXPECT_TRUE(device.isOpen());
}

} // namespace

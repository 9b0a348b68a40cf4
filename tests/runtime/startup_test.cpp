#include "addin/runtime/startup.h"

#include "fakeservices.h"
#include "platform/profile/profile.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class StartUpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir().mkpath(profile::windowsDirectory());
        QFile::remove(path());
    }
    void TearDown() override
    {
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(path());
    }

    static QString path() { return profile::windowsDirectory() + "/VB.INI"; }

    static void write(const QByteArray &bytes)
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    static QByteArray read()
    {
        QFile f(path());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return f.readAll();
    }

    ui::FakeServices fake;
    ui::ScopedServices scoped{&fake};
};

struct Registration
{
    const char *name;
    QByteArray before;
    QByteArray after; // empty: unchanged
};

class StartUpRegistrationTest : public StartUpTest,
                                public ::testing::WithParamInterface<Registration>
{
};

TEST_P(StartUpRegistrationTest, WritesZeroOnlyWhenKeyReadsNotFound)
{
    const Registration &r = GetParam();
    if (!r.before.isNull())
        write(r.before);
    tolvar::StartUp();
    EXPECT_EQ(read(), r.after.isEmpty() ? r.before : r.after);
    EXPECT_TRUE(fake.callsTo("MsgBox").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    StartUpTest, StartUpRegistrationTest,
    ::testing::Values(
        Registration{"NoFile", QByteArray(), "[Add-Ins32]\r\nVantixTolvarAddIn.connect=0\r\n"},
        Registration{"KeyMissingCrlf",
                     "[Visual Basic]\r\nvbpath=C:\\VB\r\n\r\n[Add-Ins32]\r\nAppWizard.Wizard=1\r\n"
                     "\r\n; end\r\n",
                     "[Visual Basic]\r\nvbpath=C:\\VB\r\n\r\n[Add-Ins32]\r\nAppWizard.Wizard=1\r\n"
                     "VantixTolvarAddIn.connect=0\r\n\r\n; end\r\n"},
        Registration{"SectionMissingLf", "[Visual Basic]\nvbpath=C:\\VB\n",
                     "[Visual Basic]\nvbpath=C:\\VB\n[Add-Ins32]\nVantixTolvarAddIn.connect=0\n"},
        Registration{"NotFoundRewritten",
                     "[add-ins32]\r\nvantixtolvaraddin.CONNECT = NotFound\r\n[x]\r\n",
                     "[add-ins32]\r\nvantixtolvaraddin.CONNECT = 0\r\n[x]\r\n"},
        Registration{"LoadedKept", "[Add-Ins32]\r\nVantixTolvarAddIn.connect=1\r\n", {}},
        Registration{"ZeroKeptLf", "[Add-Ins32]\nVantixTolvarAddIn.connect=0\n", {}},
        Registration{"OtherCaseKept", "[Add-Ins32]\r\nVantixTolvarAddIn.connect=notfound\r\n", {}},
        Registration{"EmptyKept", "[Add-Ins32]\r\nVantixTolvarAddIn.connect=\r\n", {}},
        Registration{"LongValueCutAndKept",
                     "[Add-Ins32]\r\nVantixTolvarAddIn.connect=NotFoundNotFound\r\n",
                     {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(StartUpTest, UnwritableFileStaysWholeAndIsReported)
{
    const QByteArray before = "[Visual Basic]\r\nvbpath=C:\\VB\r\n";
    write(before);
    QFile::setPermissions(path(), QFile::ReadOwner);
    tolvar::StartUp();
    EXPECT_EQ(read(), before);
    const auto boxes = fake.callsTo("MsgBox");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.at(0).args.at(0).toString().startsWith("Error Number: 75\r\n"));
}

TEST_F(StartUpTest, FifoInsteadOfTheFileIsReportedAtOnce)
{
    QFile::remove(path());
    QDir().mkpath(profile::windowsDirectory());
    ASSERT_EQ(mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    tolvar::StartUp(); // would wait for ever for a writer if it opened the FIFO
    const auto boxes = fake.callsTo("MsgBox");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.at(0).args.at(0).toString().startsWith("Error Number: 75\r\n"));
    QFile::remove(path());
}

} // namespace

#include "platform/profile/profile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace profile;

namespace {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QString get(const QString &section, const QString &key, const QString &path,
            const QString &def = QStringLiteral("NotFound"), int size = 256)
{
    QString out;
    const int n = GetPrivateProfileString(section, key, def, out, size, path);
    EXPECT_EQ(n, out.size());
    return out;
}

// The add-in's start-up registration: look the key up with a 13-character buffer and write "0"
// only when the lookup gives "NotFound".
void registerAddIn(const QString &file)
{
    QString buffer;
    const int n = GetPrivateProfileString(QStringLiteral("Add-Ins32"),
                                          QStringLiteral("VantixTolvarAddIn.connect"),
                                          QStringLiteral("NotFound"), buffer, 13, file);
    if (buffer.left(n) == QLatin1String("NotFound"))
        WritePrivateProfileString(QStringLiteral("Add-Ins32"),
                                  QStringLiteral("VantixTolvarAddIn.connect"), QStringLiteral("0"),
                                  file);
}

// A file written with `\n` standing for the line end under test.
class ProfileFileTest : public ::testing::TestWithParam<const char *>
{
protected:
    QByteArray text(QByteArray lines) const { return lines.replace("\n", GetParam()); }
    QString path(const char *name = "VB.INI") const
    {
        return dir.filePath(QString::fromLatin1(name));
    }
    QTemporaryDir dir;
};

TEST_P(ProfileFileTest, MatchesSectionAndKeyWithoutRegardToCase)
{
    writeBytes(path(), text("[Add-Ins32]\nVantixTolvarAddIn.connect=1\n"));
    EXPECT_EQ(get("ADD-INS32", "vantixtolvaraddin.CONNECT", path()), "1");
    EXPECT_EQ(get(" add-ins32 ", " VantixTolvarAddIn.Connect ", path()), "1");
}

TEST_P(ProfileFileTest, ValueIsTrimmedAndLosesOnePairOfQuotes)
{
    writeBytes(path(),
               text("[S]\na =  plain value  \nb=\"  quoted \"\nc='x'\nd=\"\"y\"\"\ne=\"open\n"
                    "f=\n"));
    EXPECT_EQ(get("S", "a", path()), "plain value");
    EXPECT_EQ(get("S", "b", path()), "  quoted ");
    EXPECT_EQ(get("S", "c", path()), "x");
    EXPECT_EQ(get("S", "d", path()), "\"y\"");
    EXPECT_EQ(get("S", "e", path()), "\"open");
    EXPECT_EQ(get("S", "f", path()), "");
}

TEST_P(ProfileFileTest, CopiesAtMostSizeMinusOneCharacters)
{
    writeBytes(path(), text("[S]\nk=0123456789ABCDEF\n"));
    QString out;
    EXPECT_EQ(GetPrivateProfileString("S", "k", "NotFound", out, 13, path()), 12);
    EXPECT_EQ(out, "0123456789AB");
    EXPECT_EQ(GetPrivateProfileString("S", "missing", "NotFoundAtAll", out, 5, path()), 4);
    EXPECT_EQ(out, "NotF");
    EXPECT_EQ(GetPrivateProfileString("S", "k", "d", out, 1, path()), 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(GetPrivateProfileString("S", "k", "d", out, 0, path()), 0);
}

TEST_P(ProfileFileTest, MissingKeySectionOrFileGivesDefault)
{
    writeBytes(path(), text("[S]\n; k=commented\nk2=v\n[T]\nk=other\n"));
    EXPECT_EQ(get("S", "k", path()), "NotFound");
    EXPECT_EQ(get("U", "k", path()), "NotFound");
    EXPECT_EQ(get("S", "k", dir.filePath("absent.ini")), "NotFound");
    EXPECT_EQ(get("T", "k", path()), "other");
}

TEST_P(ProfileFileTest, FirstOfDuplicateSectionsAndKeysWins)
{
    writeBytes(path(), text("[S]\nk=first\nK=second\n[s]\nk=third\nonly=here\n"));
    EXPECT_EQ(get("S", "k", path()), "first");
    EXPECT_EQ(get("S", "only", path()), "NotFound");
    EXPECT_EQ(GetProfileKeys("S", path()), QStringList{"k"});
}

TEST_P(ProfileFileTest, RegistrationWritesMissingKeyAtEndOfItsSection)
{
    writeBytes(path(),
               text("; environment settings\n[Add-Ins32]\nOther.connect=1\n\n[Visual Basic]\n"
                    "x=1\n"));
    registerAddIn(path());
    EXPECT_EQ(readBytes(path()), text("; environment settings\n[Add-Ins32]\nOther.connect=1\n"
                                      "VantixTolvarAddIn.connect=0\n\n[Visual Basic]\nx=1\n"));
}

TEST_P(ProfileFileTest, RegistrationKeepsExistingValueInAnyLetterCase)
{
    for (const char *entry : {"[add-ins32]\nvantixtolvaraddin.CONNECT = 1\n",
                              "[ADD-INS32]\r\nVantixTolvarAddIn.connect=0\n",
                              "[Add-Ins32]\nVANTIXTOLVARADDIN.CONNECT=\"NotFound.\"\n"}) {
        const QByteArray before = text(entry) + "\xE9\xFF tail";
        writeBytes(path(), before);
        const QDateTime mtime = QFileInfo(path()).lastModified();
        registerAddIn(path());
        EXPECT_EQ(readBytes(path()), before) << entry;
        EXPECT_EQ(QFileInfo(path()).lastModified(), mtime);
    }
}

TEST_P(ProfileFileTest, RegistrationReplacesNotFoundKeepingEveryOtherByte)
{
    const QByteArray before =
        text("\xEF\xBB\xBF; caf\xE9 \x80\n[Other]\nVantixTolvarAddIn.connect=NotFound\n"
             "\n[ADD-INS32]\n  vantixtolvaraddin.connect =  NotFound\n"
             "; trailing comment\n\n");
    writeBytes(path(), before);
    registerAddIn(path());
    QByteArray after = before;
    after.replace("connect =  NotFound", "connect =  0");
    EXPECT_EQ(readBytes(path()), after);
}

TEST_P(ProfileFileTest, MissingSectionIsAppendedAtEndOfFile)
{
    writeBytes(path(), text("[A]\na=1\n\n"));
    EXPECT_TRUE(WritePrivateProfileString("Add-Ins32", "Key.connect", "0", path()));
    EXPECT_EQ(readBytes(path()), text("[A]\na=1\n\n[Add-Ins32]\nKey.connect=0\n"));
}

TEST_P(ProfileFileTest, LastLineWithoutLineEndGetsOneBeforeANewKey)
{
    writeBytes(path(), text("[A]\na=1"));
    EXPECT_EQ(get("A", "a", path()), "1");
    EXPECT_TRUE(WritePrivateProfileString("A", "b", "2", path()));
    EXPECT_EQ(readBytes(path()), text("[A]\na=1\nb=2\n"));
    EXPECT_TRUE(WritePrivateProfileString("C", "c", "3", path()));
    EXPECT_EQ(readBytes(path()), text("[A]\na=1\nb=2\n[C]\nc=3\n"));
    EXPECT_TRUE(WritePrivateProfileString("A", "a", "", path()));
    EXPECT_EQ(readBytes(path()), text("[A]\na=\nb=2\n[C]\nc=3\n"));
    // A file of one unended line has no line end of its own to follow.
    writeBytes(path("ONE.INI"), "[A]");
    EXPECT_TRUE(WritePrivateProfileString("A", "a", "1", path("ONE.INI")));
    EXPECT_EQ(readBytes(path("ONE.INI")), "[A]\r\na=1\r\n");
}

TEST_P(ProfileFileTest, ByteOrderMarkIsKeptAndSkipped)
{
    writeBytes(path(), "\xEF\xBB\xBF" + text("[Add-Ins32]\nOther.connect=1\n"));
    EXPECT_EQ(get("Add-Ins32", "Other.connect", path()), "1");
    registerAddIn(path());
    EXPECT_EQ(readBytes(path()),
              "\xEF\xBB\xBF" + text("[Add-Ins32]\nOther.connect=1\nVantixTolvarAddIn.connect=0\n"));
}

TEST_P(ProfileFileTest, NamesAndValuesAreTrimmedAsBytesAndSameValuesAreNotRewritten)
{
    writeBytes(path(), text("[A]\nkey\xC2\xA0=1\nb=  \"x\"\n"));
    EXPECT_EQ(GetProfileKeys("A", path()), QStringList({"key\u00A0", "b"}));
    EXPECT_EQ(get("A", "key\u00A0", path()), "1");
    EXPECT_EQ(get("A", "key", path()), "NotFound");
    const QByteArray before = readBytes(path());
    for (const char *same : {"x", " x", "\"x\""}) {
        EXPECT_TRUE(WritePrivateProfileString("A", "b", same, path()));
        EXPECT_EQ(readBytes(path()), before) << same;
    }
    EXPECT_TRUE(WritePrivateProfileString("A", "key\u00A0", "2", path()));
    EXPECT_EQ(readBytes(path()), text("[A]\nkey\xC2\xA0=2\nb=  \"x\"\n"));
    // Values too: what was written reads back as written.
    EXPECT_TRUE(WritePrivateProfileString("A", "b", "\u00A0x\u2003", path()));
    EXPECT_EQ(get("A", "b", path()), "\u00A0x\u2003");
}

TEST_P(ProfileFileTest, KeyGoesAfterHeaderOfSectionWithoutKeys)
{
    writeBytes(path(), text("[A]\n; nothing yet\n[B]\n"));
    EXPECT_TRUE(WritePrivateProfileString("a", "k", "v", path()));
    EXPECT_EQ(readBytes(path()), text("[A]\nk=v\n; nothing yet\n[B]\n"));
}

TEST_P(ProfileFileTest, ReplacesValueAndReadsItBack)
{
    writeBytes(path(), text("[S]\nk=old value\nnext=1\n"));
    EXPECT_TRUE(WritePrivateProfileString("s", "K", "new \u00e9", path()));
    EXPECT_EQ(readBytes(path()), text("[S]\nk=new \xC3\xA9\nnext=1\n"));
    EXPECT_EQ(get("S", "k", path()), "new \u00e9");
}

TEST_P(ProfileFileTest, ListsKeysInFileOrder)
{
    writeBytes(path(), text("[Add-Ins32]\nB.connect=0\n;C.connect=1\nA.connect=1\nb.CONNECT=1\n"
                            "\n[Next]\nZ=1\n"));
    EXPECT_EQ(GetProfileKeys("add-ins32", path()), (QStringList{"B.connect", "A.connect"}));
    EXPECT_TRUE(GetProfileKeys("None", path()).isEmpty());
}

TEST_P(ProfileFileTest, BinaryBytesAndNulsAreKept)
{
    QByteArray before = text("[S]\nk=1\n");
    before += QByteArray("\0\x01\xFE\xFF=\0\n", 7) + text("[T]\nt=\xE9t\xE9\n");
    writeBytes(path(), before);
    EXPECT_EQ(get("T", "t", path()), "\u00e9t\u00e9");
    EXPECT_TRUE(WritePrivateProfileString("S", "k", "2", path()));
    QByteArray after = before;
    after.replace("k=1", "k=2");
    EXPECT_EQ(readBytes(path()), after);
}

TEST_P(ProfileFileTest, RefusedNamesAndValuesLeaveFileWhole)
{
    const QByteArray before = text("[S]\nk=1\n");
    writeBytes(path(), before);
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "a\nb=c", path()));
    EXPECT_FALSE(WritePrivateProfileString("S", "a=b", "1", path()));
    EXPECT_FALSE(WritePrivateProfileString("S]\n[T", "k", "1", path()));
    EXPECT_FALSE(WritePrivateProfileString("S", "", "1", path()));
    EXPECT_FALSE(WritePrivateProfileString("S", ";k", "1", path()));
    EXPECT_EQ(readBytes(path()), before);
}

TEST_P(ProfileFileTest, ReadOnlyFileIsLeftWhole)
{
    const QByteArray before = text("[Add-Ins32]\nVantixTolvarAddIn.connect=NotFound\n");
    writeBytes(path(), before);
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_FALSE(WritePrivateProfileString("Add-Ins32", "VantixTolvarAddIn.connect", "0", path()));
    registerAddIn(path());
    EXPECT_EQ(readBytes(path()), before);
    EXPECT_FALSE(QFile::exists(path() + ".lock"));
}

TEST_P(ProfileFileTest, KeepsFilePermissions)
{
    writeBytes(path(), text("[S]\nk=1\n"));
    const auto perms = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(path(), perms);
    EXPECT_TRUE(WritePrivateProfileString("S", "k", "2", path()));
    const auto unixBits = QFile::Permissions(0x7077);
    EXPECT_EQ(QFile::permissions(path()) & unixBits, perms);
}

INSTANTIATE_TEST_SUITE_P(LineEnds, ProfileFileTest, ::testing::Values("\r\n", "\n"),
                         [](const auto &info) {
                             return std::string(info.param[0] == '\r' ? "CRLF" : "LF");
                         });

class WindowsDirectoryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        saved = qgetenv("WINDIR");
        qputenv("WINDIR", dir.filePath("win").toLocal8Bit());
    }
    void TearDown() override { qputenv("WINDIR", saved); }
    QTemporaryDir dir;
    QByteArray saved;
};

TEST_F(WindowsDirectoryTest, BareNameIsCreatedInWindowsDirectoryWithCrlf)
{
    EXPECT_EQ(windowsDirectory(), dir.filePath("win"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("win")));
    EXPECT_EQ(get("Add-Ins32", "VantixTolvarAddIn.connect", "VB.INI"), "NotFound");
    registerAddIn("VB.INI");
    EXPECT_EQ(readBytes(dir.filePath("win/VB.INI")),
              "[Add-Ins32]\r\nVantixTolvarAddIn.connect=0\r\n");
    EXPECT_EQ(get("Add-Ins32", "VantixTolvarAddIn.connect", "VB.INI"), "0");
}

TEST_F(WindowsDirectoryTest, BareNameFindsFileSpelledInOtherCase)
{
    QDir().mkpath(dir.filePath("win"));
    writeBytes(dir.filePath("win/vb.ini"), "[S]\nk=lower\n");
    EXPECT_EQ(get("S", "k", "VB.INI"), "lower");
    EXPECT_TRUE(WritePrivateProfileString("S", "k", "again", "Vb.Ini"));
    EXPECT_EQ(readBytes(dir.filePath("win/vb.ini")), "[S]\nk=again\n");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("win/Vb.Ini")));
}

TEST_F(WindowsDirectoryTest, FallsBackToConfigFolder)
{
    qputenv("WINDIR", "");
    const QByteArray xdg = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    EXPECT_EQ(windowsDirectory(), dir.filePath("vbhost/windows"));
    qputenv("XDG_CONFIG_HOME", xdg);
}

TEST(ProfileFailureTest, FileThatIsAFolderGivesDefaultAndIsNotReplaced)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VB.INI");
    QDir().mkpath(path);
    EXPECT_EQ(get("S", "k", path), "NotFound");
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "1", path));
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST(ProfileFailureTest, MissingFolderIsNotCreated)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("none/VB.INI");
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "1", path));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("none")));
}

TEST(ProfileFailureTest, UnreadableFileGivesDefaultAndIsNotClobbered)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    QTemporaryDir dir;
    const QString path = dir.filePath("VB.INI");
    writeBytes(path, "[S]\nk=1\n");
    QFile::setPermissions(path, QFile::WriteOwner);
    EXPECT_EQ(get("S", "k", path), "NotFound");
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "2", path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(readBytes(path), "[S]\nk=1\n");
}

TEST(ProfileFailureTest, ReadOnlyFolderLeavesFileWhole)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    QTemporaryDir dir;
    const QString path = dir.filePath("VB.INI");
    writeBytes(path, "[S]\nk=1\n");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "2", path));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(readBytes(path), "[S]\nk=1\n");
}

TEST(ProfileLockTest, ConcurrentWritersLoseNoEntry)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VB.INI");
    auto writer = [&](const char *prefix) {
        return QThread::create([=] {
            for (int i = 0; i < 25; ++i)
                WritePrivateProfileString("Add-Ins32", prefix + QString::number(i), "0", path);
        });
    };
    QThread *a = writer("A.connect"), *b = writer("B.connect");
    a->start();
    b->start();
    a->wait();
    b->wait();
    delete a;
    delete b;
    EXPECT_EQ(GetProfileKeys("Add-Ins32", path).size(), 50);
    EXPECT_FALSE(QFile::exists(path + ".lock"));
}

TEST(ProfileLargeFileTest, FiftyMegabytesAreReadAndWrittenCorrectly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("big.ini");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const QByteArray line = "Key" + QByteArray(40, 'x') + "=some value of the line\r\n";
        f.write("[Filler]\r\n");
        const qint64 lines = 50 * 1024 * 1024 / line.size();
        for (qint64 i = 0; i < lines; ++i)
            f.write(line);
        f.write("[Add-Ins32]\r\nVantixTolvarAddIn.connect=NotFound\r\nlast=1");
    }
    const qint64 size = QFileInfo(path).size();
    registerAddIn(path);
    EXPECT_EQ(get("Add-Ins32", "VantixTolvarAddIn.connect", path), "0");
    EXPECT_EQ(get("Add-Ins32", "last", path), "1");
    EXPECT_EQ(QFileInfo(path).size(), size - 7);
}

} // namespace

TEST(ProfileHostileTest, EmptyLockOfAKilledWriterIsStaleAtOnce)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("VB.INI");
    writeBytes(ini, "[A]\r\n");
    writeBytes(ini + ".lock", QByteArray());
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(WritePrivateProfileString("A", "a", "1", ini));
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(readBytes(ini), "[A]\r\na=1\r\n");
}

TEST(ProfileHostileTest, FifoIsRefusedAtOnce)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("CLASSES.INI");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(get("LocalServer32", "X.connect", fifo), "NotFound");
    EXPECT_TRUE(GetProfileKeys("LocalServer32", fifo).isEmpty());
    EXPECT_FALSE(WritePrivateProfileString("LocalServer32", "X.connect", "/x", fifo));
    EXPECT_FALSE(QFileInfo(fifo).isFile());
}

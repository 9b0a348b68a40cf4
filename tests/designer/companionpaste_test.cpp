#include "fakeservices.h"
#include "fixturefrx.h"
#include "ide/designer/controlclipboard.h"
#include "ide/designer/controlcommands.h"
#include "ide/designer/formcanvas.h"
#include "ide/model/workspace.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace vbhost;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Controls as another vbhost puts them on the clipboard; records is a JSON array, or null for
// plain text alone.
void putForeignControls(const char *records)
{
    const QString text =
        "   Begin VB.Image imgFar \r\n      Picture         =   \"Far.frx\":0010\r\n"
        "   End\r\n";
    auto *data = new QMimeData;
    data->setText(text);
    if (records)
        data->setData(kControlsMimeType,
                      QStringLiteral(R"({"text":"%1","source":"1:2:","records":%2})")
                          .arg(QString(text).replace("\"", "\\\"").replace("\r\n", "\\r\\n"),
                               QString::fromLatin1(records))
                          .toUtf8());
    QGuiApplication::clipboard()->setMimeData(data);
}

// The fixture project with its companions (Settings.frx ends at 2800), and the Edit menu on it.
class CompanionPasteTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString fixtures = qEnvironmentVariable("TOLVAR_SOURCE_DIR", ".") +
                                 QStringLiteral("/tests/designer/fixtures");
        for (const QString &name : QDir(fixtures).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(fixtures + u'/' + name, dir.filePath(name)));
        ASSERT_TRUE(fixturefrx::writeFixtureCompanions(dir.path()));
        original = readAll(frx("Palette")); // the same in Settings.frx
        photoRecord = original.mid(
            fixturefrx::kPhoto,
            12 + qFromLittleEndian<quint32>(original.constData() + fixturefrx::kPhoto + 8));
        ws.open(dir.filePath("Looks.vbp"));
        for (const DocumentInfo &d : ws.documents())
            (d.name == "Palette" ? palette : settings) = d.id;
    }

    void paste(int form)
    {
        ws.setActiveForm(form);
        ws.setSelection({});
        commands.paste();
    }
    void copyPaste(int from, const QString &key, int to)
    {
        ws.setActiveForm(from);
        ws.setSelection({key});
        commands.copy();
        paste(to);
    }
    QString picture(int form, const QString &key)
    {
        return ws.property(form, key, "Picture").toString();
    }
    QString frx(const char *form) { return dir.filePath(QString(form) + ".frx"); }

    QTemporaryDir dir;
    Workspace ws;
    ui::FakeServices services;
    ControlCommands commands{ws, services};
    int palette = -1, settings = -1;
    QByteArray original, photoRecord; // the fixture companions, picPhoto's record in them
};

TEST_F(CompanionPasteTest, APictureCopiedToAnotherFormTakesItsRecordAlong)
{
    copyPaste(palette, "picPhoto", settings);
    ASSERT_EQ(picture(settings, "picPhoto"), "\"Settings.frx\":2800");
    // Drawn at once, from the record not yet saved.
    FormCanvas canvas(ws, settings);
    const QColor drawn = canvas.grab().toImage().pixelColor(
        canvas.controlRect("picPhoto").topLeft() + QPoint(10, 10));
    EXPECT_NEAR(drawn.red(), fixturefrx::kPhotoColour.red(), 12);
    EXPECT_NEAR(drawn.blue(), fixturefrx::kPhotoColour.blue(), 12);

    ASSERT_NO_THROW(ws.save());
    EXPECT_TRUE(readAll(dir.filePath("Settings.frm"))
                    .contains("      Picture         =   \"Settings.frx\":2800\r\n"));
    EXPECT_EQ(readAll(frx("Settings")), original + photoRecord);
    ws.undo();
    EXPECT_THROW(picture(settings, "picPhoto"), automation::Error);
    ASSERT_NO_THROW(ws.save());
    EXPECT_EQ(readAll(frx("Settings")), original);
    ws.redo();
    ASSERT_NO_THROW(ws.save());
    EXPECT_EQ(readAll(frx("Settings")), original + photoRecord);
}

TEST_F(CompanionPasteTest, ACopyOnItsOwnFormKeepsItsReferenceEvenWithoutItsCompanion)
{
    services.msgBoxResults = {ui::mb::No, ui::mb::No}; // not control arrays: Picture1, Image1
    copyPaste(palette, "picPhoto", palette);
    EXPECT_EQ(picture(palette, "Picture1"), picture(palette, "picPhoto"));
    ASSERT_NO_THROW(ws.save());
    EXPECT_EQ(readAll(frx("Palette")), original);

    ASSERT_TRUE(QFile::remove(frx("Settings")));
    copyPaste(settings, "imgLogo", settings);
    EXPECT_EQ(picture(settings, "Image1"), picture(settings, "imgLogo"));
    ASSERT_NO_THROW(ws.save());
    EXPECT_FALSE(QFile::exists(frx("Settings")));
}

struct Foreign
{
    const char *records; // of "Far.frx":0010; null: plain text alone
    const char *refusal; // null: pasted with its record, a GIF's
};

class ForeignPasteTest : public CompanionPasteTest, public ::testing::WithParamInterface<Foreign>
{
};

TEST_P(ForeignPasteTest, ARecordFromAnotherProcessIsAppendedOrThePasteRefusedWhole)
{
    putForeignControls(GetParam().records);
    paste(settings);
    if (!GetParam().refusal) {
        EXPECT_EQ(picture(settings, "imgFar"), "\"Settings.frx\":2800");
        ASSERT_NO_THROW(ws.save());
        EXPECT_EQ(readAll(frx("Settings")).mid(0x2800), fixturefrx::record("GIF89a"));
        return;
    }
    ASSERT_EQ(services.messageBoxes().size(), 1);
    EXPECT_EQ(services.messageBoxes()[0].prompt,
              QStringLiteral("imgFar cannot be pasted: its Picture names \"Far.frx\":0010, and %1.")
                  .arg(GetParam().refusal));
    EXPECT_THROW(picture(settings, "imgFar"), automation::Error);
    EXPECT_FALSE(ws.canUndo());
    EXPECT_FALSE(ws.isModified());
}

INSTANTIATE_TEST_SUITE_P(
    Records, ForeignPasteTest,
    ::testing::Values(
        Foreign{R"([{"file":"Far.frx","offset":16,"bytes":"DgAAAGx0AAAGAAAAR0lGODlh"}])", nullptr},
        Foreign{nullptr, "the clipboard does not carry that record"},
        Foreign{R"([{"file":"Far.frx","offset":16,"problem":"Far.frx cannot be read"}])",
                "Far.frx cannot be read"},
        Foreign{R"([{"file":"Far.frx","offset":16,"bytes":"DAAAAGx0AAAAAQAA"}])",
                "the clipboard carries that record damaged"}));

TEST_F(CompanionPasteTest, ANewFormsCompanionIsNamedAfterTheFileItIsSavedAs)
{
    const int form = ws.addNewMember(MemberKind::Form);
    copyPaste(palette, "picPhoto", form);
    EXPECT_EQ(picture(form, "picPhoto"), "\"Form1.frx\":0000");
    ASSERT_NO_THROW(ws.save({{}, {{form, dir.filePath("Other.frm")}}}));
    EXPECT_TRUE(readAll(dir.filePath("Other.frm")).contains("=   \"Other.frx\":0000\r\n"));
    EXPECT_EQ(readAll(dir.filePath("Other.frx")), photoRecord);
    EXPECT_FALSE(QFile::exists(dir.filePath("Form1.frx")));
}

TEST_F(CompanionPasteTest, SaveAsTakesThePastedRecordsAndAFailedSaveLosesNothing)
{
    copyPaste(palette, "picPhoto", settings);
    const QByteArray expected = original + photoRecord;
    QTemporaryDir copy;
    ASSERT_NO_THROW(ws.saveAs(copy.filePath("Looks.vbp")));
    EXPECT_EQ(readAll(copy.filePath("Settings.frx")), expected);
    EXPECT_EQ(readAll(dir.filePath("Settings.frx")), original);

    copyPaste(palette, "imgStretch", settings);
    QFile::remove(copy.filePath("Settings.frx"));
    ASSERT_TRUE(QDir(copy.path()).mkdir("Settings.frx")); // the companion cannot be written
    EXPECT_THROW(ws.save(), WorkspaceError);
    EXPECT_TRUE(ws.isModified());
    ASSERT_TRUE(QDir(copy.filePath("Settings.frx")).removeRecursively());
    ASSERT_NO_THROW(ws.save());
    EXPECT_TRUE(readAll(copy.filePath("Settings.frx")).startsWith(expected));
    EXPECT_TRUE(readAll(copy.filePath("Settings.frm")).contains("imgStretch"));
}

} // namespace

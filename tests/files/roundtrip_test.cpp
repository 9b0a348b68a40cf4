#include "fixtures.h"
#include "ide/files/formfile.h"
#include "ide/files/projectfile.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vbhost;

namespace {

QStringList goodFixtures()
{
    return fixtures::namesIn(QString(), {QStringLiteral("*.vbp"), QStringLiteral("*.frm"),
                                         QStringLiteral("*.bas"), QStringLiteral("*.cls")}) +
           fixtures::namesIn(QStringLiteral("ledger"), {QStringLiteral("*.vbp")});
}

bool isProject(const QString &name)
{
    return name.endsWith(QLatin1String(".vbp"));
}

class RoundTripTest : public ::testing::TestWithParam<QString>
{
};

TEST(RoundTripFixtures, EnoughVarietyIsPresent)
{
    EXPECT_GE(goodFixtures().size(), 15);
}

TEST_P(RoundTripTest, UneditedFileWritesBackByteForByte)
{
    const QString name = fixtures::path(GetParam());
    const QByteArray original = fixtures::bytes(name);
    const QByteArray written =
        isProject(name) ? ProjectFile::load(name).toBytes() : FormFile::load(name).toBytes();
    EXPECT_EQ(written, original);
}

TEST_P(RoundTripTest, SaveAsProducesTheSameFile)
{
    const QString name = fixtures::path(GetParam());
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy"));
    if (isProject(name)) {
        ProjectFile p = ProjectFile::load(name);
        p.saveAs(copy);
        EXPECT_EQ(p.fileName(), copy);
    } else {
        FormFile f = FormFile::load(name);
        f.saveAs(copy);
        EXPECT_EQ(f.fileName(), copy);
    }
    EXPECT_EQ(fixtures::bytes(copy), fixtures::bytes(name));
}

TEST_P(RoundTripTest, SettingAValueToWhatItIsChangesNoByte)
{
    const QString name = fixtures::path(GetParam());
    const QByteArray original = fixtures::bytes(name);
    if (isProject(name)) {
        ProjectFile p = ProjectFile::load(name);
        for (const ProjectEntry &e : p.entries()) {
            if (e.section.isEmpty())
                p.setValue(e.key, p.value(e.key));
        }
        EXPECT_EQ(p.toBytes(), original);
        return;
    }
    FormFile f = FormFile::load(name);
    for (ControlNode *c : f.controls()) {
        for (const FormProperty &prop : c->properties())
            c->setProperty(prop.name, c->propertyText(prop.name));
    }
    for (const QString &a : f.attributeNames())
        f.setAttribute(a, f.attribute(a));
    // A lone CR is a line break once code is set as text; see FormEditTest.
    if (!f.code().contains(QLatin1Char('\r')))
        f.setCode(f.code());
    EXPECT_EQ(f.toBytes(), original);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RoundTripTest, ::testing::ValuesIn(goodFixtures()),
                         [](const ::testing::TestParamInfo<QString> &info) {
                             QString n = info.param;
                             n.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")),
                                       QStringLiteral("_"));
                             return n.toStdString();
                         });

} // namespace

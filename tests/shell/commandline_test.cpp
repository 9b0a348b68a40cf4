#include "ide/shell/commandline.h"

#include <gtest/gtest.h>

using vbhost::parseCommandLine;

TEST(CommandLineTest, ProjectAndAddInsInOrder)
{
    const auto c = parseCommandLine({"--addin", "B.connect", "Demo.vbp", "--addin=A.connect"});
    EXPECT_TRUE(c.error.isEmpty()) << c.error.toStdString();
    EXPECT_EQ(c.project, "Demo.vbp");
    EXPECT_EQ(c.addins, QStringList({"B.connect", "A.connect"}));
}

TEST(CommandLineTest, NothingGivenStartsEmpty)
{
    const auto c = parseCommandLine({});
    EXPECT_TRUE(c.error.isEmpty());
    EXPECT_TRUE(c.project.isEmpty());
    EXPECT_TRUE(c.addins.isEmpty());
}

TEST(CommandLineTest, SameAddInTwiceLoadsOnceWhateverTheCase)
{
    const auto c = parseCommandLine({"--addin", "X.connect", "--addin", "x.CONNECT"});
    EXPECT_EQ(c.addins, QStringList({"X.connect"}));
}

TEST(CommandLineTest, CodePageIsAWindowsAnsiCodePage)
{
    EXPECT_EQ(parseCommandLine({"Gbk.vbp", "--codepage", "936"}).codePage, 936);
    EXPECT_EQ(parseCommandLine({"--codepage=1250"}).codePage, 1250);
    EXPECT_EQ(parseCommandLine({"Demo.vbp"}).codePage, 0); // found out from the project
}

TEST(CommandLineTest, CommandsToChooseKeepTheirCaptions)
{
    const auto c =
        parseCommandLine({"--choose", "Vantix Software's Tolvar Add-In", "--choose=A=B"});
    EXPECT_EQ(c.commands, QStringList({"Vantix Software's Tolvar Add-In", "A=B"}));
}

class CommandLineErrorTest : public ::testing::TestWithParam<QStringList>
{
};

TEST_P(CommandLineErrorTest, IsRefusedWithAMessage)
{
    EXPECT_FALSE(parseCommandLine(GetParam()).error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Bad, CommandLineErrorTest,
    ::testing::Values(QStringList{"--addin"}, QStringList{"--addin="},
                      QStringList{"--addin", "--addin", "X"}, QStringList{"One.vbp", "Two.vbp"},
                      QStringList{"--frobnicate"}, QStringList{"--choose"},
                      QStringList{"--choose", "--addin", "X"}, QStringList{"--codepage"},
                      QStringList{"--codepage", "65001"}, QStringList{"--codepage=cp936"}));

#include "platform/automation/error.h"
#include "platform/automation/value.h"
#include "platform/basic/basic.h"

#include <gtest/gtest.h>

using namespace basic;

struct ValCase
{
    const char *text;
    double expected;
};

class ValTest : public ::testing::TestWithParam<ValCase>
{
};

TEST_P(ValTest, ReadsLeadingNumber)
{
    EXPECT_DOUBLE_EQ(Val(QString::fromUtf8(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, ValTest,
                         ::testing::Values(ValCase{"12.5", 12.5}, ValCase{"  1 2 3abc", 123},
                                           ValCase{"abc", 0}, ValCase{"", 0},
                                           ValCase{"-3.5e2x", -350}, ValCase{"1D3", 1000},
                                           ValCase{"&H10", 16}, ValCase{"&HFFFF", -1},
                                           ValCase{"&O17", 15}, ValCase{"\t4\n2", 42},
                                           ValCase{".5", 0.5}, ValCase{"1e", 1},
                                           ValCase{"12,5", 12}, ValCase{"&HFFFFF", 1048575}));

TEST(RoundingTest, HalvesGoToEvenNeighbour)
{
    EXPECT_EQ(toInteger(0.5), 0);
    EXPECT_EQ(toInteger(1.5), 2);
    EXPECT_EQ(toInteger(2.5), 2);
    EXPECT_EQ(toInteger(-2.5), -2);
    EXPECT_EQ(toLong(1200.5), 1200);
    EXPECT_EQ(toLong(100.4), 100);
}

TEST(RoundingTest, OutOfRangeRaisesOverflow)
{
    EXPECT_EQ(toInteger(32767.4), 32767);
    EXPECT_EQ(toInteger(-32768.5), -32768);
    try {
        toInteger(32767.5);
        FAIL();
    } catch (const automation::Error &e) {
        EXPECT_EQ(e.number(), 6);
        EXPECT_EQ(e.description(), "Overflow");
    }
    EXPECT_THROW(toLong(3e9), automation::Error);
}

TEST(NumberToTextTest, WritesBasicForm)
{
    EXPECT_EQ(numberToText(100.0), "100");
    EXPECT_EQ(numberToText(-7.0), "-7");
    EXPECT_EQ(numberToText(12.5), "12.5");
    EXPECT_EQ(numberToText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(numberToText(1e-5), "1E-05");
    EXPECT_EQ(numberToText(1e20), "1E+20");
}

TEST(ValueTest, ConvertsLikeBasic)
{
    using automation::Value;
    EXPECT_EQ(Value().toString(), "");
    EXPECT_EQ(Value().toLong(), 0);
    EXPECT_EQ(Value(1200.5).toLong(), 1200);
    EXPECT_EQ(Value("480").toInteger(), 480);
    EXPECT_EQ(Value(qint16(5)).toString(), "5");
    EXPECT_EQ(Value(true).toLong(), -1);
    EXPECT_THROW(Value("abc").toLong(), automation::Error);
    EXPECT_THROW(Value(40000.0).toInteger(), automation::Error);
    EXPECT_FALSE(Value(qint16(1)) == Value(qint32(1)));
}

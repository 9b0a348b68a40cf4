#include "addin/library/findcriteria.h"

#include "platform/automation/error.h"

#include <gtest/gtest.h>

using tolvar::parseFindCriteria;

struct CriteriaCase
{
    const char *text;
    const char *field;
    qint64 number;
};

class FindCriteriaAccepts : public ::testing::TestWithParam<CriteriaCase>
{
};

TEST_P(FindCriteriaAccepts, FieldAndNumber)
{
    const auto criteria = parseFindCriteria(QString::fromUtf8(GetParam().text));
    EXPECT_EQ(criteria.field, QString::fromUtf8(GetParam().field));
    EXPECT_EQ(criteria.number, GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(FindCriteriaTest, FindCriteriaAccepts,
                         ::testing::Values(CriteriaCase{"ID = 12", "ID", 12},
                                           CriteriaCase{"ID=7", "ID", 7},
                                           CriteriaCase{"  id   =  40  ", "id", 40},
                                           CriteriaCase{"[ID] = 3", "ID", 3},
                                           CriteriaCase{"ID = -4", "ID", -4},
                                           CriteriaCase{"ID = 2147483648", "ID", 2147483648LL}));

class FindCriteriaRejects : public ::testing::TestWithParam<const char *>
{
};

TEST_P(FindCriteriaRejects, WithSyntaxError)
{
    try {
        parseFindCriteria(QString::fromUtf8(GetParam()));
        FAIL() << "accepted " << GetParam();
    } catch (const automation::Error &e) {
        EXPECT_EQ(e.number(), 3077);
        EXPECT_EQ(e.description(), "Syntax error in expression.");
    }
}

// Only the number is ever passed on, so anything that is not a plain number is refused.
INSTANTIATE_TEST_SUITE_P(FindCriteriaTest, FindCriteriaRejects,
                         ::testing::Values("ID = ", "", "ID", "= 5", "ID = '1'", "ID = 1 OR 1=1",
                                           "ID = 1; DROP TABLE Subs", "ID = 1.5", "ID == 1",
                                           "I\"D = 1", "ID = 1234567890123456789"));

#include "ide/code/basiclexer.h"

#include <gtest/gtest.h>

using namespace vbhost;

TEST(BasicLexerTest, KeywordsAndCommentsAsTheEnvironmentColoursThem)
{
    const struct
    {
        const char *line;
        QStringList keywords;
        const char *comment;
    } cases[] = {
        {"Option Explicit", {"Option", "Explicit"}, ""},
        {"If x Then y = 1 ' If not", {"If", "Then"}, "' If not"},
        {"txtName.Text = \"If \"\" Then\" : Rem the rest", {}, "Rem the rest"},
        {"dim s as string: s = Format$(Date)", {"dim", "as", "string", "Date"}, ""},
        {"#If Win32 Then", {"#If", "Then"}, ""},
        {"x = &HFF And Me.Line", {"And", "Me"}, ""},
        {"Remark = 1", {}, ""},
    };
    for (const auto &c : cases) {
        const QString line = QString::fromLatin1(c.line);
        QStringList keywords;
        QString comment;
        for (const CodeSpan &s : colourLine(line).spans) {
            if (s.kind == CodeSpanKind::Keyword)
                keywords << line.mid(s.start, s.length);
            else
                comment = line.mid(s.start, s.length);
        }
        EXPECT_EQ(keywords, c.keywords) << c.line;
        EXPECT_EQ(comment, c.comment) << c.line;
    }
}

TEST(BasicLexerTest, CommentEndingInAContinuationGoesOn)
{
    const LineColours first = colourLine(u"x = 1 ' note _");
    EXPECT_TRUE(first.commentContinues);
    const LineColours next = colourLine(u"If still comment", true);
    ASSERT_EQ(next.spans.size(), 1);
    EXPECT_EQ(next.spans[0], (CodeSpan{0, 16, CodeSpanKind::Comment}));
    EXPECT_FALSE(next.commentContinues);
}

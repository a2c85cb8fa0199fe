#include "mlineformat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace solvane;

namespace {
// The fields of a line as "q:text" for quoted and "b:text" for bare ones, or "bad".
std::vector<std::string> Fields(std::string_view line, int capacity = 8)
{
    LineField f[8];
    const int n = SplitFields(line, f, capacity);
    if (n < 0)
        return {"bad"};
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i)
        out.push_back((f[i].Quoted ? "q:" : "b:") + f[i].Unescaped());
    return out;
}
using V = std::vector<std::string>;
} // namespace

TEST(LineFormat, FieldsOfTheWriteForm)
{
    EXPECT_EQ(Fields("\"12/7/2003 6:42:02 PM\",\"Freecell\",12345,315,120,500,1"),
              (V{"q:12/7/2003 6:42:02 PM", "q:Freecell", "b:12345", "b:315", "b:120", "b:500", "b:1"}));
    EXPECT_EQ(Fields("\"a, b\" , 7 ,\"\""), (V{"q:a, b", "b:7", "q:"}));
    EXPECT_EQ(Fields("\"say \"\"hi\"\"\",1"), (V{"q:say \"hi\"", "b:1"}));
    EXPECT_EQ(Fields("1,,2,"), (V{"b:1", "b:", "b:2", "b:"}));
    EXPECT_EQ(Fields(""), V{});
    EXPECT_EQ(Fields("   \t"), V{});
}

TEST(LineFormat, MalformedLinesAreRecognised)
{
    EXPECT_EQ(Fields("\"open,1,2"), V{"bad"});          // the quote never closes
    EXPECT_EQ(Fields("\"a\"b,1"), V{"bad"});            // text after the closing quote
    EXPECT_EQ(Fields("a\"b,1"), V{"bad"});              // a quote inside a bare field
    EXPECT_EQ(Fields("1,2,3", 2), V{"bad"});            // more fields than a record has
    EXPECT_EQ(Fields("\"x\",\"", 4), V{"bad"});
}

TEST(LineFormat, NumbersAndGameNumbers)
{
    LineField f[1];
    auto whole = [&f](std::string_view text, int64_t lo, int64_t hi, int64_t& v) {
        return SplitFields(text, f, 1) == 1 && ParseWhole(f[0], lo, hi, v);
    };
    int64_t v = 0;
    EXPECT_TRUE(whole(" -20 ", -32768, 32767, v));
    EXPECT_EQ(v, -20);
    EXPECT_TRUE(whole("+7", 0, 10, v));
    EXPECT_EQ(v, 7);
    for (const char* bad : {"", "x", "1.5", "1e3", "32768", "\"5\"", "5 5", "--1"})
        EXPECT_FALSE(whole(bad, -32768, 32767, v)) << bad;

    cGameNo no;
    ASSERT_EQ(SplitFields("1000000000000000", f, 1), 1);
    ASSERT_TRUE(ParseGameNo(f[0], no));
    EXPECT_FALSE(no.IsText());
    EXPECT_EQ(no.Value(), 1e15);
    ASSERT_EQ(SplitFields("\"1,234\"", f, 1), 1);
    ASSERT_TRUE(ParseGameNo(f[0], no));
    EXPECT_TRUE(no.IsText());
    EXPECT_EQ(no.Text(), "1,234");
    for (const char* bad : {"abc", "", "inf", "nan", "12x"}) {
        ASSERT_EQ(SplitFields(bad, f, 1), bad[0] ? 1 : 0);
        EXPECT_FALSE(bad[0] && ParseGameNo(f[0], no)) << bad;
    }
}

TEST(LineFormat, WrittenFieldsReadBackAsWritten)
{
    EXPECT_EQ(QuotedField("Baker's Game"), "\"Baker's Game\"");
    EXPECT_EQ(QuotedField("a\"b"), "\"a\"\"b\"");
    EXPECT_EQ(GameNoField(cGameNo(12345)), "12345");
    EXPECT_EQ(GameNoField(cGameNo(1e15)), "1000000000000000");
    EXPECT_EQ(GameNoField(cGameNo::FromText("1,234")), "\"1,234\"");
    EXPECT_EQ(GameNoField(cGameNo::FromText("12345")), "\"12345\"");

    const QByteArray line = QuotedField(QString::fromUtf8("Ünal \"the\" best")) + ',' + GameNoField(cGameNo(7.5));
    LineField f[2];
    ASSERT_EQ(SplitFields(std::string_view(line.constData(), line.size()), f, 2), 2);
    EXPECT_EQ(f[0].ToQString(), QString::fromUtf8("Ünal \"the\" best"));
    cGameNo no;
    ASSERT_TRUE(ParseGameNo(f[1], no));
    EXPECT_EQ(no.Value(), 7.5);
    EXPECT_FALSE(FitsOnOneLine("two\nlines"));
    EXPECT_FALSE(FitsOnOneLine("cr\r"));
}

// Splitting file bytes into lines, whole or in pieces, and joining lines with CR LF.
#include "settings/TextLines.h"
#include "core/Errors.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

using namespace std::string_view_literals;
using Lines = std::vector<std::string>;

namespace tintor {
namespace {

struct SplitCase {
    std::string_view bytes;
    Lines lines;
};

class SplitTextLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextLinesTest, SplitsWholeText) {
    EXPECT_EQ(SplitTextLines(GetParam().bytes), GetParam().lines);
}

// Reading a file hands the text over in pieces; every cut, even inside CR LF, gives the same lines.
TEST_P(SplitTextLinesTest, SplitsTextCutAnywhere) {
    const std::string_view bytes = GetParam().bytes;
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        TextLineSplitter splitter;
        if (splitter.Feed(bytes.substr(0, cut))) splitter.Feed(bytes.substr(cut));
        EXPECT_EQ(splitter.Finish(), GetParam().lines) << "cut at " << cut;
    }
    TextLineSplitter bytewise;
    for (char c : bytes)
        bytewise.Feed(std::string_view(&c, 1));
    EXPECT_EQ(bytewise.Finish(), GetParam().lines) << "byte by byte";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTextLinesTest,
    ::testing::Values(SplitCase{""sv, {}}, SplitCase{"a"sv, {"a"}}, SplitCase{"a\r\n"sv, {"a"}},
                      SplitCase{"a\r\n\r\n"sv, {"a", ""}}, SplitCase{"\r\n"sv, {""}},
                      SplitCase{"\n\n"sv, {"", ""}}, SplitCase{"a\nb"sv, {"a", "b"}},
                      SplitCase{"a\rb\r"sv, {"a", "b"}}, SplitCase{"a\r\rb"sv, {"a", "", "b"}},
                      SplitCase{"a\n\rb"sv, {"a", "", "b"}},
                      SplitCase{"ab\r\ncd\ref\n\ngh\r"sv, {"ab", "cd", "ef", "", "gh"}},
                      // NUL ends the text wherever it stands.
                      SplitCase{"a\0b\r\nc"sv, {"a"}}, SplitCase{"a\r\n\0\r\nb"sv, {"a"}},
                      SplitCase{"\0abc"sv, {}},
                      // Shift_JIS bytes pass unchanged, a trail byte 0x5C included.
                      SplitCase{"\x82\xa0\r\n\x95\x5c"sv, {"\x82\xa0", "\x95\x5c"}}));

TEST(TextLineSplitterTest, StopsAtMaxLines) {
    TextLineSplitter splitter(2);
    EXPECT_FALSE(splitter.Feed("a\r\nb\r\nc\r\n"));
    EXPECT_FALSE(splitter.Feed("d\r\n"));
    EXPECT_EQ(splitter.Finish(), (Lines{"a", "b"}));

    TextLineSplitter unfinished(2);
    EXPECT_TRUE(unfinished.Feed("a\r\nb"));
    EXPECT_EQ(unfinished.Finish(), (Lines{"a", "b"}));
}

TEST(JoinTextLinesTest, EndsEveryLineWithCrLfAndSplitsBack) {
    const Lines lines{"a", "", "\x82\xa0"};
    EXPECT_EQ(JoinTextLines(lines), "a\r\n\r\n\x82\xa0\r\n");
    EXPECT_EQ(SplitTextLines(JoinTextLines(lines)), lines);
    EXPECT_EQ(JoinTextLines({}), "");
}

TEST(LineAtTest, MissingLineRaisesListErrorWithIndex) {
    const Lines lines{"a", "b"};
    EXPECT_EQ(LineAt(lines, 1), "b");
    try {
        LineAt(lines, 2);
        FAIL() << "no error";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Index(), 2);
        EXPECT_STREQ(e.what(), "リストのインデックスが範囲を超えています (2)");
    }
}

} // namespace
} // namespace tintor

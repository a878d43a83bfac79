// What SHOW and COPY decide for the text of the main window's text box.
#include "colour/ColorTextAnalysis.h"

#include "colour/ColorNames.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace tintor {
namespace {

using K = ShowOutcome::Kind;

struct ShowCase {
    std::string text;
    K kind;
    std::uint32_t color = 0; // checked for NameFound and Apply only
};

std::ostream& operator<<(std::ostream& os, const ShowCase& c) {
    return os << '"' << c.text << "\" -> kind " << static_cast<int>(c.kind);
}

class ShowTest : public ::testing::TestWithParam<ShowCase> {};

TEST_P(ShowTest, Decides) {
    const ShowCase& c = GetParam();
    const ShowOutcome outcome = AnalyzeShowText(c.text);
    EXPECT_EQ(outcome.kind, c.kind) << c.text;
    if (c.kind == K::NameFound || c.kind == K::Apply) {
        EXPECT_EQ(outcome.color, static_cast<TColor>(c.color)) << c.text;
    }
}

// Every notation of the same orange, in both digit cases.
INSTANTIATE_TEST_SUITE_P(Accepted, ShowTest,
                         ::testing::Values(ShowCase{"#FF8000", K::Apply, 0x000080FF},
                                           ShowCase{"#ff8000", K::Apply, 0x000080FF},
                                           ShowCase{"255,128,000", K::Apply, 0x000080FF},
                                           ShowCase{"$000080FF", K::Apply, 0x000080FF},
                                           ShowCase{"$000080ff", K::Apply, 0x000080FF},
                                           ShowCase{"&H0080FF&", K::Apply, 0x000080FF},
                                           ShowCase{"0x000080FF", K::Apply, 0x000080FF},
                                           ShowCase{"0x000080ff", K::Apply, 0x000080FF},
                                           ShowCase{"000,000,000", K::Apply, 0x00000000},
                                           ShowCase{"255,255,255", K::Apply, 0x00FFFFFF},
                                           // High bytes of a Delphi text are kept.
                                           ShowCase{"$80000005", K::Apply, 0x80000005},
                                           ShowCase{"$FFFFFFFF", K::Apply, 0xFFFFFFFF}));

// Positions that are not examined: RGB separators, the Visual Basic "H" and closing "&".
// An RGB field is an integer text of its own.
INSTANTIATE_TEST_SUITE_P(NotExamined, ShowTest,
                         ::testing::Values(ShowCase{"255;128;000", K::Apply, 0x000080FF},
                                           ShowCase{"255x128\x82"
                                                    "000",
                                                    K::Apply, 0x000080FF},
                                           ShowCase{"&Z0080FF!", K::Apply, 0x000080FF},
                                           ShowCase{"0x1,000,000", K::Apply, 0x00000001},
                                           ShowCase{"001,  2,  3", K::Apply, 0x00030201},
                                           ShowCase{"0xF,$10,x20", K::Apply, 0x0020100F},
                                           ShowCase{"000,+01,000", K::Apply, 0x00000100}));

INSTANTIATE_TEST_SUITE_P(
    Names, ShowTest,
    ::testing::Values(ShowCase{"clSkyBlue", K::NameFound, 0x00F0CAA6},
                      ShowCase{"clDkGray", K::NameFound, 0x00808080},
                      ShowCase{"clLtGray", K::NameFound, 0x00C0C0C0},
                      ShowCase{"clAqua", K::NameFound, 0x00FFFF00},
                      ShowCase{"clYellow", K::NameFound, 0x0000FFFF},
                      // Case-sensitive, whole text, and no system colours.
                      ShowCase{"clred", K::NameUnknown}, ShowCase{"cl", K::NameUnknown},
                      ShowCase{"clRed ", K::NameUnknown}, ShowCase{"clWindow", K::NameUnknown},
                      ShowCase{"clNone", K::NameUnknown}, ShowCase{"cl\x82\xa0", K::NameUnknown},
                      ShowCase{"c", K::NotationThenClear}, ShowCase{"cx", K::NotationThenClear},
                      ShowCase{"cL", K::NotationThenClear},
                      ShowCase{"cLRed", K::NotationThenClear}));

INSTANTIATE_TEST_SUITE_P(
    WrongLength, ShowTest,
    ::testing::Values(ShowCase{"#FF80", K::NumberRefused}, ShowCase{"#", K::NumberRefused},
                      ShowCase{"#FF80000", K::NumberRefused},
                      ShowCase{"&H0080FF", K::NumberRefused}, ShowCase{"$0080FF", K::NumberRefused},
                      ShowCase{"$", K::NumberRefused}, ShowCase{"$000080FF0", K::NumberRefused},
                      ShowCase{"12345", K::NumberRefused}, ShowCase{"0", K::NumberRefused},
                      ShowCase{"255,128,0000", K::NumberRefused},
                      ShowCase{"0x000080FF0", K::NumberRefused}));

// Texts of the right length whose conversion or range test fails.
INSTANTIATE_TEST_SUITE_P(
    ConversionAndRange, ShowTest,
    ::testing::Values(
        ShowCase{"#GG0000", K::NumberRefused}, ShowCase{"#-10000", K::NumberRefused},
        ShowCase{"#FF 000", K::NumberRefused}, ShowCase{"#  0000", K::NumberRefused},
        ShowCase{"#\x82\xa0"
                 "0000",
                 K::NumberRefused},
        ShowCase{"$0000GG00", K::NumberRefused}, ShowCase{"$ 0000001", K::NumberRefused},
        ShowCase{"$-0000001", K::NumberRefused}, ShowCase{"&H00 0FF&", K::NumberRefused},
        ShowCase{"&H-080FF&", K::NumberRefused}, ShowCase{"0x00GG0000", K::NumberRefused},
        ShowCase{"0x00-00000", K::NumberRefused}, ShowCase{"256,000,000", K::NumberRefused},
        ShowCase{"000,300,000", K::NumberRefused}, ShowCase{"000,000,-01", K::NumberRefused},
        ShowCase{"000,000,256", K::NumberRefused}, ShowCase{"2 5,000,000", K::NumberRefused},
        ShowCase{"255,12 ,000", K::NumberRefused}, ShowCase{"255,128,0a0", K::NumberRefused},
        ShowCase{"255,128,\x82\xa0"
                 "0",
                 K::NumberRefused}));

// Ten bytes from "0", "1" or "2" convert only with exactly "0x00" in front.
INSTANTIATE_TEST_SUITE_P(TenBytes, ShowTest,
                         ::testing::Values(ShowCase{"0X000080FF", K::Unconverted},
                                           ShowCase{"1x000080FF", K::Unconverted},
                                           ShowCase{"0x010080FF", K::Unconverted},
                                           ShowCase{"2222222222", K::Unconverted}));

INSTANTIATE_TEST_SUITE_P(
    NoNotation, ShowTest,
    ::testing::Values(ShowCase{"", K::Nothing}, ShowCase{" #FF0000", K::LeadingBlank},
                      ShowCase{" ", K::LeadingBlank}, ShowCase{"xyz", K::ClearThenNotation},
                      ShowCase{"Clred", K::ClearThenNotation},
                      ShowCase{"3x000080FF", K::ClearThenNotation},
                      ShowCase{"\t#FF0000", K::ClearThenNotation},
                      ShowCase{"\x82\xa0", K::ClearThenNotation},
                      ShowCase{"\x82\x83l", K::ClearThenNotation},
                      ShowCase{std::string("\0#FF0000", 8), K::ClearThenNotation}));

TEST(ShowAnalysisTest, OnlyEmptyAndLeadingBlankSkipTheAnalysis) {
    EXPECT_FALSE(ReachesAnalysis(K::Nothing));
    EXPECT_FALSE(ReachesAnalysis(K::LeadingBlank));
    for (const K kind : {K::NotationThenClear, K::ClearThenNotation, K::NameFound, K::NameUnknown,
                         K::Apply, K::NumberRefused, K::Unconverted}) {
        EXPECT_TRUE(ReachesAnalysis(kind)) << static_cast<int>(kind);
    }
}

// The SHOW list is its own: every entry is found by SHOW, and the names it shares with the
// colour name table carry the same values.
TEST(ShowNameListTest, EveryNameIsFoundAndAgreesWithTheNameTable) {
    const auto list = ShowNameList();
    ASSERT_EQ(list.size(), 22u);
    EXPECT_EQ(list.front().name, "clAqua");
    EXPECT_EQ(list.back().name, "clYellow");
    int shared = 0;
    for (const ShowName& entry : list) {
        const ShowOutcome outcome = AnalyzeShowText(entry.name);
        EXPECT_EQ(outcome.kind, K::NameFound) << entry.name;
        EXPECT_EQ(outcome.color, entry.value) << entry.name;
        for (const ColorName& named : ColorNameTable()) {
            if (named.name == entry.name) {
                EXPECT_EQ(named.value, entry.value) << entry.name;
                ++shared;
            }
        }
    }
    EXPECT_EQ(shared, 20); // all but clDkGray and clLtGray
}

// Any text the five formatters write is shown again as the same colour.
TEST(ShowAnalysisTest, FormattedTextsReadBack) {
    for (const TColor color : {0x00000000, 0x009B684D, 0x000080FF, 0x00FFFFFF, 0x00010203}) {
        for (const int format : {FormatHtml, FormatRgb, FormatDelphi, FormatVb, FormatCpp}) {
            const std::string text = *FormatColorText(format, color);
            const ShowOutcome outcome = AnalyzeShowText(text);
            EXPECT_EQ(outcome.kind, K::Apply) << text;
            EXPECT_EQ(outcome.color, color) << text;
        }
    }
}

struct CopyCase {
    std::string text;
    CopyOutcome outcome;
};

std::ostream& operator<<(std::ostream& os, const CopyCase& c) {
    return os << '"' << c.text << '"';
}

class CopyTest : public ::testing::TestWithParam<CopyCase> {};

TEST_P(CopyTest, Decides) {
    EXPECT_EQ(AnalyzeCopyText(GetParam().text), GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CopyTest,
    ::testing::Values(
        CopyCase{"", CopyOutcome::LengthRefused}, CopyCase{"#FF", CopyOutcome::LengthRefused},
        CopyCase{"#FF0", CopyOutcome::LengthRefused}, CopyCase{"abcd", CopyOutcome::LengthRefused},
        CopyCase{"#FF00", CopyOutcome::Copy}, CopyCase{"$0000", CopyOutcome::Copy},
        CopyCase{"clXYZ", CopyOutcome::Copy}, CopyCase{"&H00&", CopyOutcome::Copy},
        CopyCase{"12345", CopyOutcome::Copy}, CopyCase{"0zzzz", CopyOutcome::Copy},
        CopyCase{"2....", CopyOutcome::Copy}, CopyCase{"hello", CopyOutcome::FormatRefused},
        CopyCase{"3x000080FF", CopyOutcome::FormatRefused},
        CopyCase{" #FF0000", CopyOutcome::FormatRefused},
        CopyCase{"Clred", CopyOutcome::FormatRefused},
        // Length counts bytes: two double-byte characters are four bytes.
        CopyCase{"\x82\xa0\x82\xa0", CopyOutcome::LengthRefused},
        CopyCase{"\x82\xa0\x82\xa0\x82", CopyOutcome::FormatRefused},
        CopyCase{"c\x82\xa0\x82\xa0", CopyOutcome::Copy}));

} // namespace
} // namespace tintor

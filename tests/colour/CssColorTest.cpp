// CSS colour texts: the accepted forms, the refused ones, and the named colour table.
#include "colour/CssColor.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace tintor {
namespace {

struct CssCase {
    const char* name;
    const char* text;
    CssColorResult::Status status;
    TColor color; // 0x00BBGGRR, for Ok
};

void PrintTo(const CssCase& c, std::ostream* os) {
    *os << c.name;
}

class CssColorTest : public ::testing::TestWithParam<CssCase> {};

TEST_P(CssColorTest, Reads) {
    const CssCase& c = GetParam();
    const CssColorResult result = ParseCssColor(c.text);
    EXPECT_EQ(result.status, c.status) << c.text;
    if (c.status == CssColorResult::Ok) {
        EXPECT_EQ(result.color, c.color) << c.text;
    }
}

constexpr auto Ok = CssColorResult::Ok;
constexpr auto Bad = CssColorResult::Malformed;
constexpr auto None = CssColorResult::NotCss;

INSTANTIATE_TEST_SUITE_P(
    Forms, CssColorTest,
    ::testing::Values(
        // Hexadecimal: three digits double each digit; red comes first in the text.
        CssCase{"ShortHex", "#f80", Ok, 0x0088FF},
        CssCase{"LongHexMixedCase", "#aBcDeF", Ok, 0xEFCDAB},
        CssCase{"HexFourDigits", "#f80f", Bad, 0}, CssCase{"HexBadDigit", "#12345g", Bad, 0},
        CssCase{"HashAlone", "#", Bad, 0},
        // rgb() with commas or blanks, percentages, blanks around everything.
        CssCase{"RgbCommas", "rgb(255, 128, 0)", Ok, 0x0080FF},
        CssCase{"RgbBlanks", "rgb(255 128 0)", Ok, 0x0080FF},
        CssCase{"RgbUpperTight", "RGB(1,2,3)", Ok, 0x030201},
        CssCase{"RgbPaddedOutside", "  rgb( 10 , 20 , 30 )  ", Ok, 0x1E140A},
        CssCase{"RgbPercent", "rgb(100%, 50%, 0%)", Ok, 0x0080FF},
        CssCase{"RgbFractionRounds", "rgb(127.5, 0.4, 0)", Ok, 0x000080},
        CssCase{"RgbAbove255", "rgb(256, 0, 0)", Bad, 0},
        CssCase{"RgbNegative", "rgb(-1, 0, 0)", Bad, 0},
        CssCase{"RgbTwoValues", "rgb(1, 2)", Bad, 0},
        CssCase{"RgbFourValues", "rgb(1, 2, 3, 4)", Bad, 0},
        CssCase{"RgbTrailingComma", "rgb(1, 2, 3,)", Bad, 0},
        CssCase{"RgbMixedSeparators", "rgb(1 2, 3)", Bad, 0},
        CssCase{"RgbUnclosed", "rgb(1, 2, 3", Bad, 0},
        CssCase{"RgbAlphaSlash", "rgb(1 2 3 / 50%)", Bad, 0},
        CssCase{"RgbaRefused", "rgba(1, 2, 3, 1)", Bad, 0},
        CssCase{"RgbWithUnit", "rgb(1deg, 2, 3)", Bad, 0}, CssCase{"RgbEmpty", "rgb()", Bad, 0},
        // hsl(): the primaries and greys, hue wrapping, "deg".
        CssCase{"HslRed", "hsl(0, 100%, 50%)", Ok, 0x0000FF},
        CssCase{"HslGreenBlanks", "hsl(120 100% 25%)", Ok, 0x008000},
        CssCase{"HslBlueDeg", "hsl(240deg, 100%, 50%)", Ok, 0xFF0000},
        CssCase{"HslHueWraps", "hsl(-240, 100%, 50%)", Ok, 0x00FF00},
        CssCase{"HslHue720", "hsl(720, 100%, 50%)", Ok, 0x0000FF},
        CssCase{"HslGreyHalfRoundsUp", "hsl(0, 0%, 50%)", Ok, 0x808080},
        CssCase{"HslWhite", "hsl(77, 30%, 100%)", Ok, 0xFFFFFF},
        CssCase{"HslOrange", "hsl(30, 100%, 50%)", Ok, 0x0080FF},
        CssCase{"HslSaturationAbove100", "hsl(0, 101%, 50%)", Bad, 0},
        CssCase{"HslHueInPercent", "hsl(10%, 50%, 50%)", Bad, 0},
        // Names, any ASCII case; SHOW's "cl" names are not CSS.
        CssCase{"NameRebeccaPurple", "rebeccapurple", Ok, 0x993366},
        CssCase{"NameUpperCase", "DodgerBlue", Ok, 0xFF901E},
        CssCase{"NameGreyAlias", "grey", Ok, 0x808080}, CssCase{"NameUnknown", "blurple", None, 0},
        CssCase{"DelphiName", "clRed", None, 0}, CssCase{"Transparent", "transparent", None, 0},
        CssCase{"OtherFunction", "lab(50 0 0)", None, 0}, CssCase{"Empty", "", None, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CssNamedColorsTable, SortedUniqueAndComplete) {
    // The look-up is a binary search: the table must stay in strict alphabetical order.
    const auto names = CssNamedColors();
    EXPECT_EQ(names.size(), 148u);
    EXPECT_TRUE(std::adjacent_find(names.begin(), names.end(), [](const auto& a, const auto& b) {
                    return a.name >= b.name;
                }) == names.end());
    for (const CssNamedColor& entry : names) {
        const CssColorResult result = ParseCssColor(entry.name);
        EXPECT_EQ(result.status, CssColorResult::Ok) << entry.name;
        EXPECT_EQ(result.color, entry.color) << entry.name;
    }
}

} // namespace
} // namespace tintor

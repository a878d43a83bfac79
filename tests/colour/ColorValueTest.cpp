// The five display formatters and the button font contrast rule.
#include "colour/ColorValue.h"

#include <gtest/gtest.h>

namespace tintor {
namespace {

struct FormatCase {
    std::uint32_t color;
    const char* html;
    const char* rgb;
    const char* delphi;
    const char* vb;
    const char* cpp;
};

class FormatterTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatterTest, EachNotation) {
    const FormatCase& c = GetParam();
    const auto color = static_cast<TColor>(c.color);
    EXPECT_EQ(ColorToHtmlText(color), c.html);
    EXPECT_EQ(ColorToRgbText(color), c.rgb);
    EXPECT_EQ(ColorToDelphiText(color), c.delphi);
    EXPECT_EQ(ColorToVbText(color), c.vb);
    EXPECT_EQ(ColorToCppText(color), c.cpp);
}

TEST_P(FormatterTest, FormatColorTextPicksByNumber) {
    const FormatCase& c = GetParam();
    const auto color = static_cast<TColor>(c.color);
    EXPECT_EQ(FormatColorText(FormatHtml, color), c.html);
    EXPECT_EQ(FormatColorText(FormatRgb, color), c.rgb);
    EXPECT_EQ(FormatColorText(FormatDelphi, color), c.delphi);
    EXPECT_EQ(FormatColorText(FormatVb, color), c.vb);
    EXPECT_EQ(FormatColorText(FormatCpp, color), c.cpp);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, FormatterTest,
    ::testing::Values(
        // Only HTML and RGB write red first; hex digits are uppercase.
        FormatCase{0x009B684D, "#4D689B", "077,104,155", "$009B684D", "&H9B684D&", "0x009B684D"},
        FormatCase{0x00000000, "#000000", "000,000,000", "$00000000", "&H000000&", "0x00000000"},
        FormatCase{0x00FFFFFF, "#FFFFFF", "255,255,255", "$00FFFFFF", "&HFFFFFF&", "0x00FFFFFF"},
        FormatCase{0x000A0B0C, "#0C0B0A", "012,011,010", "$000A0B0C", "&H0A0B0C&", "0x000A0B0C"},
        // The high byte is ignored: system colours, negative values and clNone.
        FormatCase{0x8000000F, "#0F0000", "015,000,000", "$0000000F", "&H00000F&", "0x0000000F"},
        FormatCase{0xFFFFFFFF, "#FFFFFF", "255,255,255", "$00FFFFFF", "&HFFFFFF&", "0x00FFFFFF"},
        FormatCase{0x1FFFFFFF, "#FFFFFF", "255,255,255", "$00FFFFFF", "&HFFFFFF&", "0x00FFFFFF"}));

TEST(FormatColorTextTest, NoTextOutsideTheFiveFormats) {
    EXPECT_EQ(FormatColorText(0, 0x00123456), std::nullopt);
    EXPECT_EQ(FormatColorText(6, 0x00123456), std::nullopt);
    EXPECT_EQ(FormatColorText(-1, 0x00123456), std::nullopt);
}

struct ContrastCase {
    std::uint32_t color;
    TColor font;
};

class ContrastTest : public ::testing::TestWithParam<ContrastCase> {};

TEST_P(ContrastTest, PicksFontColour) {
    EXPECT_EQ(ButtonFontColorFor(static_cast<TColor>(GetParam().color)), GetParam().font)
        << std::hex << GetParam().color;
}

INSTANTIATE_TEST_SUITE_P(
    Colours, ContrastTest,
    ::testing::Values(
        // Each byte below 85 gives light text; 85 in any one byte gives dark text.
        ContrastCase{0x00000000, LightButtonText}, ContrastCase{0x00545454, LightButtonText},
        ContrastCase{0x00545455, DarkButtonText}, ContrastCase{0x00545554, DarkButtonText},
        ContrastCase{0x00555454, DarkButtonText}, ContrastCase{0x00FFFFFF, DarkButtonText},
        ContrastCase{0x0000FF00, DarkButtonText},
        // Negative values are light whatever their bytes; 0x01000000 and up are dark.
        ContrastCase{0x80000005, LightButtonText}, ContrastCase{0xFFFFFFFF, LightButtonText},
        ContrastCase{0x01000000, DarkButtonText}, ContrastCase{0x1FFFFFFF, DarkButtonText},
        ContrastCase{0x20000000, DarkButtonText}));

} // namespace
} // namespace tintor

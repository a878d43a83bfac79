// The colour name table and the colour identifier text.
#include "colour/ColorNames.h"

#include "core/Errors.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tintor {
namespace {

TEST(ColorNameTableTest, FortyNineUniqueNamesAndValuesInTableOrder) {
    const auto table = ColorNameTable();
    ASSERT_EQ(table.size(), 49u);
    std::set<std::string_view> names;
    std::set<TColor> values;
    for (const ColorName& entry : table) {
        names.insert(entry.name);
        values.insert(entry.value);
    }
    EXPECT_EQ(names.size(), 49u);
    EXPECT_EQ(values.size(), 49u);
    EXPECT_EQ(table[0].name, "clBlack");
    EXPECT_EQ(table[19].name, "clMedGray");
    EXPECT_EQ(table[20].name, "clActiveBorder");
    EXPECT_EQ(table[48].name, "clWindowText");
    EXPECT_EQ(names.count("clDkGray"), 0u);
    EXPECT_EQ(names.count("clLtGray"), 0u);
}

// Every name reads back to its value and every value writes back to its name.
TEST(ColorNameTableTest, EveryEntryRoundTrips) {
    for (const ColorName& entry : ColorNameTable()) {
        EXPECT_EQ(ColorToIdentText(entry.value), entry.name);
        EXPECT_EQ(IdentTextToColor(entry.name), entry.value) << entry.name;
    }
}

struct IdentCase {
    std::uint32_t color;
    const char* text;
};

class ColorToIdentTextTest : public ::testing::TestWithParam<IdentCase> {};

TEST_P(ColorToIdentTextTest, WritesNameOrEightHexDigits) {
    const auto color = static_cast<TColor>(GetParam().color);
    EXPECT_EQ(ColorToIdentText(color), GetParam().text);
    EXPECT_EQ(IdentTextToColor(ColorToIdentText(color)), color);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ColorToIdentTextTest,
    ::testing::Values(IdentCase{0x00FFFFFF, "clWhite"}, IdentCase{0x009B684D, "$009B684D"},
                      IdentCase{0xFFFFFFFF, "$FFFFFFFF"}, IdentCase{0x00000001, "$00000001"},
                      IdentCase{0x8000000F, "clBtnFace"}, IdentCase{0x80000019, "$80000019"},
                      IdentCase{0x1FFFFFFF, "clNone"}, IdentCase{0x20000000, "clDefault"},
                      IdentCase{0x80000000, "clScrollBar"}, IdentCase{0x00A4A0A0, "clMedGray"}));

class IdentTextAccepted : public ::testing::TestWithParam<IdentCase> {};

TEST_P(IdentTextAccepted, ReadsNameOrIntegerText) {
    const auto color = static_cast<TColor>(GetParam().color);
    EXPECT_EQ(IdentTextToColor(GetParam().text), color) << GetParam().text;
    EXPECT_EQ(TryIdentTextToColor(GetParam().text), color) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IdentTextAccepted,
    ::testing::Values(IdentCase{0x00FFFFFF, "clwhite"}, IdentCase{0x00FFFFFF, "CLWHITE"},
                      IdentCase{0x00FFFFFF, "clWhite"}, IdentCase{0x00FFFFFF, "$00ffffff"},
                      IdentCase{0x00FFFFFF, "$FFFFFF"}, IdentCase{0x00FFFFFF, "0xFFFFFF"},
                      IdentCase{0x00FFFFFF, "xffffff"}, IdentCase{0x00FFFFFF, "16777215"},
                      IdentCase{42, "  42"}, IdentCase{0x80000005, "$80000005"},
                      IdentCase{0x80000005, "CLWINDOW"}, IdentCase{0x80000015, "CL3ddkshadow"},
                      IdentCase{1, "$000000001"}, IdentCase{0x80000000, "-2147483648"}));

class IdentTextRefused : public ::testing::TestWithParam<std::string> {};

TEST_P(IdentTextRefused, RaisesConversionErrorWithWholeText) {
    const std::string& text = GetParam();
    EXPECT_EQ(TryIdentTextToColor(text), std::nullopt) << text;
    try {
        IdentTextToColor(text);
        ADD_FAILURE() << "no error for '" << text << "'";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Text(), text);
        EXPECT_EQ(std::string(e.what()), "'" + text + "' は整数ではありません");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IdentTextRefused,
    ::testing::Values(
        "", "42 ", " clWhite", "clWhite ", "clDkGray", "clLtGray", "-$10", "+0x10", "$", "0x",
        "$100000000", "2147483648", "#FF0000",
        // Only ASCII letters fold: a double-byte "c" or a high byte near "W" never match.
        "\x82\x83lWhite", "cl\xd7hite", "\x82\xa0"));

} // namespace
} // namespace tintor

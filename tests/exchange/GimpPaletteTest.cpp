// GIMP palettes as GIMP, Inkscape and Krita write them, as hand-edited files bring them, and as
// bad files arrive; the GIMP and CSS exports; palettes as slot entries.
#include "settings/FileTestSupport.h"

#include "colour/ColorNames.h"
#include "exchange/GimpPalette.h"
#include "exchange/SlotPalette.h"

#include <gtest/gtest.h>

namespace tintor {
namespace {

using test::MessageOf;
using test::TempDir;

PaletteColor C(int r, int g, int b, std::string name = {}) {
    return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
            static_cast<std::uint8_t>(b), std::move(name)};
}

struct GoodCase {
    const char* name;
    std::string bytes;
    std::vector<PaletteColor> colors;
    std::string paletteName = {};
};

void PrintTo(const GoodCase& c, std::ostream* os) {
    *os << c.name;
}

class GoodPaletteTest : public ::testing::TestWithParam<GoodCase> {};

TEST_P(GoodPaletteTest, Reads) {
    const Palette palette = ParseGimpPalette(GetParam().bytes);
    EXPECT_EQ(palette.colors, GetParam().colors);
    EXPECT_EQ(palette.name, GetParam().paletteName);
}

INSTANTIATE_TEST_SUITE_P(
    Files, GoodPaletteTest,
    ::testing::Values(
        GoodCase{"CrLf",
                 "GIMP Palette\r\nName: A\r\n255 0 0\tRed\r\n0 0 255\tBlue\r\n",
                 {C(255, 0, 0, "Red"), C(0, 0, 255, "Blue")},
                 "A"},
        GoodCase{"CrOnlyNoFinalBreak",
                 "GIMP Palette\r1 2 3 One\r4 5 6 Two",
                 {C(1, 2, 3, "One"), C(4, 5, 6, "Two")}},
        GoodCase{"TabsBetweenNumbers",
                 "GIMP Palette\n1\t2\t3\tName with  inner  blanks \t\n",
                 {C(1, 2, 3, "Name with  inner  blanks")}},
        GoodCase{"CommentsBlankLinesAndIndent",
                 "GIMP Palette\n# first\n\n   \n  # indented comment\n  10  20  30  X\n#255 0 0 "
                 "not a colour\n",
                 {C(10, 20, 30, "X")}},
        GoodCase{"MissingNames", "GIMP Palette\n1 2 3\n4 5 6 \t \n", {C(1, 2, 3), C(4, 5, 6)}},
        GoodCase{
            "Utf8NamesAndBom",
            "\xEF\xBB\xBFGIMP Palette\nName: \xE8\x89\xB2\n1 2 3 \xE6\xA1\x9C\xE8\x89\xB2\n4 5 6 "
            "\xF0\x9F\x8C\xB8 blossom\n",
            {C(1, 2, 3, "\xE6\xA1\x9C\xE8\x89\xB2"), C(4, 5, 6, "\xF0\x9F\x8C\xB8 blossom")},
            "\xE8\x89\xB2"},
        GoodCase{"NoColours", "GIMP Palette\nName: Empty\nColumns: 4\n#\n", {}, "Empty"},
        GoodCase{"HeaderTrailingBlanks", "GIMP Palette  \nColumns: lots\n0 0 0\n", {C(0, 0, 0)}},
        GoodCase{"LeadingZerosAndPlus", "GIMP Palette\n000255 +0 -0 Z\n", {C(255, 0, 0, "Z")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GimpPalette, ThreeHundredColoursAllRead) {
    std::string bytes = "GIMP Palette\nName: Big\nColumns: 16\n#\n";
    std::vector<PaletteColor> expected;
    for (int i = 0; i < 300; ++i) {
        bytes += std::to_string(i % 256) + " " + std::to_string(255 - i % 256) + " " +
                 std::to_string(i / 2) + "\tc" + std::to_string(i) + "\n";
        expected.push_back(C(i % 256, 255 - i % 256, i / 2, "c" + std::to_string(i)));
    }
    const Palette palette = ParseGimpPalette(bytes);
    EXPECT_EQ(palette.columns, 16);
    EXPECT_EQ(palette.colors, expected);
}

struct OtherProgramCase {
    const char* file;
    std::vector<PaletteColor> colors;
};

void PrintTo(const OtherProgramCase& c, std::ostream* os) {
    *os << c.file;
}

class OtherProgramTest : public ::testing::TestWithParam<OtherProgramCase> {};

TEST_P(OtherProgramTest, ReadsAsWritten) {
    const Palette palette = LoadGimpPalette(std::string(TINTOR_TEST_DATA) + "/" + GetParam().file);
    EXPECT_EQ(palette.colors, GetParam().colors);
}

INSTANTIATE_TEST_SUITE_P(
    Writers, OtherProgramTest,
    ::testing::Values(
        // GIMP pads the numbers to three places and calls unnamed colours "Untitled".
        OtherProgramCase{
            "gimp.gpl",
            {C(8, 8, 8, "Untitled"), C(68, 44, 44, "Untitled"), C(255, 255, 255, "White")}},
        // Inkscape's palettes set names off with two blanks and carry comments.
        OtherProgramCase{"inkscape.gpl",
                         {C(0, 0, 0, "Black (#000000)"), C(255, 255, 255, "White (#FFFFFF)"),
                          C(230, 159, 0, "Orange \xE6\xA9\x99\xE8\x89\xB2")}},
        // Krita writes the numbers unpadded and may leave a name empty.
        OtherProgramCase{"krita.gpl", {C(255, 0, 0, "Red"), C(0, 128, 0), C(0, 0, 255, "Blue")}}),
    [](const auto& info) {
        std::string name = info.param.file;
        return name.substr(0, name.find('.'));
    });

struct BadCase {
    const char* name;
    std::string bytes;
    std::string message;
};

void PrintTo(const BadCase& c, std::ostream* os) {
    *os << c.name;
}

class BadPaletteTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadPaletteTest, RefusedWithItsMessage) {
    EXPECT_EQ(MessageOf<PaletteError>([&] { ParseGimpPalette(GetParam().bytes); }),
              GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadPaletteTest,
    ::testing::Values(
        BadCase{"Empty", "", NotPaletteMessage},
        BadCase{"OtherFormat", "JASC-PAL\n0100\n1\n0 0 0\n", NotPaletteMessage},
        BadCase{"HeaderNotFirst", "\nGIMP Palette\n0 0 0\n", NotPaletteMessage},
        BadCase{"HeaderLowerCase", "gimp palette\n0 0 0\n", NotPaletteMessage},
        BadCase{"NulByte", std::string("GIMP Palette\n0 0 0 a\0b\n", 22), NotPaletteMessage},
        BadCase{"Above255", "GIMP Palette\n# c\n0 256 0 x\n", ColorOutOfRangeMessage(3)},
        BadCase{"Negative", "GIMP Palette\n-1 0 0\n", ColorOutOfRangeMessage(2)},
        BadCase{"HugeNumber", "GIMP Palette\n0 0 99999999999999999999999\n",
                ColorOutOfRangeMessage(2)},
        BadCase{"TwoNumbers", "GIMP Palette\n1 2\n", BadColorLineMessage(2)},
        BadCase{"WordForNumber", "GIMP Palette\n1 2 three\n", BadColorLineMessage(2)},
        BadCase{"Fraction", "GIMP Palette\n1.5 2 3\n", BadColorLineMessage(2)},
        BadCase{"NameTouchingNumber", "GIMP Palette\n1 2 3red\n", BadColorLineMessage(2)},
        BadCase{"TextLine", "GIMP Palette\r\n1 2 3\r\nhello\r\n", BadColorLineMessage(3)},
        // The reported line counts CR LF, CR and LF alike.
        BadCase{"LineNumberAfterMixedBreaks", "GIMP Palette\r\n\r\r\n\n1 2\n",
                BadColorLineMessage(5)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GimpPaletteFile, HugeFileRefusedWithoutReadingIt) {
    TempDir dir;
    std::string bytes = "GIMP Palette\n";
    while (bytes.size() <= MaxPaletteBytes)
        bytes += "1 2 3 a colour with a long name to fill the file\n";
    test::WriteBytes(dir.File("big.gpl"), bytes);
    EXPECT_EQ(MessageOf<PaletteError>([&] { LoadGimpPalette(dir.File("big.gpl")); }),
              PaletteTooLargeMessage);
    EXPECT_EQ(MessageOf<PaletteError>([&] { ParseGimpPalette(bytes); }), PaletteTooLargeMessage);
}

TEST(GimpPaletteFile, MissingFileAndDirectoryCannotBeOpened) {
    TempDir dir;
    EXPECT_EQ(MessageOf<EFOpenError>([&] { LoadGimpPalette(dir.File("none.gpl")); }),
              "ファイル " + dir.File("none.gpl") + " は開けません");
    EXPECT_EQ(MessageOf<EFOpenError>([&] { LoadGimpPalette(dir.Path()); }),
              "ファイル " + dir.Path() + " は開けません");
}

TEST(GimpPaletteExport, ExactBytesAndReadBack) {
    const std::vector<PaletteColor> colors = {C(255, 0, 0, "#FF0000"), C(1, 2, 3, "none"),
                                              C(9, 8, 7, "&&H070809&&"),
                                              C(4, 5, 6, "\xE6\xA1\x9C")};
    const std::string bytes = WriteGimpPalette("TINTOR", 4, colors);
    EXPECT_EQ(bytes, "GIMP Palette\nName: TINTOR\nColumns: 4\n#\n"
                     "255 0 0\t#FF0000\n1 2 3\tnone\n9 8 7\t&&H070809&&\n4 5 6\t\xE6\xA1\x9C\n");
    const Palette back = ParseGimpPalette(bytes);
    EXPECT_EQ(back.colors, colors);
    EXPECT_EQ(back.name, "TINTOR");
    EXPECT_EQ(back.columns, 4);
}

TEST(CssExport, PropertiesInSlotOrderWithNamesAsComments) {
    const std::string css = WriteCssProperties(
        "tintor", {C(255, 0, 0, "#FF0000"), C(10, 11, 171, "a */ b"), C(255, 255, 255, "none")});
    EXPECT_EQ(css, "@charset \"UTF-8\";\n:root {\n"
                   "  --tintor-1: #FF0000; /* #FF0000 */\n"
                   "  --tintor-2: #0A0BAB; /* a * / b */\n"
                   "  --tintor-3: #FFFFFF; /* none */\n"
                   "}\n");
}

TEST(SlotEntries, NamesCutBetweenCharactersAndMissingNamesAsSaveWrites) {
    Palette palette;
    // Encoded names arrive as code page 932 bytes: "\x82\xA0" is one double-byte character.
    palette.colors = {C(255, 0, 0, "Red"), C(0, 255, 0),
                      C(0, 0, 255, "abcdefghijklm\x82\xA0"), // 15 bytes: the last character goes
                      C(1, 2, 3, "abcdefghijkl\x82\xA0z")};  // 15 bytes: only "z" goes
    const NameEncoder identity = [](std::string_view s) { return std::string(s); };

    const auto vb = PaletteSlotEntries(palette, FormatVb, identity);
    ASSERT_EQ(vb.size(), 4u);
    EXPECT_EQ(vb[0].colorText, "clRed");
    EXPECT_EQ(vb[0].name, "Red");
    EXPECT_EQ(vb[1].colorText, "clLime");
    EXPECT_EQ(vb[1].name, "&&H00FF00&&"); // Save's Visual Basic name
    EXPECT_EQ(vb[2].name, "abcdefghijklm");
    EXPECT_EQ(vb[3].name, "abcdefghijkl\x82\xA0");
    EXPECT_EQ(vb[3].colorText, "$00030201");

    EXPECT_EQ(PaletteSlotEntries(palette, FormatRgb, identity)[1].name, "000,255,000");
    EXPECT_EQ(PaletteSlotEntries(palette, 9, identity)[1].name, "#00FF00");
}

TEST(SlotEntries, TwelveAtMostAndFewerLeaveTheRestAlone) {
    Palette palette;
    for (int i = 0; i < 20; ++i)
        palette.colors.push_back(C(i, i, i, "n" + std::to_string(i)));
    const NameEncoder identity = [](std::string_view s) { return std::string(s); };
    EXPECT_EQ(PaletteSlotEntries(palette, FormatHtml, identity).size(), 12u);

    palette.colors.resize(3);
    SettingsArray settings = FirstSettings();
    const SettingsArray before = settings;
    StoreSlotEntries(PaletteSlotEntries(palette, FormatHtml, identity), settings);
    EXPECT_EQ(settings[20], "clBlack");
    EXPECT_EQ(settings[32], "n0");
    EXPECT_EQ(settings[22], "$00020202");
    EXPECT_EQ(settings[34], "n2");
    for (int k = 0; k < SettingsCount; ++k) {
        if ((k >= 20 && k <= 22) || (k >= 32 && k <= 34)) continue;
        EXPECT_EQ(settings[static_cast<std::size_t>(k)], before[static_cast<std::size_t>(k)]) << k;
    }
}

} // namespace
} // namespace tintor

// Import and export of the user colour file against a sink that records every effect in order.
#include "exchange/UserColorFile.h"

#include "core/Errors.h"
#include "settings/TextLines.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace tintor {
namespace {

std::string Hex(TColor color) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%08X", static_cast<unsigned>(color));
    return buffer;
}

class RecordingSink : public UserColorSink {
public:
    std::vector<std::string> log;

    void SetSwatchColor(int slot, TColor color) override {
        log.push_back("swatch " + std::to_string(slot) + " " + Hex(color));
    }
    void SetSlotName(int slot, const std::string& name) override {
        log.push_back("name " + std::to_string(slot) + " " + name);
    }
    void SetSetting(int index, const std::string& value) override {
        log.push_back("setting " + std::to_string(index) + " " + value);
    }
};

// A full file with a distinct colour and name for every slot; colour N is 0x000000NN.
std::vector<std::string> SampleLines() {
    std::vector<std::string> lines;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        lines.push_back(std::to_string(slot));
    }
    for (int slot = 1; slot <= SlotCount; ++slot) {
        lines.push_back("slot" + std::to_string(slot));
    }
    return lines;
}

// The four effects of one slot, in the order the import must produce them.
void AppendSlot(std::vector<std::string>& log, int slot, TColor color, const std::string& colorLine,
                const std::string& name) {
    log.push_back("swatch " + std::to_string(slot) + " " + Hex(color));
    log.push_back("name " + std::to_string(slot) + " " + name);
    log.push_back("setting " + std::to_string(19 + slot) + " " + colorLine);
    log.push_back("setting " + std::to_string(31 + slot) + " " + name);
}

std::vector<std::string> SampleLog() {
    std::vector<std::string> log;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        AppendSlot(log, slot, slot, std::to_string(slot), "slot" + std::to_string(slot));
    }
    return log;
}

TEST(UserColorImport, AppliesEachSlotInOrder) {
    RecordingSink sink;
    ImportUserColors(SampleLines(), sink);
    EXPECT_EQ(sink.log, SampleLog());
}

// Different byte layouts of the same 24 lines must import identically.
TEST(UserColorImport, LineEndingsAndExtraLinesDoNotMatter) {
    const std::string full = JoinTextLines(SampleLines());
    const std::string withoutFinalBreak = full.substr(0, full.size() - 2);
    std::string lfOnly;
    for (char c : full) {
        if (c != '\r') lfOnly += c;
    }
    const std::string withExtraLines = full + "clRed\r\nextra name\r\n\r\n";

    for (const std::string& bytes : {full, withoutFinalBreak, lfOnly, withExtraLines}) {
        SCOPED_TRACE(bytes.substr(bytes.size() - 12));
        RecordingSink sink;
        ImportUserColors(SplitTextLines(bytes), sink);
        EXPECT_EQ(sink.log, SampleLog());
    }
}

TEST(UserColorImport, ColourTextIsStoredAsWritten) {
    std::vector<std::string> lines = SampleLines();
    lines[0] = "clred";
    lines[1] = "$00FF8000";
    lines[2] = "clWhite";
    lines[12] = "\x90\xd4"; // a code page 932 name is kept byte for byte
    RecordingSink sink;
    ImportUserColors(lines, sink);

    std::vector<std::string> expected;
    AppendSlot(expected, 1, 0x000000FF, "clred", "\x90\xd4");
    AppendSlot(expected, 2, 0x00FF8000, "$00FF8000", "slot2");
    AppendSlot(expected, 3, 0x00FFFFFF, "clWhite", "slot3");
    const std::vector<std::string> firstThree(sink.log.begin(), sink.log.begin() + 12);
    EXPECT_EQ(firstThree, expected);
}

struct ShortFileCase {
    const char* label;
    std::size_t lineCount;
    long missingIndex;
    std::size_t effectsBeforeStop;
};

void PrintTo(const ShortFileCase& c, std::ostream* os) {
    *os << c.label;
}

class UserColorShortFile : public testing::TestWithParam<ShortFileCase> {};

TEST_P(UserColorShortFile, StopsAtFirstMissingLine) {
    const ShortFileCase& c = GetParam();
    std::vector<std::string> lines = SampleLines();
    lines.resize(c.lineCount);
    RecordingSink sink;
    try {
        ImportUserColors(lines, sink);
        FAIL() << "no error";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Index(), c.missingIndex);
        EXPECT_EQ(std::string(e.what()), "リストのインデックスが範囲を超えています (" +
                                             std::to_string(c.missingIndex) + ")");
    }
    const std::vector<std::string> full = SampleLog();
    EXPECT_EQ(sink.log, std::vector<std::string>(full.begin(), full.begin() + c.effectsBeforeStop));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UserColorShortFile,
    testing::Values(
        // Twelve colours but no names: only slot 1's swatch changes.
        ShortFileCase{"ColoursOnly", 12, 12, 1}, ShortFileCase{"Empty", 0, 0, 0},
        // 23 lines: slots 1 to 11 complete, slot 12's swatch set, its name missing.
        ShortFileCase{"LastNameMissing", 23, 23, 45}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(UserColorImport, BadColourStopsAfterEarlierSlots) {
    std::vector<std::string> lines = SampleLines();
    lines[2] = "clNoSuchColour";
    RecordingSink sink;
    try {
        ImportUserColors(lines, sink);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Text(), "clNoSuchColour");
        EXPECT_EQ(std::string(e.what()), "'clNoSuchColour' は整数ではありません");
    }
    const std::vector<std::string> full = SampleLog();
    EXPECT_EQ(sink.log, std::vector<std::string>(full.begin(), full.begin() + 8));
}

TEST(UserColorExport, ResetSlotsGiveWhiteAndNone) {
    std::array<TColor, SlotCount> colors;
    colors.fill(clWhite);
    std::array<std::string, SlotCount> names;
    names.fill("none");
    const std::vector<std::string> lines = ExportUserColors(colors, names);
    std::vector<std::string> expected(12, "clWhite");
    expected.insert(expected.end(), 12, "none");
    EXPECT_EQ(lines, expected);
}

TEST(UserColorExport, RoundTripsThroughFileBytes) {
    const std::array<TColor, SlotCount> colors = {clWhite,
                                                  clBlack,
                                                  0x000000FF,
                                                  0x00123456,
                                                  0x00ABCDEF,
                                                  0x00010203,
                                                  static_cast<TColor>(0x8000000F),
                                                  0x1FFFFFFF,
                                                  0x20000000,
                                                  0x00FFFFFE,
                                                  static_cast<TColor>(0x80000001),
                                                  0x00808080};
    std::array<std::string, SlotCount> names;
    for (int i = 0; i < SlotCount; ++i) {
        names[i] = "#" + std::to_string(i + 1);
    }
    names[0] = "none";
    names[1] = "\x95\x5c"; // second byte is the ASCII backslash
    names[2] = "with  blanks ";

    const std::string bytes = JoinTextLines(ExportUserColors(colors, names));
    RecordingSink sink;
    ImportUserColors(SplitTextLines(bytes), sink);

    const std::vector<std::string> exported = ExportUserColors(colors, names);
    std::vector<std::string> expected;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        AppendSlot(expected, slot, colors[slot - 1], exported[slot - 1], names[slot - 1]);
    }
    EXPECT_EQ(sink.log, expected);
}

} // namespace
} // namespace tintor

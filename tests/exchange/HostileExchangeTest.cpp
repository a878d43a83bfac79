// User colour (.tud) and design (.tdd) files that are huge, binary, all NUL, one endless line or
// CR only: reading them as the import does stays bounded in memory, the import stops with the
// right error and applies nothing wrong, and names in any bytes round-trip unchanged.
#include "settings/FileTestSupport.h"
#include "settings/HugeFileSupport.h"

#include "core/Errors.h"
#include "exchange/DesignFile.h"
#include "exchange/UserColorFile.h"
#include "settings/TextFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <utility>

namespace tintor {
namespace {

using test::HugeFileBytes;
using test::TempDir;

// The import reads only the lines it uses: twelve colours and twelve names, or nine colours.
constexpr std::size_t UserColorLines = 2 * SlotCount;
constexpr std::size_t DesignLines = 9;

class RecordingUserColorSink : public UserColorSink {
public:
    std::vector<TColor> colors;
    std::vector<std::string> names;
    std::vector<std::pair<int, std::string>> settings;
    void SetSwatchColor(int, TColor color) override { colors.push_back(color); }
    void SetSlotName(int, const std::string& name) override { names.push_back(name); }
    void SetSetting(int index, const std::string& value) override {
        settings.emplace_back(index, value);
    }
};

// Counts effects into a counter that outlives an import stopped by an error.
class CountingSink : public UserColorSink, public DesignSink {
public:
    explicit CountingSink(std::size_t& count) : count_(count) {}
    void SetSwatchColor(int, TColor) override { ++count_; }
    void SetSlotName(int, const std::string&) override { ++count_; }
    void SetSetting(int, const std::string&) override { ++count_; }
    void ApplyDesignColor(DesignElement, TColor) override { ++count_; }

private:
    std::size_t& count_;
};

// What an import made of a file: the error it stopped with, how many effects it had, and how far
// the peak memory rose by the time the error was caught (before anything copies its text).
struct Outcome {
    std::string error; // "none", "list" or "convert"
    long index = -1;   // EListError's index
    bool textMatches = false;
    bool messageMatches = false;
    std::size_t effects = 0;
    std::size_t growth = 0;
};

struct FileKind {
    const char* name;
    std::size_t lines;
    std::function<void(const std::vector<std::string>&, std::size_t& effects)> import;
};

const FileKind UserColorKind{"tud", UserColorLines,
                             [](const std::vector<std::string>& lines, std::size_t& effects) {
                                 CountingSink sink(effects);
                                 ImportUserColors(lines, sink);
                             }};
const FileKind DesignKind{"tdd", DesignLines,
                          [](const std::vector<std::string>& lines, std::size_t& effects) {
                              CountingSink sink(effects);
                              ImportDesign(lines, sink);
                          }};

// Whether message is the conversion message for text, compared in place.
bool IsConvertMessage(std::string_view message, std::string_view text) {
    const std::string empty = EConvertError::MessageFor("");
    const std::string_view open = std::string_view(empty).substr(0, 1);
    const std::string_view close = std::string_view(empty).substr(1);
    return message.size() == open.size() + text.size() + close.size() &&
           message.substr(0, open.size()) == open &&
           message.substr(open.size(), text.size()) == text &&
           message.substr(open.size() + text.size()) == close;
}

Outcome LoadAndImport(const FileKind& kind, const std::string& path,
                      const std::function<bool(const std::string&)>& textIs = nullptr) {
    Outcome outcome;
    const std::size_t before = test::PeakResidentBytes();
    try {
        kind.import(LoadTextLines(path, kind.lines), outcome.effects);
        outcome.growth = test::PeakResidentBytes() - before;
        outcome.error = "none";
    } catch (const EListError& e) {
        outcome.growth = test::PeakResidentBytes() - before;
        outcome.error = "list";
        outcome.index = e.Index();
        outcome.messageMatches = e.what() == std::string(EListError(e.Index()).what());
    } catch (const EConvertError& e) {
        outcome.growth = test::PeakResidentBytes() - before;
        outcome.error = "convert";
        outcome.textMatches = textIs && textIs(e.Text());
        outcome.messageMatches = IsConvertMessage(e.what(), e.Text());
    }
    return outcome;
}

struct HostileCase {
    const char* label;
    std::function<void(const std::string& path)> write;
    std::string error;
    long index;                                   // of EListError
    std::function<bool(const std::string&)> text; // tells EConvertError's text
    std::size_t maxGrowth;                        // of peak memory while loading and importing
};

// Reading stops at the first NUL or after the lines the import uses, so most hostile files
// cost next to nothing whatever their size.
constexpr std::size_t Small = std::size_t{16} << 20;
// An endless first line is held once as a line, then the conversion error keeps it as its text
// and again inside its message (built through a temporary that is copied). The bound is what
// that needs, with AddressSanitizer's shadow memory, and far below one allocation per line.
constexpr std::size_t EndlessLineGrowth = 6 * HugeFileBytes;

void PrintTo(const HostileCase& c, std::ostream* os) {
    *os << c.label;
}

class HostileExchangeFileTest
    : public testing::TestWithParam<std::tuple<const FileKind*, HostileCase>> {
protected:
    TempDir dir;
};

TEST_P(HostileExchangeFileTest, StopsWithTheRightErrorWithinBoundedMemory) {
    const auto& [kind, c] = GetParam();
    const std::string path = dir.File(std::string("hostile.") + kind->name);
    c.write(path);

    const Outcome outcome = LoadAndImport(*kind, path, c.text);

    EXPECT_EQ(outcome.error, c.error);
    EXPECT_EQ(outcome.effects, 0u);
    if (c.error == "list") {
        EXPECT_EQ(outcome.index, c.index);
    } else {
        EXPECT_TRUE(outcome.textMatches);
    }
    EXPECT_TRUE(outcome.messageMatches);
    EXPECT_LT(outcome.growth, c.maxGrowth);
}

const std::string& Binary() {
    static const std::string bytes = test::BinaryLineBytes();
    return bytes;
}

const HostileCase HostileCases[] = {
    {"AllNul", [](const std::string& p) { test::WriteZeros(p, HugeFileBytes); }, "list", 0, nullptr,
     Small},
    // The first line is empty, and an empty text is no colour.
    {"CrOnly", [](const std::string& p) { test::WriteRepeated(p, "\r", HugeFileBytes); }, "convert",
     0, [](const std::string& text) { return text.empty(); }, Small},
    {"EndlessLine", [](const std::string& p) { test::WriteRepeated(p, Binary(), HugeFileBytes); },
     "convert", 0,
     [](const std::string& text) {
         return text.size() == HugeFileBytes && test::IsRepeated(text, Binary());
     },
     EndlessLineGrowth},
    {"BinaryLines",
     [](const std::string& p) { test::WriteRepeated(p, Binary() + "\r\n", 1 << 20); }, "convert", 0,
     [](const std::string& text) { return text == Binary(); }, Small},
    // A NUL ends the text before its first line break.
    {"NulInFirstLine",
     [](const std::string& p) {
         test::WriteBytes(p, std::string("\x81\0clRed\r\n", 9) + "clBlue\r\n");
     },
     "convert", 0, [](const std::string& text) { return text == "\x81"; }, Small},
};

INSTANTIATE_TEST_SUITE_P(Files, HostileExchangeFileTest,
                         testing::Combine(testing::Values(&UserColorKind, &DesignKind),
                                          testing::ValuesIn(HostileCases)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param)->name) + "_" +
                                    std::get<1>(info.param).label;
                         });

TEST(HostileExchangeFile, ValidDesignBeforeAHugeTailIsReadWithoutTheTail) {
    TempDir dir;
    const std::string path = dir.File("tail.tdd");
    const std::string head = "clRed\r\nclBlue\r\n$00FFFFFF\r\n0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n";
    test::WriteRepeated(path, head + Binary(), HugeFileBytes);
    const Outcome outcome = LoadAndImport(DesignKind, path);
    EXPECT_EQ(outcome.error, "none");
    EXPECT_EQ(outcome.effects, 10u);
    EXPECT_LT(outcome.growth, Small);
}

TEST(HostileExchangeFile, NamesOfAnyBytesRoundTripByteForByte) {
    TempDir dir;
    std::array<TColor, SlotCount> colors{};
    std::array<std::string, SlotCount> names;
    for (std::size_t n = 0; n < SlotCount; ++n) {
        colors[n] = static_cast<TColor>(0x01020304u * (n + 1));
        names[n] = Binary().substr(20 * n, 3 + n);
    }
    names[0] = Binary();
    names[1] = "\x81";         // a lead byte with nothing after it
    names[2] = "\x83\x5c";     // a 0x5C trail byte
    names[3] = "\xA0\xFD\xFF"; // bytes no code page 932 text holds
    names[4] = "";

    const std::string first = dir.File("first.tud");
    SaveTextLines(first, ExportUserColors(colors, names));
    RecordingUserColorSink sink;
    ImportUserColors(LoadTextLines(first, UserColorLines), sink);
    EXPECT_EQ(sink.colors, std::vector<TColor>(colors.begin(), colors.end()));
    EXPECT_EQ(sink.names, std::vector<std::string>(names.begin(), names.end()));
    for (std::size_t n = 0; n < SlotCount; ++n)
        EXPECT_EQ(sink.settings[2 * n + 1], std::make_pair(static_cast<int>(32 + n), names[n]));

    // Exported again from what was imported: the same file, byte for byte.
    const std::string second = dir.File("second.tud");
    std::array<std::string, SlotCount> imported;
    std::copy(sink.names.begin(), sink.names.end(), imported.begin());
    SaveTextLines(second, ExportUserColors(colors, imported));
    EXPECT_EQ(test::ReadBytes(second), test::ReadBytes(first));
}

} // namespace
} // namespace tintor

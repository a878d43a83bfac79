// Import and export of the design file.
#include "exchange/DesignFile.h"

#include "core/Errors.h"
#include "settings/TextLines.h"

#include <gtest/gtest.h>

#include <utility>

namespace tintor {
namespace {

using Applied = std::pair<DesignElement, TColor>;

class RecordingSink : public DesignSink {
public:
    std::vector<Applied> log;
    void ApplyDesignColor(DesignElement element, TColor color) override {
        log.emplace_back(element, color);
    }
};

// Line N holds colour 0x000000NN.
std::vector<std::string> SampleLines() {
    std::vector<std::string> lines;
    for (int n = 1; n <= 9; ++n) {
        lines.push_back(std::to_string(n));
    }
    return lines;
}

const std::vector<Applied> SampleLog = {
    {DesignElement::VersionFont, 1}, {DesignElement::TitleFont, 2},
    {DesignElement::EditFont, 3},    {DesignElement::EditColor, 4},
    {DesignElement::WindowColor, 5}, {DesignElement::PanelColor, 6},
    {DesignElement::SystemPanel, 5}, {DesignElement::ShowFont, 7},
    {DesignElement::CopyFont, 8},    {DesignElement::PasteFont, 9},
};

TEST(DesignImport, AppliesLinesInOrderWithLineFiveTwice) {
    std::vector<std::string> lines = SampleLines();
    lines.push_back("not a colour"); // a tenth line is never read
    RecordingSink sink;
    ImportDesign(lines, sink);
    EXPECT_EQ(sink.log, SampleLog);
}

TEST(DesignImport, LastLineWithoutLineBreakIsRead) {
    RecordingSink sink;
    ImportDesign(SplitTextLines("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9"), sink);
    EXPECT_EQ(sink.log, SampleLog);
}

struct StopCase {
    const char* label;
    std::vector<std::string> lines;
    std::size_t appliedBeforeStop;
};

void PrintTo(const StopCase& c, std::ostream* os) {
    *os << c.label;
}

class DesignImportStop : public testing::TestWithParam<StopCase> {};

TEST_P(DesignImportStop, KeepsWhatWasAppliedBefore) {
    const StopCase& c = GetParam();
    RecordingSink sink;
    EXPECT_THROW(ImportDesign(c.lines, sink), Error);
    EXPECT_EQ(sink.log,
              std::vector<Applied>(SampleLog.begin(), SampleLog.begin() + c.appliedBeforeStop));
}

std::vector<std::string> WithBadLine(std::size_t index) {
    std::vector<std::string> lines = SampleLines();
    lines[index] = "$XYZ";
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesignImportStop,
    testing::Values(
        // Version label, title label and both colours of the text box, then line 5 is missing.
        StopCase{"FourLines", {"1", "2", "3", "4"}, 4}, StopCase{"Empty", {}, 0},
        // The window takes line 5, the panel line 6, then line 5 is read again for the strip.
        StopCase{"SixLines", {"1", "2", "3", "4", "5", "6"}, 7},
        StopCase{"BadFirstLine", WithBadLine(0), 0}, StopCase{"BadLineSeven", WithBadLine(6), 7}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(DesignImport, ErrorsCarryIndexAndText) {
    RecordingSink sink;
    try {
        ImportDesign({"1", "2", "3", "4"}, sink);
        FAIL() << "no error";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Index(), 4);
    }
    try {
        ImportDesign(WithBadLine(8), sink);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Text(), "$XYZ");
    }
}

TEST(DesignExport, WritesNineLinesInFileOrderAndRoundTrips) {
    const DesignColors colors{0x00000001, clWhite,    static_cast<TColor>(0x8000000F),
                              0x00123456, 0x00ABCDEF, 0x000000FF,
                              0x1FFFFFFF, 0x00010203, clBlack};
    const std::vector<std::string> lines = ExportDesign(colors);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[1], "clWhite");
    EXPECT_EQ(lines[8], "clBlack");

    RecordingSink sink;
    ImportDesign(SplitTextLines(JoinTextLines(lines)), sink);
    const std::vector<Applied> expected = {
        {DesignElement::VersionFont, colors.versionFont},
        {DesignElement::TitleFont, colors.titleFont},
        {DesignElement::EditFont, colors.editFont},
        {DesignElement::EditColor, colors.editColor},
        {DesignElement::WindowColor, colors.windowColor},
        {DesignElement::PanelColor, colors.panelColor},
        {DesignElement::SystemPanel, colors.windowColor},
        {DesignElement::ShowFont, colors.showFont},
        {DesignElement::CopyFont, colors.copyFont},
        {DesignElement::PasteFont, colors.pasteFont},
    };
    EXPECT_EQ(sink.log, expected);
}

} // namespace
} // namespace tintor

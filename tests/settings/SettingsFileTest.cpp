// Loading and saving the 51 settings entries, the reset values and the shipped System.tri.
#include "FileTestSupport.h"

#include "core/Errors.h"
#include "settings/SettingsFile.h"
#include "settings/TextLines.h"

#include <gtest/gtest.h>

namespace tintor {
namespace {

using test::MessageOf;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

// Entry k holds "e<k>", except a few that show bytes passing unchanged.
SettingsArray Numbered() {
    SettingsArray settings;
    for (int k = 0; k < SettingsCount; ++k)
        settings[k] = "e" + std::to_string(k);
    settings[7] = "\x83\x5c\x83\x74\x83\x67"; // Shift_JIS with 0x5C trail bytes
    settings[48] = "";
    settings[50] = " spaced \t";
    return settings;
}

// The numbered entries as lines of a file, each followed by the given break.
std::string NumberedFile(int count, const std::string& lineBreak) {
    std::string bytes;
    for (int k = 0; k < count; ++k)
        bytes += "e" + std::to_string(k) + lineBreak;
    return bytes;
}

SettingsArray NumberedPlain() {
    SettingsArray settings;
    for (int k = 0; k < SettingsCount; ++k)
        settings[k] = "e" + std::to_string(k);
    return settings;
}

class SettingsFileTest : public ::testing::Test {
protected:
    TempDir dir;
    const std::string path = dir.File("System.tri");
};

TEST_F(SettingsFileTest, RoundTripsAndSavesSameBytesAgain) {
    SaveSettingsFile(path, Numbered());
    const std::string written = ReadBytes(path);
    std::size_t entryBytes = 0;
    for (const std::string& entry : Numbered())
        entryBytes += entry.size();
    EXPECT_EQ(written.size(), entryBytes + 102);

    SettingsArray loaded;
    LoadSettingsFile(path, loaded);
    EXPECT_EQ(loaded, Numbered());
    SaveSettingsFile(path, loaded);
    EXPECT_EQ(ReadBytes(path), written);
}

// Files written by hand or by other tools load like the program's own; the next save writes
// 51 CR LF lines.
TEST_F(SettingsFileTest, LoadsOtherLineBreaksAndExtraLines) {
    const std::string canonical = NumberedFile(51, "\r\n");
    const std::string files[] = {
        NumberedFile(51, "\n"),
        NumberedFile(51, "\r"),
        NumberedFile(51, "\r\n").substr(0, canonical.size() - 2), // last line without break
        NumberedFile(60, "\r\n"),
        NumberedFile(51, "\r\n") + std::string(3, '\0') + "ignored",
    };
    for (const std::string& bytes : files) {
        SCOPED_TRACE(::testing::PrintToString(bytes.substr(bytes.size() - 12)));
        WriteBytes(path, bytes);
        SettingsArray loaded;
        LoadSettingsFile(path, loaded);
        EXPECT_EQ(loaded, NumberedPlain());
        SaveSettingsFile(path, loaded);
        EXPECT_EQ(ReadBytes(path), canonical);
    }
}

TEST_F(SettingsFileTest, MissingLineFailsWithItsIndexAfterFillingEarlierEntries) {
    struct Case {
        std::string bytes;
        long missing;
    };
    const Case cases[] = {
        {NumberedFile(50, "\r\n"), 50},
        {"", 0},
        {"\r\n", 1},
        // NUL ends the text in the middle of line 30, which keeps its first bytes.
        {NumberedFile(30, "\r\n") + "e30" + std::string(1, '\0') + "x\r\n" +
             NumberedFile(51, "\r\n"),
         31},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.missing);
        WriteBytes(path, c.bytes);
        SettingsArray loaded;
        EXPECT_EQ(MessageOf<EListError>([&] { LoadSettingsFile(path, loaded); }),
                  "リストのインデックスが範囲を超えています (" + std::to_string(c.missing) + ")");
        SettingsArray expected;
        for (long k = 0; k < c.missing; ++k)
            expected[k] = NumberedPlain()[k];
        if (c.missing == 1) expected[0] = "";
        EXPECT_EQ(loaded, expected);
    }
}

TEST_F(SettingsFileTest, MissingFileFailsAndLeavesEntriesAlone) {
    SettingsArray loaded = Numbered();
    EXPECT_EQ(MessageOf<EFOpenError>([&] { LoadSettingsFile(path, loaded); }),
              "ファイル " + path + " は開けません");
    EXPECT_EQ(loaded, Numbered());
}

TEST(ResetValuesTest, ResetKeepsSlotsAndWindowStyle) {
    SettingsArray settings = Numbered();
    StoreResetValues(settings);
    EXPECT_EQ(settings[idx::Format], "1");
    EXPECT_EQ(settings[idx::Top], "300");
    EXPECT_EQ(settings[idx::PanelCursor], "TINTOR");
    EXPECT_EQ(settings[idx::GroupName0 + 3], "Group3");
    for (int k = 20; k <= 43; ++k)
        EXPECT_EQ(settings[k], Numbered()[k]) << k;
    for (int k = 47; k <= 50; ++k)
        EXPECT_EQ(settings[k], Numbered()[k]) << k;
}

// The System.tri that ships with the program holds the first settings exactly.
TEST(ResetValuesTest, ShippedFileHoldsFirstSettings) {
    const SettingsArray first = FirstSettings();
    EXPECT_EQ(first[idx::SlotColor0 + 1], "$00FFFFFF");
    EXPECT_EQ(first[idx::SlotName0 + 12], "none");
    EXPECT_EQ(first[idx::SaveFormStyle], "Normal");
    EXPECT_EQ(ReadBytes(TINTOR_SOURCE_DIR "/resources/System.tri"),
              JoinTextLines(std::vector<std::string>(first.begin(), first.end())));
}

} // namespace
} // namespace tintor

// System.tri files that are huge, binary, all NUL, one endless line or CR only: loading stays
// bounded in memory, reports the right missing line, and what it keeps saves back unchanged.
#include "FileTestSupport.h"
#include "HugeFileSupport.h"

#include "core/Errors.h"
#include "settings/SettingsFile.h"
#include "settings/TextLines.h"

#include <gtest/gtest.h>

namespace tintor {
namespace {

using test::HugeFileBytes;
using test::PeakGrowthDuring;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

class HostileSettingsFileTest : public ::testing::Test {
protected:
    TempDir dir;
    const std::string path = dir.File("System.tri");

    // Entries as they were before a load, to show which ones a failed load left alone.
    static SettingsArray Before() {
        SettingsArray settings;
        settings.fill("before");
        return settings;
    }

    // Loads path into settings and returns the index of the missing line, or -1.
    static long LoadMissingLine(const std::string& file, SettingsArray& settings) {
        try {
            LoadSettingsFile(file, settings);
        } catch (const EListError& e) {
            return e.Index();
        }
        return -1;
    }
};

TEST_F(HostileSettingsFileTest, EndlessLineBecomesEntryZeroWithinTheFileSize) {
    const std::string pattern = test::BinaryLineBytes();
    test::WriteRepeated(path, pattern, HugeFileBytes);

    SettingsArray settings = Before();
    long missing = 0;
    const std::size_t growth = PeakGrowthDuring([&] { missing = LoadMissingLine(path, settings); });

    EXPECT_EQ(missing, 1);
    ASSERT_EQ(settings[0].size(), HugeFileBytes);
    EXPECT_TRUE(test::IsRepeated(settings[0], pattern));
    for (int k = 1; k < SettingsCount; ++k)
        EXPECT_EQ(settings[k], "before") << "entry " << k;
    // The line is held once, with no second copy on the way into the entry.
    EXPECT_LT(growth, 3 * HugeFileBytes / 2);
}

TEST_F(HostileSettingsFileTest, AllNulFileHasNoLinesAndIsNotReadThrough) {
    test::WriteZeros(path, HugeFileBytes);
    SettingsArray settings = Before();
    long missing = -1;
    const std::size_t growth = PeakGrowthDuring([&] { missing = LoadMissingLine(path, settings); });
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(settings, Before());
    EXPECT_LT(growth, std::size_t{16} << 20);
}

TEST_F(HostileSettingsFileTest, CrOnlyFileGivesEmptyEntriesFromItsFirstBytes) {
    test::WriteRepeated(path, "\r", HugeFileBytes);
    SettingsArray settings = Before();
    long missing = 0;
    const std::size_t growth = PeakGrowthDuring([&] { missing = LoadMissingLine(path, settings); });
    EXPECT_EQ(missing, -1);
    SettingsArray empty;
    EXPECT_EQ(settings, empty);
    EXPECT_LT(growth, std::size_t{16} << 20);

    SaveSettingsFile(path, settings);
    std::string crlf;
    for (int k = 0; k < SettingsCount; ++k)
        crlf += "\r\n";
    EXPECT_EQ(ReadBytes(path), crlf);
}

// Entries of bytes that are no valid code page 932 text, among them a lead byte at the very end
// of a line, bytes 0x80, 0xA0 and 0xFD..0xFF, and a 0x5C trail byte.
SettingsArray BinaryEntries() {
    const std::string all = test::BinaryLineBytes();
    SettingsArray settings;
    for (int k = 0; k < SettingsCount; ++k)
        settings[k] = all.substr(static_cast<std::size_t>(5 * k) % all.size(), 5 + k % 7);
    settings[0] = all;
    settings[1] = "\x81";
    settings[2] = "\x83\x5c\x83";
    settings[3] = "\x80\xA0\xFD\xFE\xFF";
    settings[4] = "";
    settings[5] = "\t \x7F";
    return settings;
}

std::string FileOf(const SettingsArray& settings, const std::string& lineBreak) {
    std::string bytes;
    for (const std::string& entry : settings)
        bytes += entry + lineBreak;
    return bytes;
}

TEST_F(HostileSettingsFileTest, BinaryEntriesLoadAndSaveByteForByte) {
    const std::string crlfFile = FileOf(BinaryEntries(), "\r\n");
    for (const std::string lineBreak : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(testing::PrintToString(lineBreak));
        WriteBytes(path, FileOf(BinaryEntries(), lineBreak));
        SettingsArray settings = Before();
        LoadSettingsFile(path, settings);
        EXPECT_EQ(settings, BinaryEntries());
        SaveSettingsFile(path, settings);
        EXPECT_EQ(ReadBytes(path), crlfFile);
    }
}

TEST_F(HostileSettingsFileTest, BinaryBytesUpToANulAreKeptAndTheRestIgnored) {
    // Lines of binary text, cut by a NUL in the middle of line 3 and followed by more lines.
    const std::string all = test::BinaryLineBytes();
    WriteBytes(path, all + "\r\n" + all + "\n" + all + "\r" + "\xFF\x81" + std::string(1, '\0') +
                         "\r\nlost\r\n" + all);
    SettingsArray settings = Before();
    EXPECT_EQ(LoadMissingLine(path, settings), 4);
    EXPECT_EQ(settings[0], all);
    EXPECT_EQ(settings[1], all);
    EXPECT_EQ(settings[2], all);
    EXPECT_EQ(settings[3], "\xFF\x81");
    EXPECT_EQ(settings[4], "before");
}

} // namespace
} // namespace tintor

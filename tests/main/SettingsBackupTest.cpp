// A System.tri that failed to load is kept as System.tri.bak before the first save replaces it,
// and the start-up error box says so in one added line.
#include "support/WindowFixture.h"

#include "core/Errors.h"
#include "platform/Platform.h"

#include <filesystem>

namespace tintor::test {
namespace {

const std::string KeptLine = "\n元のファイルは次の保存の前に System.tri.bak に残します。";

struct Failure {
    const char* name;
    std::map<int, std::string> entries; // overrides of the first settings
    std::size_t lines;                  // lines written (51 = all)
    std::string message;                // the existing error text
};

void PrintTo(const Failure& failure, std::ostream* out) {
    *out << failure.name;
}

class SettingsBackupTest : public WindowFixture, public ::testing::WithParamInterface<Failure> {
protected:
    std::string Backup() const { return platform.settingsPath + ".bak"; }
    bool BackupExists() const { return std::filesystem::exists(Backup()); }
    // Writes the failing file and starts both windows as the program does.
    std::string StartFailing(const Failure& failure) {
        Set(failure.entries);
        std::string bytes;
        for (std::size_t k = 0; k < failure.lines; ++k)
            bytes += settings[k] + "\r\n";
        WriteFileBytes(platform.settingsPath, bytes);
        main = std::make_unique<TMainForm>(platform);
        main->Guard([this] { main->FormCreate(); });
        saveForm = std::make_unique<TColorSaveForm>(*main, platform);
        main->SetColorSaveForm(saveForm.get());
        main->Guard([this] { saveForm->FormCreate(); });
        return bytes;
    }
};

TEST_P(SettingsBackupTest, KeepsTheFileOnceBeforeTheFirstSave) {
    const Failure& failure = GetParam();
    WriteFileBytes(Backup(), "an older backup");
    const std::string original = StartFailing(failure);

    // The first error box of the start carries the line; the existing text stays first.
    const auto errors = platform.CallsStartingWith("ShowError: ");
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors[0], "ShowError: " + failure.message + KeptLine);
    for (std::size_t i = 1; i < errors.size(); ++i)
        EXPECT_EQ(errors[i].find("System.tri.bak"), std::string::npos) << errors[i];
    // Nothing is copied before a save.
    EXPECT_EQ(ReadFileBytes(Backup()), "an older backup");

    saveForm->FStyle2Click();
    EXPECT_EQ(ReadFileBytes(Backup()), original);
    EXPECT_NE(FileBytes(), original);
    // Later saves leave the backup alone.
    main->FormCloseQuery();
    EXPECT_EQ(ReadFileBytes(Backup()), original);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, SettingsBackupTest,
    ::testing::Values(Failure{"ShortFile", {}, 30, "リストのインデックスが範囲を超えています (30)"},
                      Failure{"EmptyFile", {}, 0, "リストのインデックスが範囲を超えています (0)"},
                      Failure{"BadMainEntry", {{2, "xyz"}}, 51, "'xyz' は整数ではありません."},
                      Failure{"BadSlotColour", {{25, "zz"}}, 51, "'zz' は整数ではありません."},
                      Failure{"UndecodableBytes",
                              {{10, "\x81\xFF"}},
                              51,
                              ErrorBoxText(EConvertError("\x81\xFF")).toStdString()}),
    [](const auto& info) { return std::string(info.param.name); });

using SettingsBackupPlain = WindowFixture;

TEST_F(SettingsBackupPlain, AGoodOrMissingFileMakesNoBackup) {
    StartBoth();
    saveForm->FStyle2Click();
    main->FormCloseQuery();
    EXPECT_TRUE(platform.CallsStartingWith("ShowError").empty());
    EXPECT_FALSE(std::filesystem::exists(platform.settingsPath + ".bak"));

    TearDown();
    SetUp();
    CreateMain();
    main->FormCloseQuery();
    EXPECT_TRUE(std::filesystem::exists(platform.settingsPath));
    EXPECT_FALSE(std::filesystem::exists(platform.settingsPath + ".bak"));
}

TEST_F(SettingsBackupPlain, ABackupThatCannotBeMadeStopsTheSave) {
    Set({{2, "xyz"}});
    StartMain();
    const std::string original = FileBytes();
    std::filesystem::create_directory(platform.settingsPath + ".bak"); // in the way
    std::filesystem::create_directory(platform.settingsPath + ".bak/x");
    platform.calls.clear();
    main->Guard([this] { main->SaveSettings(); });
    EXPECT_EQ(platform.calls,
              std::vector<std::string>{"ShowError: ファイル " + platform.settingsPath +
                                       ".bak を作成できません."});
    EXPECT_EQ(FileBytes(), original);
}

} // namespace
} // namespace tintor::test

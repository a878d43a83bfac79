// A main window (and, when asked, the saved colours window) built offscreen from a System.tri
// in a fresh temporary directory, against the scripted platform.
#pragma once

#include "colorsave/ColorSaveUnit.h"
#include "main/MainUnit.h"
#include "platform/Cp932.h"
#include "platform/ScriptedPlatform.h"
#include "settings/SettingsFile.h"
#include "settings/TextLines.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tintor::test {

inline QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}
// Code page 932 bytes of a UTF-8 literal.
inline std::string Sjis(const char* utf8) {
    return ToCp932(QString::fromUtf8(utf8));
}

inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

class WindowFixture : public ::testing::Test {
protected:
    std::string dir; // the temporary directory, without a trailing separator
    ScriptedPlatform platform;
    // What the next Start writes as System.tri: the first settings plus the test's overrides.
    SettingsArray settings = FirstSettings();
    std::unique_ptr<TMainForm> main;
    std::unique_ptr<TColorSaveForm> saveForm;

    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tintor-main-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        platform.exeDir = dir + "/";
        platform.settingsPath = Path("System.tri");
    }

    void TearDown() override {
        if (main) main->SetColorSaveForm(nullptr);
        saveForm.reset();
        main.reset();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    std::string Path(const std::string& name) const { return dir + "/" + name; }

    // Overrides entries of `settings`, e.g. Set({{0, "3"}, {14, "show"}}).
    void Set(const std::map<int, std::string>& entries) {
        for (const auto& [index, value] : entries)
            settings[static_cast<std::size_t>(index)] = value;
    }

    // Writes `settings` as System.tri. With lfLineEnds the lines end in LF alone, which the
    // program reads alike but never writes: the file then shows whether anything saved it.
    bool lfLineEnds = false;
    std::string writtenBytes;
    void WriteSettingsFile() {
        writtenBytes.clear();
        for (const std::string& entry : settings)
            writtenBytes += entry + (lfLineEnds ? "\n" : "\r\n");
        WriteFileBytes(platform.settingsPath, writtenBytes);
    }

    // Builds the main window as the program entry does, without touching System.tri first.
    void CreateMain() {
        main = std::make_unique<TMainForm>(platform);
        main->Guard([this] { main->FormCreate(); });
    }

    // Writes `settings` as System.tri and builds the main window.
    void StartMain() {
        WriteSettingsFile();
        CreateMain();
    }

    // Writes `settings` and builds both windows in the order of the program entry.
    void StartBoth() {
        StartMain();
        saveForm = std::make_unique<TColorSaveForm>(*main, platform);
        main->SetColorSaveForm(saveForm.get());
        main->Guard([this] { saveForm->FormCreate(); });
    }

    std::string FileBytes() const { return ReadFileBytes(platform.settingsPath); }
    std::vector<std::string> FileLines() const { return SplitTextLines(FileBytes()); }
    // The bytes a save of these entries writes.
    static std::string SavedBytes(const SettingsArray& entries) {
        return JoinTextLines(std::vector<std::string>(entries.begin(), entries.end()));
    }

    // The recorded calls from position `from` on.
    std::vector<std::string> CallsSince(std::size_t from) const {
        return {platform.calls.begin() + static_cast<std::ptrdiff_t>(from), platform.calls.end()};
    }

    // Records every plain message and error box with the text box's bytes at that moment,
    // as "<call> | <box text>".
    void WatchBoxes() {
        boxes_.clear();
        platform.onBox = [this](const std::string& call) {
            if (call.rfind("ShowMessage", 0) == 0 || call.rfind("ShowError", 0) == 0 ||
                call.rfind("MessageBox", 0) == 0)
                boxes_.push_back(call + " | " + FromCp932(main->CopyEdit->Bytes()).toStdString());
        };
    }
    const std::vector<std::string>& Boxes() const { return boxes_; }

private:
    std::vector<std::string> boxes_;
};

} // namespace tintor::test

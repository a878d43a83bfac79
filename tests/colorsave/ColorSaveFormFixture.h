// A main window and a saved colours window built offscreen from a System.tri in a temporary
// directory, against the scripted platform.
#pragma once

#include "colorsave/ColorSaveUnit.h"
#include "main/MainUnit.h"
#include "platform/Cp932.h"
#include "platform/HintTracker.h"
#include "platform/ScriptedPlatform.h"
#include "settings/SettingsFile.h"
#include "settings/TextLines.h"
#include "support/WindowFixture.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace tintor::test {

inline std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}
inline std::string ReadBytes(const std::string& path) {
    return ReadFileBytes(path);
}

class ColorSaveFormTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedPlatform platform;
    SettingsArray settings = FirstSettings();
    std::unique_ptr<TMainForm> main;
    std::unique_ptr<TColorSaveForm> form;

    // Writes `settings` as System.tri and builds both windows as the program entry does.
    void Start() {
        ASSERT_TRUE(dir.isValid());
        platform.exeDir = Path("");
        platform.settingsPath = Path("System.tri");
        WriteSettings();
        main = std::make_unique<TMainForm>(platform);
        main->Guard([&] { main->FormCreate(); });
        form = std::make_unique<TColorSaveForm>(*main, platform);
        main->SetColorSaveForm(form.get());
        main->Guard([&] { form->FormCreate(); });
    }

    void TearDown() override {
        if (main) main->SetColorSaveForm(nullptr);
        form.reset();
        main.reset();
    }

    std::string Path(const std::string& name) const {
        return dir.path().toStdString() + "/" + name;
    }
    void WriteSettings() const {
        std::ofstream out(platform.settingsPath, std::ios::binary | std::ios::trunc);
        out << JoinTextLines(std::vector<std::string>(settings.begin(), settings.end()));
    }
    std::string FileBytes() const { return ReadBytes(platform.settingsPath); }
    std::vector<std::string> FileLines() const { return SplitTextLines(FileBytes()); }

    // Ticks exactly the given display format items of the main window.
    void Tick(std::initializer_list<QAction*> ticked) {
        for (QAction* item :
             {main->mnuHTML, main->mnuRGB, main->mnuDelphi, main->mnuVB, main->mnuCplus})
            item->setChecked(std::find(ticked.begin(), ticked.end(), item) != ticked.end());
    }

    // Points the application hint at a widget, first at another hint so that it always changes.
    void Hover(const QWidget* widget) {
        QWidget elsewhere;
        SetHint(&elsewhere, "\x01");
        HintTracker::Instance().PointerOver(&elsewhere);
        HintTracker::Instance().PointerOver(widget);
    }
};

} // namespace tintor::test

// End-to-end handler benchmarks on the offscreen windows: a click on SHOW, a switch of the
// display format, a slot Save, and the settings save they share. Boxes are answered by the
// scripted platform; each action includes the repaint it causes.
#include "colorsave/ColorSaveUnit.h"
#include "main/MainUnit.h"
#include "platform/ScriptedPlatform.h"
#include "settings/SettingsFile.h"

#include <QApplication>
#include <QRadioButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace tintor;

// Both windows built as the program entry builds them, from a System.tri in a temporary
// directory, and shown; kept for the whole run.
struct Windows {
    QTemporaryDir dir;
    ScriptedPlatform platform;
    std::unique_ptr<TMainForm> main;
    std::unique_ptr<TColorSaveForm> form;

    Windows() {
        if (!dir.isValid()) std::abort();
        platform.exeDir = dir.path().toStdString() + "/";
        platform.settingsPath = platform.exeDir + SettingsFileName;
        SaveSettingsFile(platform.settingsPath, FirstSettings());
        main = std::make_unique<TMainForm>(platform);
        main->Guard([&] { main->FormCreate(); });
        main->show();
        form = std::make_unique<TColorSaveForm>(*main, platform);
        main->SetColorSaveForm(form.get());
        main->Guard([&] { form->FormCreate(); });
        form->show();
        Settle();
    }

    // Delivers what the last action posted: repaints, layout, deferred deletes.
    static void Settle() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    static std::unique_ptr<Windows>& Instance() {
        static std::unique_ptr<Windows> windows;
        return windows;
    }
    static Windows& Get() {
        if (!Instance()) Instance() = std::make_unique<Windows>();
        return *Instance();
    }
};

// SHOW on texts of every notation, names known and unknown, and refused texts.
void BM_ButtonShow(benchmark::State& state) {
    Windows& w = Windows::Get();
    const std::vector<std::string> texts = {"#FF8040",    "clRed",   "255,128,064", "clNoSuch",
                                            "$004080FF",  "#GG0000", "&H4080FF&",   "xyz",
                                            "0x004080FF", "clAqua",  "300,000,000", "$00C0C0C0"};
    std::size_t i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.main->CopyEdit->SetBytes(texts[i++ % texts.size()]);
        w.platform.calls.clear();
        Windows::Settle();
        state.ResumeTiming();
        w.main->ButtonShow->click();
        Windows::Settle();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ButtonShow)->Name("handler/SHOW");

// The format menu items in turn, each rewriting the text box from the current colour.
void BM_FormatSwitch(benchmark::State& state) {
    Windows& w = Windows::Get();
    w.main->CopyEdit->SetBytes("#FF8040");
    w.main->ButtonShow->click();
    Windows::Settle();
    QAction* const items[] = {w.main->mnuRGB, w.main->mnuDelphi, w.main->mnuVB, w.main->mnuCplus,
                              w.main->mnuHTML};
    std::size_t i = 0;
    for (auto _ : state) {
        items[i++ % 5]->trigger();
        Windows::Settle();
    }
    w.platform.calls.clear();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatSwitch)->Name("handler/FormatSwitch");

// Save into slot 1: swatch, slot name, settings entries and the settings file.
void BM_SlotSave(benchmark::State& state) {
    Windows& w = Windows::Get();
    auto* save = w.form->findChild<QWidget*>("Save1");
    auto* button = qobject_cast<QAbstractButton*>(save);
    if (!button) {
        state.SkipWithError("the saved colours window has no Save1 button");
        return;
    }
    w.form->RB(1)->setChecked(true);
    w.main->CopyEdit->SetBytes("#FF8040");
    w.main->ButtonShow->click();
    Windows::Settle();
    for (auto _ : state) {
        button->click();
        Windows::Settle();
    }
    w.platform.calls.clear();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SlotSave)->Name("handler/SlotSave");

// The window's settings save alone (atomic replace included), in wall time: the disk flush
// waits off the CPU.
void BM_SaveSettings(benchmark::State& state) {
    Windows& w = Windows::Get();
    for (auto _ : state)
        w.main->SaveSettings();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SaveSettings)->Name("handler/SaveSettings")->Repetitions(11)->UseRealTime();

} // namespace

// The windows go before the application object does (called by the benchmark entry).
void ReleaseBenchWindows() {
    if (auto& windows = Windows::Instance()) {
        windows->main->SetColorSaveForm(nullptr);
        windows.reset();
    }
}

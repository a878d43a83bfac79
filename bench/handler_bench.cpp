// End-to-end handler benchmarks on the offscreen windows: a click on SHOW, a switch of the
// display format, a slot Save, the settings save they share, and the peak memory of importing
// a huge bad file. Boxes are answered by the
// scripted platform; each action includes the repaint it causes.
#include "colorsave/ColorSaveUnit.h"
#include "main/MainUnit.h"
#include "platform/ScriptedPlatform.h"
#include "settings/SettingsFile.h"

#include <QApplication>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <fstream>
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

// The resident memory figure `key` ("VmRSS:", "VmHWM:") of this process in kB, or -1.
long StatusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::strtol(line.c_str() + std::strlen(key), nullptr, 10);
    return -1;
}

// Imports of a file that is one 40 MB line, which is no colour: the error box shows the
// line's start. Reported is how far the peak resident memory rises above what the process
// held before the import (the kernel's peak is reset first; where it cannot be, the figure is
// the rise above the peak so far, a lower bound).
void BM_HugeLineImport(benchmark::State& state, QAction* TMainForm::*item, const char* name) {
    Windows& w = Windows::Get();
    const QString path = w.dir.filePath(QString::fromLatin1(name));
    {
        std::ofstream file(path.toStdString(), std::ios::binary);
        const std::string block(1 << 20, 'x');
        for (int i = 0; i < 40; ++i)
            file << block;
    }
    double riseMiB = 0;
    for (auto _ : state) {
        std::ofstream("/proc/self/clear_refs") << "5";
        const long before = std::max(StatusKb("VmRSS:"), 0L);
        w.platform.fileAnswers.push_back(path);
        (w.main.get()->*item)->trigger();
        Windows::Settle();
        riseMiB = std::max(riseMiB, static_cast<double>(StatusKb("VmHWM:") - before) / 1024.0);
    }
    if (w.platform.CallsStartingWith("ShowError: 'xxx").empty())
        state.SkipWithError("the import did not end in the error box");
    w.platform.calls.clear();
    QFile::remove(path);
    state.counters["peak_rise_MiB"] = riseMiB;
}
BENCHMARK_CAPTURE(BM_HugeLineImport, design, &TMainForm::mnuInportDesine, "huge.tdd")
    ->Name("import/HugeLineDesign")
    ->Iterations(1)
    ->Repetitions(3);
BENCHMARK_CAPTURE(BM_HugeLineImport, colours, &TMainForm::mnuPort, "huge.tud")
    ->Name("import/HugeLineColours")
    ->Iterations(1)
    ->Repetitions(3);

} // namespace

// The windows go before the application object does (called by the benchmark entry).
void ReleaseBenchWindows() {
    if (auto& windows = Windows::Instance()) {
        windows->main->SetColorSaveForm(nullptr);
        windows.reset();
    }
}

// Benchmarks of the pure layers: the five formatters, colour identifier texts, the SHOW
// decision, and loading and saving System.tri.
#include "colour/ColorNames.h"
#include "colour/ColorTextAnalysis.h"
#include "colour/ColorValue.h"
#include "settings/SettingsFile.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace tintor;

// 256 spread colour values, so no formatter sees the same input twice in a row.
const std::array<TColor, 256>& Colours() {
    static const std::array<TColor, 256> colours = [] {
        std::array<TColor, 256> values{};
        std::uint32_t x = 0x12345678u;
        for (TColor& value : values) {
            x = x * 1664525u + 1013904223u;
            value = static_cast<TColor>(x >> 8);
        }
        return values;
    }();
    return colours;
}

template <std::string (*Formatter)(TColor)> void BM_Formatter(benchmark::State& state) {
    const auto& colours = Colours();
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Formatter(colours[i++ & 255]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Formatter<ColorToHtmlText>)->Name("core/ColorToHtmlText");
BENCHMARK(BM_Formatter<ColorToRgbText>)->Name("core/ColorToRgbText");
BENCHMARK(BM_Formatter<ColorToDelphiText>)->Name("core/ColorToDelphiText");
BENCHMARK(BM_Formatter<ColorToVbText>)->Name("core/ColorToVbText");
BENCHMARK(BM_Formatter<ColorToCppText>)->Name("core/ColorToCppText");

// Half the values have a table name, half fall back to the hex text.
void BM_ColorToIdentText(benchmark::State& state) {
    std::vector<TColor> values;
    for (const ColorName& entry : ColorNameTable())
        values.push_back(entry.value);
    const std::size_t named = values.size();
    for (std::size_t k = 0; k < named; ++k)
        values.push_back(Colours()[k]);
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ColorToIdentText(values[i++ % values.size()]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ColorToIdentText)->Name("core/ColorToIdentText");

// Table names in mixed case and integer texts of every notation it accepts.
void BM_IdentTextToColor(benchmark::State& state) {
    const std::vector<std::string> texts = {"clRed",      "clwindow",     "CLBTNFACE", "$00FF8040",
                                            "16777215",   "clMoneyGreen", "$0000FF00", "-1",
                                            "0x00123456", "clBlack",      "255",       "$80000005",
                                            "clSkyBlue",  "clNone",       "$1FFFFFFF", "clYellow"};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(IdentTextToColor(texts[i++ % texts.size()]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_IdentTextToColor)->Name("core/IdentTextToColor");

// Accepted texts of the five notations and names, and refused ones of each kind.
void BM_AnalyzeShowText(benchmark::State& state) {
    const std::vector<std::string> texts = {
        "#FF8040", "255,128,064", "$004080FF", "&H4080FF&",  "0x004080FF", "clRed",
        "clAqua",  "clNoSuch",    " #FF8040",  "xyz",        "#GG0000",    "300,000,000",
        "cx",      "0x0040",      "",          "1234567890", "&HZZ0000&",  "$00C0C0C0"};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(AnalyzeShowText(texts[i++ % texts.size()]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AnalyzeShowText)->Name("core/AnalyzeShowText");

// A private directory for the settings file benchmarks, removed at exit.
// The string is never destroyed, so the exit handler can still read it.
const std::string& TempDir() {
    static const std::string* dir = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "tintor-bench-XXXXXX");
        if (!mkdtemp(pattern.data())) std::abort();
        auto* path = new std::string(pattern);
        std::atexit([] { std::filesystem::remove_all(TempDir()); });
        return path;
    }();
    return *dir;
}

void BM_LoadSettingsFile(benchmark::State& state) {
    const std::string path = TempDir() + "/Load.tri";
    SaveSettingsFile(path, FirstSettings());
    SettingsArray settings;
    for (auto _ : state) {
        LoadSettingsFile(path, settings);
        benchmark::DoNotOptimize(settings);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LoadSettingsFile)->Name("core/LoadSettingsFile");

// Every save writes a temporary file, flushes it and renames it over the target.
void BM_SaveSettingsFile(benchmark::State& state) {
    const std::string path = TempDir() + "/" + SettingsFileName;
    const SettingsArray settings = FirstSettings();
    for (auto _ : state)
        SaveSettingsFile(path, settings);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SaveSettingsFile)->Name("core/SaveSettingsFile")->Repetitions(11)->UseRealTime();

} // namespace

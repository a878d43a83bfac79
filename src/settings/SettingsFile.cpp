// Reset values, the shipped first settings, and loading and saving the 51 entries.
#include "settings/SettingsFile.h"

#include "settings/TextFile.h"
#include "settings/TextLines.h"

#include <utility>
#include <vector>

namespace tintor {

namespace {
constexpr const char* ResetMainValues[20] = {
    "1",      "Normal",    "$009B684D", "$00FFFFFF", "300",       "300",       "$001E1E1E",
    "TINTOR", "$00000000", "$00FFFFFF", "$00C0C0C0", "$00000000", "$00000000", "$00000000",
    "Show",   "Show",      "Show",      "Show",      "TINTOR",    "TINTOR"};
constexpr const char* ResetGroupNames[3] = {"Group1", "Group2", "Group3"};
constexpr const char* EmptySlotColor = "$00FFFFFF";
constexpr const char* EmptySlotName = "none";
} // namespace

void StoreResetValues(SettingsArray& settings) {
    for (int i = 0; i < 20; ++i)
        settings[i] = ResetMainValues[i];
    for (int g = 1; g <= 3; ++g)
        settings[idx::GroupName0 + g] = ResetGroupNames[g - 1];
}

SettingsArray FirstSettings() {
    SettingsArray settings;
    StoreResetValues(settings);
    for (int n = 1; n <= 12; ++n) {
        settings[idx::SlotColor0 + n] = EmptySlotColor;
        settings[idx::SlotName0 + n] = EmptySlotName;
    }
    settings[idx::SaveFormStyle] = "Normal";
    return settings;
}

void LoadSettingsFile(const std::string& path, SettingsArray& settings) {
    // Lines after the last entry are never used, so they are not read.
    // Lines are moved into the entries, so a huge line is never held twice.
    std::vector<std::string> lines = LoadTextLines(path, SettingsCount);
    for (std::size_t k = 0; k < SettingsCount; ++k) {
        LineAt(lines, k); // EListError(k) at the first missing line
        settings[k] = std::move(lines[k]);
    }
}

void SaveSettingsFile(const std::string& path, const SettingsArray& settings) {
    SaveTextLines(path, std::vector<std::string>(settings.begin(), settings.end()));
}

} // namespace tintor

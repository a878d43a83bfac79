// The 51 settings entries mirrored line by line in System.tri: index map, reset values,
// loading and saving.
#pragma once

#include <array>
#include <string>

namespace tintor {

inline constexpr int SettingsCount = 51;
using SettingsArray = std::array<std::string, SettingsCount>;

// Index map.
namespace idx {
inline constexpr int Format = 0;
inline constexpr int MainStyle = 1;
inline constexpr int WindowColor = 2;
inline constexpr int TitleFontColor = 3;
inline constexpr int Top = 4;
inline constexpr int Left = 5;
inline constexpr int VersionFontColor = 6;
inline constexpr int Caption = 7;
inline constexpr int EditFontColor = 8;
inline constexpr int EditColor = 9;
inline constexpr int BaseColor = 10;
inline constexpr int ShowFontColor = 11;
inline constexpr int CopyFontColor = 12;
inline constexpr int PasteFontColor = 13;
inline constexpr int PanelHint = 14;
inline constexpr int EditHint = 15;
inline constexpr int ButtonHints = 16;
inline constexpr int SystemHints = 17;
inline constexpr int Unused18 = 18;
inline constexpr int PanelCursor = 19;
inline constexpr int SlotColor0 = 19; // slot N colour at SlotColor0 + N (N = 1..12)
inline constexpr int SlotName0 = 31;  // slot N name at SlotName0 + N
inline constexpr int GroupName0 = 43; // group g name at GroupName0 + g (g = 1..3)
inline constexpr int SaveFormStyle = 47;
} // namespace idx

inline constexpr const char* SettingsFileName = "System.tri";

// Stores the reset values into entries 0 to 19 and 44 to 46, in index order.
void StoreResetValues(SettingsArray& settings);

// The settings the program ships with: reset values, reset slots, "Normal" for entry 47.
SettingsArray FirstSettings();

// Loads entries from the file: fills entry k from line k; EFOpenError when the file cannot be
// read, EListError(k) at the first missing line k (entries before it stay filled).
void LoadSettingsFile(const std::string& path, SettingsArray& settings);

// Writes all 51 entries (atomic replace, see TextFile.h).
void SaveSettingsFile(const std::string& path, const SettingsArray& settings);

} // namespace tintor

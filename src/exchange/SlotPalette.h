// The twelve saved colour slots as a palette, and a palette as slot entries stored the way
// Save stores a slot (colour identifier text, slot name bytes).
#pragma once

#include "colour/ColorValue.h"
#include "exchange/GimpPalette.h"
#include "settings/SettingsFile.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tintor {

// What a slot name holds: as many bytes as the text box it is saved from.
inline constexpr std::size_t SlotNameBytes = 14;

struct SlotEntry {
    std::string colorText; // Settings 19+N: ColorToIdentText of the colour
    std::string name;      // Settings 31+N: code page 932 bytes
};

// Turns a UTF-8 name into code page 932 bytes (characters it cannot hold are replaced).
using NameEncoder = std::function<std::string(std::string_view utf8)>;

// The first twelve colours of the palette as slot entries. A name is encoded and cut to
// SlotNameBytes between characters; a colour without a name gets the text Save would give it
// in display format `format`. A palette of fewer colours gives fewer entries.
std::vector<SlotEntry> PaletteSlotEntries(const Palette& palette, int format,
                                          const NameEncoder& encode);

// Stores entry k into slot k+1 of the settings (colour 20+k, name 32+k).
void StoreSlotEntries(const std::vector<SlotEntry>& entries, SettingsArray& settings);

// The name text Save writes for a colour in a display format; HTML for an unknown format.
std::string SaveNameText(int format, TColor color);

// The longest start of code page 932 bytes that fits in maxBytes without cutting a
// double-byte character.
std::string CutCp932(std::string_view bytes, std::size_t maxBytes);

// A palette colour from the low three bytes of a colour value.
PaletteColor ToPaletteColor(TColor color, std::string utf8Name);

inline constexpr const char* ExportPaletteName = "TINTOR";
inline constexpr int ExportPaletteColumns = 4;
inline constexpr const char* CssPropertyPrefix = "tintor";
inline constexpr const char* EmptyPaletteMessage = "パレットに色がありません";

} // namespace tintor

// The user colour file (.tud): 24 lines, the twelve slot colours then the twelve slot names.
#pragma once

#include "colour/ColorValue.h"

#include <array>
#include <string>
#include <vector>

namespace tintor {

inline constexpr int SlotCount = 12;

// Receives the import's effects in the order they must happen.
class UserColorSink {
public:
    virtual ~UserColorSink() = default;
    virtual void SetSwatchColor(int slot, TColor color) = 0;
    virtual void SetSlotName(int slot, const std::string& name) = 0;
    virtual void SetSetting(int index, const std::string& value) = 0;
};

// Applies the lines slot by slot: swatch colour (IdentTextToColor of line N), name (line 12+N),
// settings 19+N := line N as read, settings 31+N := line 12+N. Throws EListError with the
// missing line's 0-based index or EConvertError; what was applied before stays applied.
void ImportUserColors(const std::vector<std::string>& lines, UserColorSink& sink);

// The 24 lines of an export: ColorToIdentText of each swatch, then each name as it is.
std::vector<std::string> ExportUserColors(const std::array<TColor, SlotCount>& colors,
                                          const std::array<std::string, SlotCount>& names);

inline constexpr const char* UserColorFilter = "TINTOR ユーザ作成色データ(*.tud)|*.tud";
inline constexpr const char* UserColorExtension = "tud";

} // namespace tintor

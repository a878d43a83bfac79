// Import and export of the user colour file: twelve slot colours, then twelve slot names.
#include "exchange/UserColorFile.h"

#include "colour/ColorNames.h"
#include "settings/TextLines.h"

namespace tintor {

namespace {

// Settings entries that mirror the slots: colour of slot N at 19+N, name at 31+N.
constexpr int ColorSettingBase = 19;
constexpr int NameSettingBase = 31;

} // namespace

void ImportUserColors(const std::vector<std::string>& lines, UserColorSink& sink) {
    for (int slot = 1; slot <= SlotCount; ++slot) {
        // Each line is read at the step that uses it, so a short file stops exactly at the first
        // missing line with the effects before it already applied.
        const std::size_t colorLine = static_cast<std::size_t>(slot - 1);
        const std::size_t nameLine = static_cast<std::size_t>(SlotCount + slot - 1);
        sink.SetSwatchColor(slot, IdentTextToColor(LineAt(lines, colorLine)));
        sink.SetSlotName(slot, LineAt(lines, nameLine));
        // The colour text is stored as the file wrote it, not normalised.
        sink.SetSetting(ColorSettingBase + slot, LineAt(lines, colorLine));
        sink.SetSetting(NameSettingBase + slot, LineAt(lines, nameLine));
    }
}

std::vector<std::string> ExportUserColors(const std::array<TColor, SlotCount>& colors,
                                          const std::array<std::string, SlotCount>& names) {
    std::vector<std::string> lines;
    lines.reserve(2 * SlotCount);
    for (TColor color : colors) {
        lines.push_back(ColorToIdentText(color));
    }
    lines.insert(lines.end(), names.begin(), names.end());
    return lines;
}

} // namespace tintor

// Slots to palette colours and back.
#include "exchange/SlotPalette.h"

#include "colour/ColorNames.h"
#include "exchange/UserColorFile.h"

#include <algorithm>
#include <cstdint>

namespace tintor {

namespace {
bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
} // namespace

std::string CutCp932(std::string_view bytes, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < bytes.size()) {
        const std::size_t width = IsLeadByte(static_cast<unsigned char>(bytes[end])) ? 2 : 1;
        if (end + width > maxBytes) break;
        end += width;
    }
    return std::string(bytes.substr(0, std::min(end, bytes.size())));
}

std::string SaveNameText(int format, TColor color) {
    if (format == FormatVb) {
        // One more "&" at each end, so the name panel shows the plain Visual Basic text.
        std::string wrapped(1, '&');
        wrapped.append(ColorToVbText(color)).push_back('&');
        return wrapped;
    }
    return FormatColorText(format, color).value_or(ColorToHtmlText(color));
}

std::vector<SlotEntry> PaletteSlotEntries(const Palette& palette, int format,
                                          const NameEncoder& encode) {
    std::vector<SlotEntry> entries;
    for (const PaletteColor& c : palette.colors) {
        if (entries.size() == static_cast<std::size_t>(SlotCount)) break;
        const TColor color = static_cast<TColor>(c.red | (c.green << 8) | (c.blue << 16));
        std::string name = c.name.empty() ? std::string() : CutCp932(encode(c.name), SlotNameBytes);
        if (name.empty()) name = SaveNameText(format, color);
        entries.push_back({ColorToIdentText(color), std::move(name)});
    }
    return entries;
}

void StoreSlotEntries(const std::vector<SlotEntry>& entries, SettingsArray& settings) {
    for (std::size_t k = 0; k < entries.size() && k < static_cast<std::size_t>(SlotCount); ++k) {
        settings[static_cast<std::size_t>(idx::SlotColor0) + k + 1] = entries[k].colorText;
        settings[static_cast<std::size_t>(idx::SlotName0) + k + 1] = entries[k].name;
    }
}

PaletteColor ToPaletteColor(TColor color, std::string utf8Name) {
    const auto bits = static_cast<std::uint32_t>(color);
    return {static_cast<std::uint8_t>(bits & 0xFF), static_cast<std::uint8_t>((bits >> 8) & 0xFF),
            static_cast<std::uint8_t>((bits >> 16) & 0xFF), std::move(utf8Name)};
}

} // namespace tintor

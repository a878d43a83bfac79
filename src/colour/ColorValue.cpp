// The five display formatters and the contrast rule for the button font colour.
#include "colour/ColorValue.h"

#include <cstdio>

namespace tintor {

namespace {

struct Bytes {
    unsigned red;
    unsigned green;
    unsigned blue;
};

// The low three bytes of the value; the high byte plays no part in any display format.
Bytes SplitBytes(TColor color) {
    const auto bits = static_cast<std::uint32_t>(color);
    return {bits & 0xFFu, (bits >> 8) & 0xFFu, (bits >> 16) & 0xFFu};
}

// Formats into a fixed buffer; every caller's output is short and of known length.
template <typename... Args> std::string Format(const char* pattern, Args... args) {
    char buffer[16];
    const int n = std::snprintf(buffer, sizeof buffer, pattern, args...);
    return std::string(buffer, static_cast<std::size_t>(n));
}

} // namespace

std::string ColorToHtmlText(TColor color) {
    const Bytes b = SplitBytes(color);
    return Format("#%02X%02X%02X", b.red, b.green, b.blue);
}

std::string ColorToRgbText(TColor color) {
    const Bytes b = SplitBytes(color);
    return Format("%03u,%03u,%03u", b.red, b.green, b.blue);
}

std::string ColorToDelphiText(TColor color) {
    const Bytes b = SplitBytes(color);
    return Format("$00%02X%02X%02X", b.blue, b.green, b.red);
}

std::string ColorToVbText(TColor color) {
    const Bytes b = SplitBytes(color);
    return Format("&H%02X%02X%02X&", b.blue, b.green, b.red);
}

std::string ColorToCppText(TColor color) {
    const Bytes b = SplitBytes(color);
    return Format("0x00%02X%02X%02X", b.blue, b.green, b.red);
}

std::optional<std::string> FormatColorText(int format, TColor color) {
    switch (format) {
    case FormatHtml:
        return ColorToHtmlText(color);
    case FormatRgb:
        return ColorToRgbText(color);
    case FormatDelphi:
        return ColorToDelphiText(color);
    case FormatVb:
        return ColorToVbText(color);
    case FormatCpp:
        return ColorToCppText(color);
    default:
        return std::nullopt;
    }
}

TColor ButtonFontColorFor(TColor current) {
    // Raw bytes only: every negative value (all system colours) counts as dark background, every
    // value from 0x01000000 up as light background.
    if (current < 0) {
        return LightButtonText;
    }
    if (current <= 0x00FFFFFF) {
        const Bytes b = SplitBytes(current);
        if (b.red < 85 && b.green < 85 && b.blue < 85) {
            return LightButtonText;
        }
    }
    return DarkButtonText;
}

} // namespace tintor

// The five display formatters and the contrast rule for the button font colour.
#include "colour/ColorValue.h"

#include <string_view>

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

constexpr char HexDigits[] = "0123456789ABCDEF";

// Writes a byte as two uppercase hex digits.
char* PutHex(char* out, unsigned byte) {
    out[0] = HexDigits[(byte >> 4) & 0xFu];
    out[1] = HexDigits[byte & 0xFu];
    return out + 2;
}

// Writes a byte as three decimal digits with leading zeros.
char* PutDecimal3(char* out, unsigned byte) {
    out[0] = static_cast<char>('0' + byte / 100);
    out[1] = static_cast<char>('0' + byte / 10 % 10);
    out[2] = static_cast<char>('0' + byte % 10);
    return out + 3;
}

// A prefix, three bytes in hex in the given order, and a suffix: the hex notations.
std::string HexText(std::string_view prefix, unsigned first, unsigned second, unsigned third,
                    std::string_view suffix = {}) {
    char buffer[16];
    char* out = buffer;
    for (char c : prefix)
        *out++ = c;
    out = PutHex(PutHex(PutHex(out, first), second), third);
    for (char c : suffix)
        *out++ = c;
    return std::string(buffer, static_cast<std::size_t>(out - buffer));
}

} // namespace

std::string ColorToHtmlText(TColor color) {
    const Bytes b = SplitBytes(color);
    return HexText("#", b.red, b.green, b.blue);
}

std::string ColorToRgbText(TColor color) {
    const Bytes b = SplitBytes(color);
    char buffer[11];
    char* out = PutDecimal3(buffer, b.red);
    *out++ = ',';
    out = PutDecimal3(out, b.green);
    *out++ = ',';
    PutDecimal3(out, b.blue);
    return std::string(buffer, sizeof buffer);
}

std::string ColorToDelphiText(TColor color) {
    const Bytes b = SplitBytes(color);
    return HexText("$00", b.blue, b.green, b.red);
}

std::string ColorToVbText(TColor color) {
    const Bytes b = SplitBytes(color);
    return HexText("&H", b.blue, b.green, b.red, "&");
}

std::string ColorToCppText(TColor color) {
    const Bytes b = SplitBytes(color);
    return HexText("0x00", b.blue, b.green, b.red);
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

// The colour value (0x00BBGGRR, red in the low byte), its five display formats and the
// contrast rule that picks the button font colour.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tintor {

// Signed 32-bit colour value. Values with a non-zero high byte (system colours 0x80xxxxxx,
// clNone 0x1FFFFFFF, clDefault 0x20000000) are kept, formatted and compared as they are.
using TColor = std::int32_t;

// Display format numbers as stored in settings entry 0 and in the format menu items' tags.
enum DisplayFormat : int {
    FormatHtml = 1,
    FormatRgb = 2,
    FormatDelphi = 3,
    FormatVb = 4,
    FormatCpp = 5,
};

inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clBlack = 0x00000000;

// Formatters; the high byte is ignored.
std::string ColorToHtmlText(TColor color);   // "#RRGGBB"
std::string ColorToRgbText(TColor color);    // "RRR,GGG,BBB"
std::string ColorToDelphiText(TColor color); // "$00BBGGRR"
std::string ColorToVbText(TColor color);     // "&HBBGGRR&"
std::string ColorToCppText(TColor color);    // "0x00BBGGRR"

// The formatter of display format n; no text for a number outside 1..5.
std::optional<std::string> FormatColorText(int format, TColor color);

// Font colour of the SHOW, COPY and PASTE buttons for the given current colour.
inline constexpr TColor LightButtonText = 0x00F7F7F7;
inline constexpr TColor DarkButtonText = 0x00141414;
TColor ButtonFontColorFor(TColor current);

} // namespace tintor

// Colour texts as style sheets write them: #RGB, #RRGGBB, rgb(), hsl() and the named colours.
#pragma once

#include "colour/ColorValue.h"

#include <span>
#include <string_view>

namespace tintor {

struct CssColorResult {
    enum Status {
        NotCss,    // no CSS colour form at all (no "#", no known function, no name)
        Malformed, // a CSS form whose content is wrong: bad digits, values out of range
        Ok,
    };
    Status status = NotCss;
    TColor color = 0; // 0x00BBGGRR, for Ok
};

// Reads a CSS colour text; ASCII case is ignored and surrounding blanks are skipped.
// Accepted: "#RGB", "#RRGGBB", "rgb(r, g, b)" and "rgb(r g b)" with numbers 0 to 255 or
// percentages, "hsl(h, s%, l%)" and "hsl(h s% l%)" with the hue in degrees, and the named
// colours. Alpha forms are refused: a TINTOR colour has no transparency.
CssColorResult ParseCssColor(std::string_view text);

struct CssNamedColor {
    std::string_view name; // lowercase
    TColor color;
};
// The named colours of CSS, in alphabetical order ("transparent" is no colour and not listed).
std::span<const CssNamedColor> CssNamedColors();

// HSL to a colour value: hue in degrees (any value, taken modulo 360), saturation and
// lightness from 0 to 1; each channel rounded to the nearest byte, halves upwards.
TColor HslToColor(double hue, double saturation, double lightness);

} // namespace tintor

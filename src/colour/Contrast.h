// The contrast ratio of two colours as the Web Content Accessibility Guidelines (2.2) define
// it, and its verdicts for the AA and AAA levels.
#pragma once

#include "colour/ColorValue.h"

#include <string>

namespace tintor {

// Relative luminance of the low three bytes, with the sRGB transfer function: 0 to 1.
double RelativeLuminance(TColor color);

// (lighter + 0.05) / (darker + 0.05): 1 to 21, the same whichever colour comes first.
double ContrastRatio(TColor a, TColor b);

struct ContrastCheck {
    // The ratio in hundredths, rounded down: 454 for 4.5422. Rounding down means a ratio just
    // below a threshold never shows as reaching it, and the verdicts use this same figure.
    int hundredths = 100;
    bool aaNormal = false;  // 4.5:1, normal text
    bool aaaNormal = false; // 7:1, normal text
    bool aaLarge = false;   // 3:1, large text
    bool aaaLarge = false;  // 4.5:1, large text
};

ContrastCheck CheckContrast(TColor foreground, TColor background);

// "4.54", "21.00": the ratio of a check with two decimals.
std::string RatioText(const ContrastCheck& check);

} // namespace tintor

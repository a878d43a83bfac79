// Relative luminance and contrast ratio, and the AA/AAA verdicts.
#include "colour/Contrast.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tintor {

namespace {

// sRGB byte to linear light.
double Linear(unsigned byte) {
    const double c = byte / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double RelativeLuminance(TColor color) {
    const auto bits = static_cast<std::uint32_t>(color);
    return 0.2126 * Linear(bits & 0xFFu) + 0.7152 * Linear((bits >> 8) & 0xFFu) +
           0.0722 * Linear((bits >> 16) & 0xFFu);
}

double ContrastRatio(TColor a, TColor b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ContrastCheck CheckContrast(TColor foreground, TColor background) {
    ContrastCheck check;
    // The allowance, a billionth of a hundredth, only absorbs floating-point error in ratios
    // that are whole hundredths, such as 21 and 1.
    check.hundredths =
        static_cast<int>(std::floor(ContrastRatio(foreground, background) * 100.0 + 1e-9));
    check.aaNormal = check.hundredths >= 450;
    check.aaaNormal = check.hundredths >= 700;
    check.aaLarge = check.hundredths >= 300;
    check.aaaLarge = check.hundredths >= 450;
    return check;
}

std::string RatioText(const ContrastCheck& check) {
    const int h = check.hundredths;
    std::string text = std::to_string(h / 100) + ".";
    text += static_cast<char>('0' + h / 10 % 10);
    text += static_cast<char>('0' + h % 10);
    return text;
}

} // namespace tintor

// The colour name table and the colour identifier text that is read and written with it.
#include "colour/ColorNames.h"

#include "colour/IntegerText.h"
#include "core/Errors.h"

#include <array>
#include <cstdio>

namespace tintor {

namespace {

constexpr TColor Sys(std::uint32_t bits) {
    return static_cast<TColor>(bits);
}

constexpr std::array<ColorName, 49> kColorNames{{
    {"clBlack", 0x00000000},
    {"clMaroon", 0x00000080},
    {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},
    {"clNavy", 0x00800000},
    {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},
    {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},
    {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},
    {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},
    {"clMoneyGreen", 0x00C0DCC0},
    {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF},
    {"clMedGray", 0x00A4A0A0},
    {"clActiveBorder", Sys(0x8000000A)},
    {"clActiveCaption", Sys(0x80000002)},
    {"clAppWorkSpace", Sys(0x8000000C)},
    {"clBackground", Sys(0x80000001)},
    {"clBtnFace", Sys(0x8000000F)},
    {"clBtnHighlight", Sys(0x80000014)},
    {"clBtnShadow", Sys(0x80000010)},
    {"clBtnText", Sys(0x80000012)},
    {"clCaptionText", Sys(0x80000009)},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", Sys(0x8000001B)},
    {"clGradientInactiveCaption", Sys(0x8000001C)},
    {"clGrayText", Sys(0x80000011)},
    {"clHighlight", Sys(0x8000000D)},
    {"clHighlightText", Sys(0x8000000E)},
    {"clInactiveBorder", Sys(0x8000000B)},
    {"clInactiveCaption", Sys(0x80000003)},
    {"clInactiveCaptionText", Sys(0x80000013)},
    {"clInfoBk", Sys(0x80000018)},
    {"clInfoText", Sys(0x80000017)},
    {"clMenu", Sys(0x80000004)},
    {"clMenuText", Sys(0x80000007)},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", Sys(0x80000000)},
    {"cl3DDkShadow", Sys(0x80000015)},
    {"cl3DLight", Sys(0x80000016)},
    {"clWindow", Sys(0x80000005)},
    {"clWindowFrame", Sys(0x80000006)},
    {"clWindowText", Sys(0x80000008)},
}};

// Case is ignored for the ASCII letters only; every other byte must match exactly, so a
// double-byte character never matches a name by accident.
char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

std::span<const ColorName> ColorNameTable() {
    return kColorNames;
}

std::string ColorToIdentText(TColor color) {
    for (const ColorName& entry : kColorNames) {
        if (entry.value == color) {
            return std::string(entry.name);
        }
    }
    char buffer[16];
    const int n = std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<unsigned>(color));
    return std::string(buffer, static_cast<std::size_t>(n));
}

std::optional<TColor> TryIdentTextToColor(std::string_view text) {
    for (const ColorName& entry : kColorNames) {
        if (EqualsIgnoringAsciiCase(text, entry.name)) {
            return entry.value;
        }
    }
    return TryStrToInt(text);
}

TColor IdentTextToColor(std::string_view text) {
    if (const auto value = TryIdentTextToColor(text)) {
        return *value;
    }
    throw EConvertError(std::string(text));
}

} // namespace tintor

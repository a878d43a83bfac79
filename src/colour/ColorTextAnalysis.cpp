// The decisions of SHOW and COPY on the text of the main window's text box. Lengths and
// positions are in bytes; the first character is the first byte, so a text that starts with a
// double-byte character matches no notation.
#include "colour/ColorTextAnalysis.h"

#include "colour/ColorNames.h"
#include "colour/IntegerText.h"

#include <array>
#include <cstdio>
#include <string>

namespace tintor {

namespace {

constexpr std::array<ShowName, 22> kShowNames{{
    {"clAqua", 0x00FFFF00},       {"clBlack", 0x00000000},  {"clBlue", 0x00FF0000},
    {"clCream", 0x00F0FBFF},      {"clDkGray", 0x00808080}, {"clFuchsia", 0x00FF00FF},
    {"clGray", 0x00808080},       {"clGreen", 0x00008000},  {"clLime", 0x0000FF00},
    {"clLtGray", 0x00C0C0C0},     {"clMaroon", 0x00000080}, {"clMedGray", 0x00A4A0A0},
    {"clMoneyGreen", 0x00C0DCC0}, {"clNavy", 0x00800000},   {"clOlive", 0x00008080},
    {"clPurple", 0x00800080},     {"clRed", 0x000000FF},    {"clSilver", 0x00C0C0C0},
    {"clSkyBlue", 0x00F0CAA6},    {"clTeal", 0x00808000},   {"clWhite", 0x00FFFFFF},
    {"clYellow", 0x0000FFFF},
}};

// 1-based byte positions a..b of t, as the notations are described.
std::string_view Piece(std::string_view t, std::size_t a, std::size_t b) {
    return t.substr(a - 1, b - a + 1);
}

// Every notation but the names and RGB is converted through its Delphi form, so a piece that
// is not two hex digits makes the conversion fail.
ShowOutcome ApplyDelphiText(std::string_view delphi) {
    if (const auto color = TryIdentTextToColor(delphi)) {
        return {ShowOutcome::Apply, *color};
    }
    return {ShowOutcome::NumberRefused};
}

ShowOutcome ApplyDelphiPieces(std::string_view blue, std::string_view green, std::string_view red) {
    std::string delphi = "$00";
    delphi.append(blue).append(green).append(red);
    return ApplyDelphiText(delphi);
}

ShowOutcome AnalyzeName(std::string_view t) {
    if (t.substr(0, 2) != "cl") {
        return {ShowOutcome::NotationThenClear};
    }
    for (const ShowName& entry : kShowNames) {
        if (t == entry.name) {
            return {ShowOutcome::NameFound, entry.value};
        }
    }
    return {ShowOutcome::NameUnknown};
}

// Three integer-text fields at 1..3, 5..7 and 9..11; the separators are not looked at. A
// field that is no integer text fails the conversion as a whole, before any range test.
ShowOutcome AnalyzeRgb(std::string_view t) {
    const auto red = TryStrToInt(Piece(t, 1, 3));
    if (!red) {
        return {ShowOutcome::NumberRefused};
    }
    const auto green = TryStrToInt(Piece(t, 5, 7));
    if (!green) {
        return {ShowOutcome::NumberRefused};
    }
    const auto blue = TryStrToInt(Piece(t, 9, 11));
    if (!blue) {
        return {ShowOutcome::NumberRefused};
    }
    for (const std::int32_t value : {*red, *green, *blue}) {
        if (value < 0 || value > 255) {
            return {ShowOutcome::NumberRefused};
        }
    }
    char delphi[16];
    const int n = std::snprintf(delphi, sizeof delphi, "$00%02X%02X%02X", unsigned(*blue),
                                unsigned(*green), unsigned(*red));
    return ApplyDelphiText(std::string_view(delphi, static_cast<std::size_t>(n)));
}

} // namespace

ShowOutcome AnalyzeShowText(std::string_view text) {
    const std::size_t n = text.size();
    if (n == 0) {
        return {ShowOutcome::Nothing};
    }
    const char c = text[0];
    if (c == ' ') {
        return {ShowOutcome::LeadingBlank};
    }
    switch (c) {
    case 'c':
        return AnalyzeName(text);
    case '#':
        if (n != 7) {
            return {ShowOutcome::NumberRefused};
        }
        return ApplyDelphiPieces(Piece(text, 6, 7), Piece(text, 4, 5), Piece(text, 2, 3));
    case '0':
    case '1':
    case '2':
        if (n == 10) {
            if (Piece(text, 1, 4) != "0x00") {
                return {ShowOutcome::Unconverted};
            }
            return ApplyDelphiPieces(Piece(text, 5, 6), Piece(text, 7, 8), Piece(text, 9, 10));
        }
        if (n == 11) {
            return AnalyzeRgb(text);
        }
        return {ShowOutcome::NumberRefused};
    case '$':
        if (n != 9) {
            return {ShowOutcome::NumberRefused};
        }
        return ApplyDelphiText(text);
    case '&':
        if (n != 9) {
            return {ShowOutcome::NumberRefused};
        }
        return ApplyDelphiPieces(Piece(text, 3, 4), Piece(text, 5, 6), Piece(text, 7, 8));
    default:
        return {ShowOutcome::ClearThenNotation};
    }
}

bool ReachesAnalysis(ShowOutcome::Kind kind) {
    return kind != ShowOutcome::Nothing && kind != ShowOutcome::LeadingBlank;
}

std::span<const ShowName> ShowNameList() {
    return kShowNames;
}

CopyOutcome AnalyzeCopyText(std::string_view text) {
    if (text.size() < 5) {
        return CopyOutcome::LengthRefused;
    }
    switch (text[0]) {
    case '#':
    case '$':
    case 'c':
    case '&':
    case '0':
    case '1':
    case '2':
        return CopyOutcome::Copy;
    default:
        return CopyOutcome::FormatRefused;
    }
}

} // namespace tintor

// CSS colour forms: hexadecimal, rgb(), hsl() and the named colours.
#include "colour/CssColor.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace tintor {

namespace {

constexpr TColor Rgb(std::uint32_t rrggbb) {
    // Written as style sheets write them (red first), stored with red in the low byte.
    return static_cast<TColor>(((rrggbb & 0xFF) << 16) | (rrggbb & 0xFF00) | (rrggbb >> 16));
}

constexpr std::array<CssNamedColor, 148> NamedColors{{
    {"aliceblue", Rgb(0xF0F8FF)},
    {"antiquewhite", Rgb(0xFAEBD7)},
    {"aqua", Rgb(0x00FFFF)},
    {"aquamarine", Rgb(0x7FFFD4)},
    {"azure", Rgb(0xF0FFFF)},
    {"beige", Rgb(0xF5F5DC)},
    {"bisque", Rgb(0xFFE4C4)},
    {"black", Rgb(0x000000)},
    {"blanchedalmond", Rgb(0xFFEBCD)},
    {"blue", Rgb(0x0000FF)},
    {"blueviolet", Rgb(0x8A2BE2)},
    {"brown", Rgb(0xA52A2A)},
    {"burlywood", Rgb(0xDEB887)},
    {"cadetblue", Rgb(0x5F9EA0)},
    {"chartreuse", Rgb(0x7FFF00)},
    {"chocolate", Rgb(0xD2691E)},
    {"coral", Rgb(0xFF7F50)},
    {"cornflowerblue", Rgb(0x6495ED)},
    {"cornsilk", Rgb(0xFFF8DC)},
    {"crimson", Rgb(0xDC143C)},
    {"cyan", Rgb(0x00FFFF)},
    {"darkblue", Rgb(0x00008B)},
    {"darkcyan", Rgb(0x008B8B)},
    {"darkgoldenrod", Rgb(0xB8860B)},
    {"darkgray", Rgb(0xA9A9A9)},
    {"darkgreen", Rgb(0x006400)},
    {"darkgrey", Rgb(0xA9A9A9)},
    {"darkkhaki", Rgb(0xBDB76B)},
    {"darkmagenta", Rgb(0x8B008B)},
    {"darkolivegreen", Rgb(0x556B2F)},
    {"darkorange", Rgb(0xFF8C00)},
    {"darkorchid", Rgb(0x9932CC)},
    {"darkred", Rgb(0x8B0000)},
    {"darksalmon", Rgb(0xE9967A)},
    {"darkseagreen", Rgb(0x8FBC8F)},
    {"darkslateblue", Rgb(0x483D8B)},
    {"darkslategray", Rgb(0x2F4F4F)},
    {"darkslategrey", Rgb(0x2F4F4F)},
    {"darkturquoise", Rgb(0x00CED1)},
    {"darkviolet", Rgb(0x9400D3)},
    {"deeppink", Rgb(0xFF1493)},
    {"deepskyblue", Rgb(0x00BFFF)},
    {"dimgray", Rgb(0x696969)},
    {"dimgrey", Rgb(0x696969)},
    {"dodgerblue", Rgb(0x1E90FF)},
    {"firebrick", Rgb(0xB22222)},
    {"floralwhite", Rgb(0xFFFAF0)},
    {"forestgreen", Rgb(0x228B22)},
    {"fuchsia", Rgb(0xFF00FF)},
    {"gainsboro", Rgb(0xDCDCDC)},
    {"ghostwhite", Rgb(0xF8F8FF)},
    {"gold", Rgb(0xFFD700)},
    {"goldenrod", Rgb(0xDAA520)},
    {"gray", Rgb(0x808080)},
    {"green", Rgb(0x008000)},
    {"greenyellow", Rgb(0xADFF2F)},
    {"grey", Rgb(0x808080)},
    {"honeydew", Rgb(0xF0FFF0)},
    {"hotpink", Rgb(0xFF69B4)},
    {"indianred", Rgb(0xCD5C5C)},
    {"indigo", Rgb(0x4B0082)},
    {"ivory", Rgb(0xFFFFF0)},
    {"khaki", Rgb(0xF0E68C)},
    {"lavender", Rgb(0xE6E6FA)},
    {"lavenderblush", Rgb(0xFFF0F5)},
    {"lawngreen", Rgb(0x7CFC00)},
    {"lemonchiffon", Rgb(0xFFFACD)},
    {"lightblue", Rgb(0xADD8E6)},
    {"lightcoral", Rgb(0xF08080)},
    {"lightcyan", Rgb(0xE0FFFF)},
    {"lightgoldenrodyellow", Rgb(0xFAFAD2)},
    {"lightgray", Rgb(0xD3D3D3)},
    {"lightgreen", Rgb(0x90EE90)},
    {"lightgrey", Rgb(0xD3D3D3)},
    {"lightpink", Rgb(0xFFB6C1)},
    {"lightsalmon", Rgb(0xFFA07A)},
    {"lightseagreen", Rgb(0x20B2AA)},
    {"lightskyblue", Rgb(0x87CEFA)},
    {"lightslategray", Rgb(0x778899)},
    {"lightslategrey", Rgb(0x778899)},
    {"lightsteelblue", Rgb(0xB0C4DE)},
    {"lightyellow", Rgb(0xFFFFE0)},
    {"lime", Rgb(0x00FF00)},
    {"limegreen", Rgb(0x32CD32)},
    {"linen", Rgb(0xFAF0E6)},
    {"magenta", Rgb(0xFF00FF)},
    {"maroon", Rgb(0x800000)},
    {"mediumaquamarine", Rgb(0x66CDAA)},
    {"mediumblue", Rgb(0x0000CD)},
    {"mediumorchid", Rgb(0xBA55D3)},
    {"mediumpurple", Rgb(0x9370DB)},
    {"mediumseagreen", Rgb(0x3CB371)},
    {"mediumslateblue", Rgb(0x7B68EE)},
    {"mediumspringgreen", Rgb(0x00FA9A)},
    {"mediumturquoise", Rgb(0x48D1CC)},
    {"mediumvioletred", Rgb(0xC71585)},
    {"midnightblue", Rgb(0x191970)},
    {"mintcream", Rgb(0xF5FFFA)},
    {"mistyrose", Rgb(0xFFE4E1)},
    {"moccasin", Rgb(0xFFE4B5)},
    {"navajowhite", Rgb(0xFFDEAD)},
    {"navy", Rgb(0x000080)},
    {"oldlace", Rgb(0xFDF5E6)},
    {"olive", Rgb(0x808000)},
    {"olivedrab", Rgb(0x6B8E23)},
    {"orange", Rgb(0xFFA500)},
    {"orangered", Rgb(0xFF4500)},
    {"orchid", Rgb(0xDA70D6)},
    {"palegoldenrod", Rgb(0xEEE8AA)},
    {"palegreen", Rgb(0x98FB98)},
    {"paleturquoise", Rgb(0xAFEEEE)},
    {"palevioletred", Rgb(0xDB7093)},
    {"papayawhip", Rgb(0xFFEFD5)},
    {"peachpuff", Rgb(0xFFDAB9)},
    {"peru", Rgb(0xCD853F)},
    {"pink", Rgb(0xFFC0CB)},
    {"plum", Rgb(0xDDA0DD)},
    {"powderblue", Rgb(0xB0E0E6)},
    {"purple", Rgb(0x800080)},
    {"rebeccapurple", Rgb(0x663399)},
    {"red", Rgb(0xFF0000)},
    {"rosybrown", Rgb(0xBC8F8F)},
    {"royalblue", Rgb(0x4169E1)},
    {"saddlebrown", Rgb(0x8B4513)},
    {"salmon", Rgb(0xFA8072)},
    {"sandybrown", Rgb(0xF4A460)},
    {"seagreen", Rgb(0x2E8B57)},
    {"seashell", Rgb(0xFFF5EE)},
    {"sienna", Rgb(0xA0522D)},
    {"silver", Rgb(0xC0C0C0)},
    {"skyblue", Rgb(0x87CEEB)},
    {"slateblue", Rgb(0x6A5ACD)},
    {"slategray", Rgb(0x708090)},
    {"slategrey", Rgb(0x708090)},
    {"snow", Rgb(0xFFFAFA)},
    {"springgreen", Rgb(0x00FF7F)},
    {"steelblue", Rgb(0x4682B4)},
    {"tan", Rgb(0xD2B48C)},
    {"teal", Rgb(0x008080)},
    {"thistle", Rgb(0xD8BFD8)},
    {"tomato", Rgb(0xFF6347)},
    {"turquoise", Rgb(0x40E0D0)},
    {"violet", Rgb(0xEE82EE)},
    {"wheat", Rgb(0xF5DEB3)},
    {"white", Rgb(0xFFFFFF)},
    {"whitesmoke", Rgb(0xF5F5F5)},
    {"yellow", Rgb(0xFFFF00)},
    {"yellowgreen", Rgb(0x9ACD32)},
}};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

CssColorResult Malformed() {
    return {CssColorResult::Malformed, 0};
}

CssColorResult Made(unsigned red, unsigned green, unsigned blue) {
    return {CssColorResult::Ok, static_cast<TColor>(red | (green << 8) | (blue << 16))};
}

CssColorResult ParseHex(std::string_view digits) {
    if (digits.size() != 3 && digits.size() != 6) return Malformed();
    std::array<int, 6> v{};
    for (std::size_t i = 0; i < digits.size(); ++i) {
        v[i] = HexValue(digits[i]);
        if (v[i] < 0) return Malformed();
    }
    if (digits.size() == 3)
        return Made(static_cast<unsigned>(v[0] * 17), static_cast<unsigned>(v[1] * 17),
                    static_cast<unsigned>(v[2] * 17));
    return Made(static_cast<unsigned>(v[0] * 16 + v[1]), static_cast<unsigned>(v[2] * 16 + v[3]),
                static_cast<unsigned>(v[4] * 16 + v[5]));
}

// One argument of rgb() or hsl(): a number with an optional "%" or unit.
struct Argument {
    double value = 0;
    std::string unit; // "", "%", "deg"
};

// A plain decimal number: digits with at most one ".", an optional sign; no exponent.
bool ParseNumber(std::string_view s, double& value, std::size_t& used) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    double whole = 0;
    bool digits = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        whole = whole * 10 + (s[i++] - '0');
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        double scale = 0.1;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            whole += (s[i++] - '0') * scale;
            scale /= 10;
            digits = true;
        }
    }
    if (!digits) return false;
    value = negative ? -whole : whole;
    used = i;
    return true;
}

// The three arguments between the parentheses, separated by commas or by blanks alone.
bool SplitArguments(std::string_view inner, std::vector<Argument>& args) {
    inner = Trim(inner);
    const bool commas = inner.find(',') != std::string_view::npos;
    while (!inner.empty()) {
        Argument arg;
        std::size_t used = 0;
        if (!ParseNumber(inner, arg.value, used)) return false;
        inner.remove_prefix(used);
        std::size_t unit = 0;
        while (unit < inner.size() &&
               (inner[unit] == '%' || (inner[unit] >= 'a' && inner[unit] <= 'z')))
            ++unit;
        arg.unit = std::string(inner.substr(0, unit));
        inner.remove_prefix(unit);
        args.push_back(arg);
        const std::string_view rest = Trim(inner);
        if (rest.empty()) break;
        if (commas) {
            if (rest.front() != ',') return false;
            inner = Trim(rest.substr(1));
            if (inner.empty()) return false; // a trailing comma
        } else {
            if (rest.size() == inner.size()) return false; // no blank between two arguments
            inner = rest;
        }
    }
    return args.size() == 3;
}

unsigned RoundByte(double unit) {
    return static_cast<unsigned>(std::floor(std::clamp(unit, 0.0, 1.0) * 255.0 + 0.5));
}

CssColorResult ParseRgb(std::string_view inner) {
    std::vector<Argument> args;
    if (!SplitArguments(inner, args)) return Malformed();
    std::array<unsigned, 3> bytes{};
    for (std::size_t i = 0; i < 3; ++i) {
        const Argument& a = args[i];
        if (a.unit == "%") {
            if (a.value < 0 || a.value > 100) return Malformed();
            bytes[i] = RoundByte(a.value / 100);
        } else if (a.unit.empty()) {
            if (a.value < 0 || a.value > 255) return Malformed();
            bytes[i] = static_cast<unsigned>(std::floor(a.value + 0.5));
        } else {
            return Malformed();
        }
    }
    return Made(bytes[0], bytes[1], bytes[2]);
}

CssColorResult ParseHsl(std::string_view inner) {
    std::vector<Argument> args;
    if (!SplitArguments(inner, args)) return Malformed();
    if (!args[0].unit.empty() && args[0].unit != "deg") return Malformed();
    std::array<double, 2> fractions{};
    for (std::size_t i = 1; i < 3; ++i) {
        const Argument& a = args[i];
        if ((a.unit != "%" && !a.unit.empty()) || a.value < 0 || a.value > 100) return Malformed();
        fractions[i - 1] = a.value / 100;
    }
    return {CssColorResult::Ok, HslToColor(args[0].value, fractions[0], fractions[1])};
}

} // namespace

std::span<const CssNamedColor> CssNamedColors() {
    return NamedColors;
}

TColor HslToColor(double hue, double saturation, double lightness) {
    hue = std::fmod(hue, 360.0);
    if (hue < 0) hue += 360.0;
    const double a = saturation * std::min(lightness, 1 - lightness);
    auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12.0);
        return lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return static_cast<TColor>(RoundByte(channel(0)) | (RoundByte(channel(8)) << 8) |
                               (RoundByte(channel(4)) << 16));
}

CssColorResult ParseCssColor(std::string_view text) {
    const std::string t = Lower(Trim(text));
    if (t.empty()) return {};
    if (t.front() == '#') return ParseHex(std::string_view(t).substr(1));

    const std::size_t open = t.find('(');
    if (open != std::string::npos) {
        const std::string name(Trim(std::string_view(t).substr(0, open)));
        const bool known = name == "rgb" || name == "hsl" || name == "rgba" || name == "hsla";
        if (!known) return {};
        if (t.back() != ')' || name.size() == 4) return Malformed();
        const std::string_view inner = std::string_view(t).substr(open + 1, t.size() - open - 2);
        return name == "rgb" ? ParseRgb(inner) : ParseHsl(inner);
    }

    const auto it = std::lower_bound(
        NamedColors.begin(), NamedColors.end(), t,
        [](const CssNamedColor& entry, const std::string& key) { return entry.name < key; });
    if (it != NamedColors.end() && it->name == t) return {CssColorResult::Ok, it->color};
    return {};
}

} // namespace tintor

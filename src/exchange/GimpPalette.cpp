// GIMP palette reading and writing, and the CSS custom property export.
#include "exchange/GimpPalette.h"

#include "settings/TextFile.h"
#include "settings/TextLines.h"

#include <charconv>

namespace tintor {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// The next blank-separated word of s, removed from s.
std::string_view NextWord(std::string_view& s) {
    s = Trim(s);
    std::size_t end = 0;
    while (end < s.size() && !IsBlank(s[end]))
        ++end;
    const std::string_view word = s.substr(0, end);
    s.remove_prefix(end);
    return word;
}

enum class Channel { Ok, NotNumber, OutOfRange };

// A channel value: an optional sign and decimal digits only.
Channel ReadChannel(std::string_view word, std::uint8_t& value) {
    std::string_view digits = word;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty()) return Channel::NotNumber;
    for (char c : digits)
        if (c < '0' || c > '9') return Channel::NotNumber;
    // Leading zeros do not count towards the size: "0000255" is 255.
    while (digits.size() > 1 && digits.front() == '0')
        digits.remove_prefix(1);
    if (digits.size() > 3) return Channel::OutOfRange;
    unsigned number = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if ((negative && number != 0) || number > 255) return Channel::OutOfRange;
    value = static_cast<std::uint8_t>(number);
    return Channel::Ok;
}

PaletteColor ReadColorLine(std::string_view line, std::size_t lineNumber) {
    PaletteColor color;
    std::uint8_t* channels[] = {&color.red, &color.green, &color.blue};
    for (std::uint8_t* channel : channels) {
        const std::string_view word = NextWord(line);
        switch (ReadChannel(word, *channel)) {
        case Channel::Ok:
            break;
        case Channel::NotNumber:
            throw PaletteError(BadColorLineMessage(lineNumber));
        case Channel::OutOfRange:
            throw PaletteError(ColorOutOfRangeMessage(lineNumber));
        }
    }
    // The name is the rest of the line, which must be set off from the numbers by a blank.
    if (!line.empty() && !IsBlank(line.front()))
        throw PaletteError(BadColorLineMessage(lineNumber));
    color.name = std::string(Trim(line));
    return color;
}

// Names go into one line of a file: line breaks inside them become blanks.
std::string OneLine(std::string name) {
    for (char& c : name)
        if (c == '\r' || c == '\n') c = ' ';
    return name;
}

constexpr char Hex[] = "0123456789ABCDEF";

std::string HtmlHex(const PaletteColor& c) {
    std::string text = "#";
    for (unsigned byte : {c.red, c.green, c.blue}) {
        text += Hex[byte >> 4];
        text += Hex[byte & 0xF];
    }
    return text;
}

} // namespace

std::string BadColorLineMessage(std::size_t lineNumber) {
    return "パレットの " + std::to_string(lineNumber) + " 行目は色の指定ではありません";
}

std::string ColorOutOfRangeMessage(std::size_t lineNumber) {
    return "パレットの " + std::to_string(lineNumber) + " 行目に 0～255 の範囲外の値があります";
}

Palette ParseGimpPalette(std::string_view bytes) {
    if (bytes.size() > MaxPaletteBytes) throw PaletteError(PaletteTooLargeMessage);
    if (StartsWith(bytes, "\xEF\xBB\xBF")) bytes.remove_prefix(3);
    // A NUL byte means a binary file; the line reader would silently stop there.
    if (bytes.find('\0') != std::string_view::npos) throw PaletteError(NotPaletteMessage);

    const std::vector<std::string> lines = SplitTextLines(bytes);
    if (lines.empty() || Trim(lines[0]) != "GIMP Palette") throw PaletteError(NotPaletteMessage);

    Palette palette;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = Trim(lines[i]);
        if (line.empty() || line.front() == '#') continue;
        if (StartsWith(line, "Name:")) {
            palette.name = std::string(Trim(line.substr(5)));
        } else if (StartsWith(line, "Columns:")) {
            // A bad column count only affects how the palette is laid out: it is ignored.
            const std::string_view value = Trim(line.substr(8));
            int columns = 0;
            const auto [end, error] =
                std::from_chars(value.data(), value.data() + value.size(), columns);
            if (error == std::errc() && end == value.data() + value.size() && columns >= 0)
                palette.columns = columns;
        } else {
            palette.colors.push_back(ReadColorLine(line, i + 1));
        }
    }
    return palette;
}

Palette LoadGimpPalette(const std::string& path) {
    const std::optional<std::string> bytes = LoadFileBytes(path, MaxPaletteBytes);
    if (!bytes) throw PaletteError(PaletteTooLargeMessage);
    return ParseGimpPalette(*bytes);
}

std::string WriteGimpPalette(const std::string& name, int columns,
                             const std::vector<PaletteColor>& colors) {
    std::string text =
        "GIMP Palette\nName: " + OneLine(name) + "\nColumns: " + std::to_string(columns) + "\n#\n";
    for (const PaletteColor& c : colors) {
        text += std::to_string(c.red) + ' ' + std::to_string(c.green) + ' ' +
                std::to_string(c.blue) + '\t' + OneLine(c.name) + '\n';
    }
    return text;
}

std::string WriteCssProperties(const std::string& prefix, const std::vector<PaletteColor>& colors) {
    // The names may hold any character: the sheet says how it is encoded.
    std::string text = "@charset \"UTF-8\";\n:root {\n";
    for (std::size_t i = 0; i < colors.size(); ++i) {
        std::string comment = OneLine(colors[i].name);
        // "*/" would end the comment early.
        for (std::size_t at = comment.find("*/"); at != std::string::npos;
             at = comment.find("*/", at + 2))
            comment.replace(at, 2, "* /");
        text += "  --" + prefix + "-" + std::to_string(i + 1) + ": " + HtmlHex(colors[i]) +
                "; /* " + comment + " */\n";
    }
    text += "}\n";
    return text;
}

} // namespace tintor

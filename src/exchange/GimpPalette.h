// Palette files other programs read and write: the GIMP palette (.gpl), which GIMP, Inkscape
// and Krita share, and a style sheet of CSS custom properties (.css). Names are UTF-8 here.
#pragma once

#include "core/Errors.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tintor {

struct PaletteColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::string name; // UTF-8; empty when the file gives none

    bool operator==(const PaletteColor&) const = default;
};

struct Palette {
    std::string name; // the "Name:" line, if any
    int columns = 0;  // the "Columns:" line, if any
    std::vector<PaletteColor> colors;
};

// A file that is no palette, or a palette with a bad line; the message says which (UTF-8).
class PaletteError : public Error {
public:
    using Error::Error;
};

// Larger files are refused before they are read: a palette of thousands of colours is a few
// tens of kilobytes.
inline constexpr std::size_t MaxPaletteBytes = 1024 * 1024;

// Reads a GIMP palette: the first line "GIMP Palette"; then, in any order, "Name:" and
// "Columns:" lines, comment lines from "#", blank lines, and colour lines of three numbers
// 0 to 255 separated by blanks or tabs, each optionally followed by a name. Lines end in LF,
// CR LF or CR; a UTF-8 byte order mark is skipped. Throws PaletteError.
Palette ParseGimpPalette(std::string_view bytes);

// Reads a palette file (EFOpenError when it cannot be read; PaletteError when too large).
Palette LoadGimpPalette(const std::string& path);

// A GIMP palette: "GIMP Palette", "Name:", "Columns:", "#", then "R G B<tab>name" per
// colour; lines end in LF as GIMP writes them.
std::string WriteGimpPalette(const std::string& name, int columns,
                             const std::vector<PaletteColor>& colors);

// A style sheet ":root { --<prefix>-1: #RRGGBB; ... }", each name as a comment.
std::string WriteCssProperties(const std::string& prefix, const std::vector<PaletteColor>& colors);

// The messages of the errors above.
inline constexpr const char* NotPaletteMessage = "GIMP パレットのファイルではありません";
inline constexpr const char* PaletteTooLargeMessage =
    "パレットのファイルが大き過ぎます (1 MB まで)";
std::string BadColorLineMessage(std::size_t lineNumber);
std::string ColorOutOfRangeMessage(std::size_t lineNumber);

inline constexpr const char* GimpPaletteFilter = "GIMP パレット (*.gpl)|*.gpl";
inline constexpr const char* GimpPaletteExtension = "gpl";
inline constexpr const char* CssFilter = "CSS (*.css)|*.css";
inline constexpr const char* CssExtension = "css";

} // namespace tintor

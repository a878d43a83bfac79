// The colour identifier text: a name of the colour name table, or an integer text.
#pragma once

#include "colour/ColorValue.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tintor {

struct ColorName {
    std::string_view name;
    TColor value;
};

// The 49 names of the colour name table, in table order.
std::span<const ColorName> ColorNameTable();

// The table name of the value, or "$" and eight uppercase hex digits of the full 32 bits.
std::string ColorToIdentText(TColor color);

// A table name (ASCII case ignored, nothing trimmed) or an integer text; throws EConvertError.
TColor IdentTextToColor(std::string_view text);

// The same without throwing.
std::optional<TColor> TryIdentTextToColor(std::string_view text);

} // namespace tintor

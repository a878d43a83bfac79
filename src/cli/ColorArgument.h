// A colour given on the command line: every text SHOW accepts, and the CSS colour forms.
#pragma once

#include "colour/ColorValue.h"

#include <optional>
#include <string>
#include <string_view>

namespace tintor {

struct ColorArgument {
    std::optional<TColor> color;
    std::string message; // when there is no colour: SHOW's message for the text (UTF-8)
};

// bytes: the text in code page 932, as SHOW would see it in the text box.
ColorArgument ReadColorArgument(std::string_view bytes);

} // namespace tintor

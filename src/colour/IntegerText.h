// The integer text: the number syntax of settings entries and the fallback of colour
// identifier texts ("  42", "-5", "$FF", "0x1F", "xff").
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tintor {

// The value of an integer text, or nothing when the text is none.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// The value of an integer text; throws EConvertError with the whole text otherwise.
std::int32_t StrToInt(std::string_view text);

} // namespace tintor

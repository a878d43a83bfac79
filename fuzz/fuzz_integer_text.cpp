// Fuzz target: the integer text and the colour identifier text on arbitrary bytes. The throwing
// and non-throwing forms must agree, an integer text must read the same as an identifier text,
// and every 32-bit value must survive ColorToIdentText and IdentTextToColor.
#include "FuzzCheck.h"

#include "colour/ColorNames.h"
#include "colour/IntegerText.h"
#include "core/Errors.h"

#include <cstdint>
#include <cstring>
#include <string>

using namespace tintor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);

    const std::optional<std::int32_t> value = TryStrToInt(text);
    try {
        const std::int32_t thrown = StrToInt(text);
        FUZZ_CHECK(value && *value == thrown);
    } catch (const EConvertError& e) {
        FUZZ_CHECK(!value);
        FUZZ_CHECK(e.Text() == text);
    }

    const std::optional<TColor> color = TryIdentTextToColor(text);
    try {
        const TColor thrown = IdentTextToColor(text);
        FUZZ_CHECK(color && *color == thrown);
    } catch (const EConvertError& e) {
        FUZZ_CHECK(!color);
        FUZZ_CHECK(e.Text() == text);
    }
    // No table name looks like a number, so an integer text keeps its value as identifier text.
    if (value) FUZZ_CHECK(color && *color == *value);

    // A value read back from its own decimal text.
    if (value) FUZZ_CHECK(TryStrToInt(std::to_string(*value)) == value);

    // Any 32-bit value round-trips through its identifier text.
    if (size >= 4) {
        std::uint32_t bits;
        std::memcpy(&bits, data, sizeof bits);
        const auto any = static_cast<TColor>(bits);
        FUZZ_CHECK(IdentTextToColor(ColorToIdentText(any)) == any);
    }
    return 0;
}

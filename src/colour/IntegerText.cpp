// The integer text: leading blanks, then a signed decimal, a hexadecimal pattern or a plain
// decimal, and nothing after the digits.
#include "colour/IntegerText.h"

#include "core/Errors.h"

#include <string>

namespace tintor {

namespace {

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// One or more hex digits to the end; leading zeros are free, more than 32 bits fail.
std::optional<std::int32_t> ParseHex(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (const char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0 || (value >> 28) != 0) {
            return std::nullopt;
        }
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

// One or more decimal digits to the end, negated when asked, within the signed 32-bit range.
std::optional<std::int32_t> ParseDecimal(std::string_view digits, bool negative) {
    if (digits.empty()) {
        return std::nullopt;
    }
    // The magnitude is bounded by 2^31 (the bottom of the range) so it never wraps.
    const std::uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
    std::uint64_t magnitude = 0;
    for (const char c : digits) {
        if (!IsDecimalDigit(c)) {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    if (negative) {
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude));
    }
    return static_cast<std::int32_t>(magnitude);
}

} // namespace

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    const std::string_view rest = text.substr(pos);
    if (rest.empty()) {
        return std::nullopt;
    }
    switch (rest[0]) {
    case '-':
        return ParseDecimal(rest.substr(1), true);
    case '+':
        return ParseDecimal(rest.substr(1), false);
    case '$':
    case 'x':
    case 'X':
        return ParseHex(rest.substr(1));
    default:
        break;
    }
    if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        return ParseHex(rest.substr(2));
    }
    return ParseDecimal(rest, false);
}

std::int32_t StrToInt(std::string_view text) {
    if (const auto value = TryStrToInt(text)) {
        return *value;
    }
    throw EConvertError(std::string(text));
}

} // namespace tintor

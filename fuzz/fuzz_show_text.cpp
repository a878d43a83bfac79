// Fuzz target: the SHOW decision (and the COPY check) on any text the box can hold, up to 14
// bytes. Besides running clean, each converted notation must give back its own digits when the
// colour is formatted in that notation again.
#include "FuzzCheck.h"

#include "colour/ColorTextAnalysis.h"
#include "colour/ColorValue.h"
#include "colour/IntegerText.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <string>

using namespace tintor;

namespace {

constexpr std::size_t BoxBytes = 14;

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

bool IsHexDigits(std::string_view text) {
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

void CheckApplied(std::string_view text, TColor color) {
    const std::size_t n = text.size();
    switch (text[0]) {
    case '#':
        FUZZ_CHECK(ColorToHtmlText(color) == Upper(text));
        break;
    case '&':
        FUZZ_CHECK(ColorToVbText(color).substr(2, 6) == Upper(text.substr(2, 6)));
        break;
    case '$': {
        // The whole 32 bits, high byte included, as eight hex digits.
        char digits[16];
        std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(color));
        FUZZ_CHECK(n == 9 && IsHexDigits(text.substr(1)) && Upper(text.substr(1)) == digits);
        break;
    }
    default:
        if (n == 10) {
            FUZZ_CHECK(ColorToCppText(color).substr(4) == Upper(text.substr(4)));
        } else {
            // RGB: each field reads as the byte it set.
            FUZZ_CHECK(n == 11);
            const auto bits = static_cast<std::uint32_t>(color);
            FUZZ_CHECK(TryStrToInt(text.substr(0, 3)) == static_cast<std::int32_t>(bits & 0xFF));
            FUZZ_CHECK(TryStrToInt(text.substr(4, 3)) ==
                       static_cast<std::int32_t>((bits >> 8) & 0xFF));
            FUZZ_CHECK(TryStrToInt(text.substr(8, 3)) ==
                       static_cast<std::int32_t>((bits >> 16) & 0xFF));
        }
        // Every notation but the Delphi text leaves the high byte clear.
        FUZZ_CHECK((static_cast<std::uint32_t>(color) >> 24) == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > BoxBytes) return 0;
    const std::string_view text = fuzz::AsText(data, size);

    const ShowOutcome outcome = AnalyzeShowText(text);
    FUZZ_CHECK(outcome.kind >= ShowOutcome::Nothing && outcome.kind <= ShowOutcome::Unconverted);
    FUZZ_CHECK((outcome.kind == ShowOutcome::Nothing) == text.empty());
    FUZZ_CHECK((outcome.kind == ShowOutcome::LeadingBlank) == (!text.empty() && text[0] == ' '));
    FUZZ_CHECK(ReachesAnalysis(outcome.kind) == (!text.empty() && text[0] != ' '));
    const bool unconverted = size == 10 && (text[0] == '0' || text[0] == '1' || text[0] == '2') &&
                             text.substr(0, 4) != "0x00";
    FUZZ_CHECK((outcome.kind == ShowOutcome::Unconverted) == unconverted);
    if (outcome.kind == ShowOutcome::Apply) CheckApplied(text, outcome.color);
    if (outcome.kind == ShowOutcome::NameFound) {
        bool listed = false;
        for (const ShowName& name : ShowNameList())
            listed = listed || (name.name == text && name.value == outcome.color);
        FUZZ_CHECK(listed);
    }

    const CopyOutcome copy = AnalyzeCopyText(text);
    FUZZ_CHECK((copy == CopyOutcome::LengthRefused) == (size < 5));
    return 0;
}

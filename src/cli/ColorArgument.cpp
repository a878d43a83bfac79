// SHOW's analysis first, so every text it accepts means what it means there; then the CSS
// forms. A refused text gets the message SHOW would show for it.
#include "cli/ColorArgument.h"

#include "colour/ColorTextAnalysis.h"
#include "colour/CssColor.h"

namespace tintor {

ColorArgument ReadColorArgument(std::string_view bytes) {
    const ShowOutcome show = AnalyzeShowText(bytes);
    if (show.kind == ShowOutcome::Apply || show.kind == ShowOutcome::NameFound)
        return {show.color, {}};

    const CssColorResult css = ParseCssColor(bytes);
    if (css.status == CssColorResult::Ok) return {css.color, {}};
    // A CSS form with a wrong value is a wrong number, whatever SHOW made of its first letter.
    if (css.status == CssColorResult::Malformed) return {std::nullopt, std::string(NumberMessage)};

    switch (show.kind) {
    case ShowOutcome::NameUnknown:
        return {std::nullopt, std::string(NameMessage)};
    case ShowOutcome::NumberRefused:
    case ShowOutcome::Unconverted:
        return {std::nullopt, std::string(NumberMessage)};
    default:
        return {std::nullopt, std::string(NotationMessage)};
    }
}

} // namespace tintor

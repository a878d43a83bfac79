// What SHOW and COPY make of the text in the main window's text box. Pure decisions: the
// window applies them in the order of its steps.
#pragma once

#include "colour/ColorValue.h"

#include <span>
#include <string_view>

namespace tintor {

// The five messages of SHOW and COPY (UTF-8).
inline constexpr std::string_view NotationMessage =
    "C++、HTML、RGB、Delphi、cl、VisualBasic 形式のみ表示が可能です";
inline constexpr std::string_view NumberMessage =
    "入力された数値に間違いがある為、色を表示できません";
inline constexpr std::string_view NameMessage = "入力されたcl形式は、現在表示出来ません";
inline constexpr std::string_view CopyLengthMessage =
    " 入力された文字が認識出来ません\nクリップボードにコピー出来ませんでした";
inline constexpr std::string_view CopyFormatMessage =
    "フォーマットが正しくない為、テキストを認識出来ません";

// Outcome of SHOW for a text (code page 932 bytes, at most what the box holds).
struct ShowOutcome {
    enum Kind {
        Nothing,           // empty text: no message, no redraw
        LeadingBlank,      // notation message, then empty the box; no redraw
        NotationThenClear, // "c" not followed by "l": notation message, then empty the box
        ClearThenNotation, // any other first character: empty the box, then notation message
        NameFound,         // CurrentColor := color; panel := CurrentColor; fonts follow
        NameUnknown,       // name message; panel := CurrentColor; fonts follow
        Apply,             // a notation converted: CurrentColor, panel, fonts := color
        NumberRefused,     // number message, nothing else changes
        Unconverted,       // 10 bytes from "0"/"1"/"2" without "0x00": see ShowsNumberMessage
    };
    Kind kind = Nothing;
    TColor color = 0; // for NameFound and Apply
};

ShowOutcome AnalyzeShowText(std::string_view text);

// Whether the analysis (and so the hide/show redraw of the box) runs for this outcome.
bool ReachesAnalysis(ShowOutcome::Kind kind);

// A 10-byte text from "0", "1" or "2" that does not start with "0x00" gets the number
// message too, so that every refusal explains itself.
inline constexpr bool UnconvertedShowsNumberMessage = true;

// The SHOW name list: its own 22 case-sensitive "cl" names.
struct ShowName {
    std::string_view name;
    TColor value;
};
std::span<const ShowName> ShowNameList();

// Outcome of COPY.
enum class CopyOutcome {
    Copy,          // put the whole text on the clipboard
    LengthRefused, // empty the box, then the copy length message
    FormatRefused, // empty the box, then the copy format message
};
CopyOutcome AnalyzeCopyText(std::string_view text);

} // namespace tintor

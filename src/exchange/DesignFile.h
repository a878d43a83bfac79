// The design file (.tdd): the nine colours of the main window's look.
#pragma once

#include "colour/ColorValue.h"

#include <string>
#include <vector>

namespace tintor {

// The main window's design elements, in the design file's line order for lines 1 to 9.
enum class DesignElement {
    VersionFont, // line 1
    TitleFont,   // line 2
    EditFont,    // line 3
    EditColor,   // line 4
    WindowColor, // line 5
    PanelColor,  // line 6
    ShowFont,    // line 7
    CopyFont,    // line 8
    PasteFont,   // line 9
    SystemPanel, // line 5 again, on import only
};

struct DesignColors {
    TColor versionFont, titleFont, editFont, editColor, windowColor, panelColor, showFont, copyFont,
        pasteFont;
};

class DesignSink {
public:
    virtual ~DesignSink() = default;
    virtual void ApplyDesignColor(DesignElement element, TColor color) = 0;
};

// Applies lines 1, 2, 3, 4, 5, 6, then 5 again to the button strip, then 7, 8, 9, each read with
// IdentTextToColor as it is applied. Throws EListError (0-based index) or EConvertError.
void ImportDesign(const std::vector<std::string>& lines, DesignSink& sink);

// The nine lines of an export, each ColorToIdentText.
std::vector<std::string> ExportDesign(const DesignColors& colors);

inline constexpr const char* DesignFilter = "TINTOR デザインデータ(*.tdd)|*.tdd";
inline constexpr const char* DesignExtension = "tdd";

} // namespace tintor

// Import and export of the design file: the nine colours of the main window's look.
#include "exchange/DesignFile.h"

#include "colour/ColorNames.h"
#include "settings/TextLines.h"

#include <utility>

namespace tintor {

namespace {

// The import's steps: which line (0-based) goes to which element. Line 5 serves both the window
// and the title-bar button strip, which has no line of its own.
constexpr std::pair<std::size_t, DesignElement> ImportSteps[] = {
    {0, DesignElement::VersionFont}, {1, DesignElement::TitleFont},
    {2, DesignElement::EditFont},    {3, DesignElement::EditColor},
    {4, DesignElement::WindowColor}, {5, DesignElement::PanelColor},
    {4, DesignElement::SystemPanel}, {6, DesignElement::ShowFont},
    {7, DesignElement::CopyFont},    {8, DesignElement::PasteFont},
};

} // namespace

void ImportDesign(const std::vector<std::string>& lines, DesignSink& sink) {
    for (const auto& [line, element] : ImportSteps) {
        sink.ApplyDesignColor(element, IdentTextToColor(LineAt(lines, line)));
    }
}

std::vector<std::string> ExportDesign(const DesignColors& colors) {
    return {
        ColorToIdentText(colors.versionFont), ColorToIdentText(colors.titleFont),
        ColorToIdentText(colors.editFont),    ColorToIdentText(colors.editColor),
        ColorToIdentText(colors.windowColor), ColorToIdentText(colors.panelColor),
        ColorToIdentText(colors.showFont),    ColorToIdentText(colors.copyFont),
        ColorToIdentText(colors.pasteFont),
    };
}

} // namespace tintor

// Fuzz target: the design file reader. Any bytes are split into lines and imported; the colours
// must be applied in the import order up to the failing line, and a full import must export and
// import again to the same colours.
#include "FuzzCheck.h"

#include "colour/ColorNames.h"
#include "core/Errors.h"
#include "exchange/DesignFile.h"
#include "settings/TextLines.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

using namespace tintor;

namespace {

class Recorder : public DesignSink {
public:
    std::vector<std::pair<DesignElement, TColor>> applied;
    void ApplyDesignColor(DesignElement element, TColor color) override {
        applied.emplace_back(element, color);
    }
};

// Line read by each import step; line 5 (index 4) serves the window and the button strip.
constexpr std::size_t StepLine[] = {0, 1, 2, 3, 4, 5, 4, 6, 7, 8};
constexpr DesignElement StepElement[] = {DesignElement::VersionFont, DesignElement::TitleFont,
                                         DesignElement::EditFont,    DesignElement::EditColor,
                                         DesignElement::WindowColor, DesignElement::PanelColor,
                                         DesignElement::SystemPanel, DesignElement::ShowFont,
                                         DesignElement::CopyFont,    DesignElement::PasteFont};
constexpr std::size_t StepCount = std::size(StepLine);

void CheckApplied(const std::vector<std::string>& lines, const Recorder& recorder) {
    FUZZ_CHECK(recorder.applied.size() <= StepCount);
    for (std::size_t i = 0; i < recorder.applied.size(); ++i) {
        FUZZ_CHECK(recorder.applied[i].first == StepElement[i]);
        FUZZ_CHECK(recorder.applied[i].second == IdentTextToColor(lines[StepLine[i]]));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines = SplitTextLines(fuzz::AsText(data, size));
    Recorder recorder;
    try {
        ImportDesign(lines, recorder);
    } catch (const EListError& e) {
        const std::size_t step = recorder.applied.size();
        FUZZ_CHECK(step < StepCount && static_cast<std::size_t>(e.Index()) == StepLine[step]);
        FUZZ_CHECK(StepLine[step] >= lines.size());
        CheckApplied(lines, recorder);
        return 0;
    } catch (const EConvertError& e) {
        const std::size_t step = recorder.applied.size();
        FUZZ_CHECK(step < StepCount && e.Text() == lines[StepLine[step]]);
        FUZZ_CHECK(!TryIdentTextToColor(lines[StepLine[step]]));
        CheckApplied(lines, recorder);
        return 0;
    }
    FUZZ_CHECK(lines.size() >= 9 && recorder.applied.size() == StepCount);
    CheckApplied(lines, recorder);

    const auto& a = recorder.applied;
    const DesignColors colors{a[0].second, a[1].second, a[2].second, a[3].second, a[4].second,
                              a[5].second, a[7].second, a[8].second, a[9].second};
    Recorder again;
    ImportDesign(SplitTextLines(JoinTextLines(ExportDesign(colors))), again);
    FUZZ_CHECK(again.applied == recorder.applied);
    return 0;
}

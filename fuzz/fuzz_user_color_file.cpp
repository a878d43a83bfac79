// Fuzz target: the user colour file reader. Any bytes are split into lines and imported; the
// effects must follow the slot order, stop exactly at the failing line, and a full import must
// export and import again to the same slots.
#include "FuzzCheck.h"

#include "colour/ColorNames.h"
#include "core/Errors.h"
#include "exchange/UserColorFile.h"
#include "settings/TextLines.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using namespace tintor;

namespace {

struct Effect {
    char kind; // 'c' swatch colour, 'n' slot name, 's' setting
    int where;
    TColor color;
    std::string text;
};

class Recorder : public UserColorSink {
public:
    std::vector<Effect> effects;
    void SetSwatchColor(int slot, TColor color) override {
        effects.push_back({'c', slot, color, {}});
    }
    void SetSlotName(int slot, const std::string& name) override {
        effects.push_back({'n', slot, 0, name});
    }
    void SetSetting(int index, const std::string& value) override {
        effects.push_back({'s', index, 0, value});
    }
};

// The effects a correct import of these lines makes before it stops.
void CheckEffects(const std::vector<std::string>& lines, const std::vector<Effect>& effects) {
    std::size_t i = 0;
    for (int slot = 1; slot <= SlotCount && i < effects.size(); ++slot) {
        const std::string& colorText = lines[static_cast<std::size_t>(slot - 1)];
        const Effect& swatch = effects[i++];
        FUZZ_CHECK(swatch.kind == 'c' && swatch.where == slot);
        FUZZ_CHECK(swatch.color == IdentTextToColor(colorText));
        if (i == effects.size()) break;
        const std::string& name = lines[static_cast<std::size_t>(SlotCount + slot - 1)];
        const Effect& named = effects[i++];
        FUZZ_CHECK(named.kind == 'n' && named.where == slot && named.text == name);
        FUZZ_CHECK(i + 2 <= effects.size());
        FUZZ_CHECK(effects[i].kind == 's' && effects[i].where == 19 + slot &&
                   effects[i].text == colorText);
        FUZZ_CHECK(effects[i + 1].kind == 's' && effects[i + 1].where == 31 + slot &&
                   effects[i + 1].text == name);
        i += 2;
    }
    FUZZ_CHECK(i == effects.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines = SplitTextLines(fuzz::AsText(data, size));
    Recorder recorder;
    try {
        ImportUserColors(lines, recorder);
    } catch (const EListError& e) {
        FUZZ_CHECK(e.Index() >= 0 && e.Index() < 2 * SlotCount);
        FUZZ_CHECK(static_cast<std::size_t>(e.Index()) >= lines.size());
        CheckEffects(lines, recorder.effects);
        return 0;
    } catch (const EConvertError& e) {
        // The failing colour line is the one after the last slot applied.
        const std::size_t failed = recorder.effects.size() / 4;
        FUZZ_CHECK(recorder.effects.size() % 4 == 0 && failed < SlotCount);
        FUZZ_CHECK(e.Text() == lines[failed]);
        FUZZ_CHECK(!TryIdentTextToColor(lines[failed]));
        CheckEffects(lines, recorder.effects);
        return 0;
    }
    FUZZ_CHECK(lines.size() >= 2 * SlotCount && recorder.effects.size() == 4 * SlotCount);
    CheckEffects(lines, recorder.effects);

    // Export what was imported and import it again: the same colours and names.
    std::array<TColor, SlotCount> colors{};
    std::array<std::string, SlotCount> names;
    for (std::size_t n = 0; n < SlotCount; ++n) {
        colors[n] = recorder.effects[4 * n].color;
        names[n] = recorder.effects[4 * n + 1].text;
    }
    const std::vector<std::string> exported =
        SplitTextLines(JoinTextLines(ExportUserColors(colors, names)));
    Recorder again;
    ImportUserColors(exported, again);
    for (std::size_t n = 0; n < SlotCount; ++n) {
        FUZZ_CHECK(again.effects[4 * n].color == colors[n]);
        FUZZ_CHECK(again.effects[4 * n + 1].text == names[n]);
        FUZZ_CHECK(again.effects[4 * n + 2].text == ColorToIdentText(colors[n]));
    }
    return 0;
}

// Import and export of the user colour file (.tud) and the design file (.tdd).
#include "main/MainUnit.h"

#include "colorsave/ColorSaveUnit.h"
#include "core/Errors.h"
#include "exchange/DesignFile.h"
#include "exchange/UserColorFile.h"
#include "settings/TextFile.h"

namespace tintor {

namespace {
ColorPanel* SlotPanel(QWidget* form, const char* family, int slot) {
    auto* panel = form->findChild<ColorPanel*>(QString::fromLatin1(family) + QString::number(slot));
    if (!panel) throw Error("missing control " + std::string(family) + std::to_string(slot));
    return panel;
}

// Writes an import into the saved colours window and the settings, step by step.
class SlotSink : public UserColorSink {
public:
    SlotSink(QWidget* form, SettingsArray& settings) : form_(form), settings_(settings) {}
    void SetSwatchColor(int slot, TColor color) override {
        SlotPanel(form_, "Panel", slot)->SetColor(color);
    }
    void SetSlotName(int slot, const std::string& name) override {
        SlotPanel(form_, "ColorName", slot)->SetCaption(name);
    }
    void SetSetting(int index, const std::string& value) override { settings_.at(index) = value; }

private:
    QWidget* form_;
    SettingsArray& settings_;
};

class WindowDesignSink : public DesignSink {
public:
    explicit WindowDesignSink(TMainForm& form) : form_(form) {}
    void ApplyDesignColor(DesignElement element, TColor color) override {
        switch (element) {
        case DesignElement::VersionFont:
            SetFontColor(form_.VersionInfoLabel, color);
            break;
        case DesignElement::TitleFont:
            SetFontColor(form_.TitleLabel, color);
            break;
        case DesignElement::EditFont:
            SetFontColor(form_.CopyEdit, color);
            break;
        case DesignElement::EditColor:
            SetBackgroundColor(form_.CopyEdit, color);
            break;
        case DesignElement::WindowColor:
            form_.SetWindowColor(color);
            break;
        case DesignElement::PanelColor:
            form_.MainPanel->SetColor(color);
            break;
        case DesignElement::SystemPanel:
            form_.SystemPanel->SetColor(color);
            break;
        case DesignElement::ShowFont:
            form_.ButtonShow->SetFontColor(color);
            break;
        case DesignElement::CopyFont:
            form_.ButtonCTC->SetFontColor(color);
            break;
        case DesignElement::PasteFont:
            form_.ButtonPaste->SetFontColor(color);
            break;
        }
    }

private:
    TMainForm& form_;
};
} // namespace

void TMainForm::mnuPortClick(QObject* sender) {
    QWidget* saveForm = ColorSaveForm;
    switch (TagOf(sender)) {
    case 0: { // import a user colour file
        if (!platform_.OpenFileDialog(this, QString::fromUtf8(UserColorFilter),
                                      QString::fromUtf8(UserColorExtension), ODFileName))
            return;
        // The import reads no further than its 24 lines, so no more are kept in memory.
        const auto lines = LoadTextLines(ODFileName.toStdString(), 2 * SlotCount);
        if (!saveForm) return;
        SlotSink sink(saveForm, Settings);
        ImportUserColors(lines, sink);
        SaveSettings();
        platform_.ShowMessage(QStringLiteral("Success !"));
        break;
    }
    case 1: { // export a user colour file
        if (!saveForm) return;
        std::array<TColor, SlotCount> colors{};
        std::array<std::string, SlotCount> names;
        for (int n = 1; n <= SlotCount; ++n) {
            colors[static_cast<std::size_t>(n - 1)] = SlotPanel(saveForm, "Panel", n)->Color();
            names[static_cast<std::size_t>(n - 1)] = SlotPanel(saveForm, "ColorName", n)->Caption();
        }
        const auto lines = ExportUserColors(colors, names);
        if (!platform_.SaveFileDialog(this, QString::fromUtf8(UserColorFilter),
                                      QString::fromUtf8(UserColorExtension), SDFileName))
            return;
        SaveTextLines(SDFileName.toStdString(), lines);
        break;
    }
    case 2: { // import a design file
        if (!platform_.OpenFileDialog(this, QString::fromUtf8(DesignFilter),
                                      QString::fromUtf8(DesignExtension), ODFileName))
            return;
        const auto lines = LoadTextLines(ODFileName.toStdString(), 9);
        WindowDesignSink sink(*this);
        ImportDesign(lines, sink);
        CaptureDesign();
        SaveSettings();
        platform_.ShowMessage(QStringLiteral("Success !"));
        break;
    }
    case 3: { // export a design file
        const DesignColors colors{
            FontColorOf(VersionInfoLabel), FontColorOf(TitleLabel), FontColorOf(CopyEdit),
            BackgroundColorOf(CopyEdit),   WindowColor(),           MainPanel->Color(),
            ButtonShow->FontColor(),       ButtonCTC->FontColor(),  ButtonPaste->FontColor()};
        const auto lines = ExportDesign(colors);
        if (!platform_.SaveFileDialog(this, QString::fromUtf8(DesignFilter),
                                      QString::fromUtf8(DesignExtension), SDFileName))
            return;
        SaveTextLines(SDFileName.toStdString(), lines);
        break;
    }
    default:
        break;
    }
}

} // namespace tintor

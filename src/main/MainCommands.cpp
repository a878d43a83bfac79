// The command words that PASTE recognises in the text box, and the four colour themes.
#include "main/MainUnit.h"

#include "colour/ColorNames.h"

#include <array>
#include <string_view>

namespace tintor {

namespace {
// Colours of a design, in this order: window and button strip, title font, version label font,
// text box font, text box background, colour panel, SHOW/COPY/PASTE font.
using Design = TColor[7];
constexpr Design DefaultDesign = {0x009B684D, 0x00FFFFFF, 0x001E1E1E, 0x00001111,
                                  0x00FFFFFF, 0x00C0C0C0, 0x00000000};
constexpr Design QueenDesign = {0x00C4C2F5, 0x00625FE7, 0x00C4C2F5, 0x005451E1,
                                0x00E2E1FD, 0x007A77EE, 0x00C4C2F5};
constexpr Design KnightDesign = {0x00C0C0C0, 0x00FFFFFF, 0x00505050, 0x00646466,
                                 0x00FFFFFF, 0x00808080, 0x00E7E7E7};
constexpr Design BishopDesign = {0x005CF36B, 0x00008000, 0x001E1E1E, 0x00E1A277,
                                 0x00FFFFFF, 0x00F2A78A, 0x003D3A38};
constexpr Design RookDesign = {0x000080FF, 0x00FFFFFF, 0x00505050, 0x000080FF,
                               0x00FFFFFF, 0x00C0C0C0, 0x00606060};

// The words in the order they are tested.
constexpr std::array<std::string_view, 15> CommandWords = {
    "HideButtonAll", "ShowButtonAll", "HideSystemHint", "ShowSystemHint", "DefaultAll",
    "DefaultTColor", "TitleBarColor", "TitleFontColor", "DefaultTFColor", "KING",
    "QUEEN",         "KNIGHT",        "BISHOP",         "ROOK",           "PAWN"};
} // namespace

void TMainForm::ApplyTheme(const TColor (&colors)[7]) {
    SetWindowColor(colors[0]);
    SystemPanel->SetColor(colors[0]);
    SetFontColor(TitleLabel, colors[1]);
    SetFontColor(VersionInfoLabel, colors[2]);
    SetFontColor(CopyEdit, colors[3]);
    SetBackgroundColor(CopyEdit, colors[4]);
    MainPanel->SetColor(colors[5]);
    ButtonShow->SetFontColor(colors[6]);
    ButtonCTC->SetFontColor(colors[6]);
    ButtonPaste->SetFontColor(colors[6]);
}

bool TMainForm::RunTypedCommand(const std::string& text) {
    int order = 0;
    for (std::size_t i = 0; i < CommandWords.size(); ++i) {
        if (text == CommandWords[i]) {
            order = static_cast<int>(i) + 1;
            break;
        }
    }
    if (order == 0) return false;

    auto setHints = [](std::initializer_list<QWidget*> controls, bool show) {
        for (QWidget* control : controls)
            SetShowHint(control, show);
    };
    auto theme = [this](const Design& design) {
        ApplyTheme(design);
        CaptureDesign();
        ConfirmTheme();
    };

    switch (order) {
    case 1:
    case 2:
        setHints({ButtonShow, ButtonCTC, ButtonPaste}, order == 2);
        Settings[idx::ButtonHints] = order == 2 ? "Show" : "Hide";
        ConfirmCommand();
        break;
    case 3:
    case 4:
        setHints({SBSetting, SBMinimize, SBClose}, order == 4);
        Settings[idx::SystemHints] = order == 4 ? "Show" : "Hide";
        ConfirmCommand();
        break;
    case 5: {
        const int answer = platform_.MessageBox(
            QStringLiteral("次回起動時より、作成した色を除く全ての機能を初期化します"),
            QStringLiteral("TINTOR  [ Default All ]"), MB_OKCANCEL_EXCLAMATION);
        if (answer != IDOK) {
            CopyEdit->clear();
            return true;
        }
        ApplyTheme(DefaultDesign);
        ResetOnClose = 1;
        ConfirmCommand();
        break;
    }
    case 6:
        SetWindowColor(0x009B684D);
        SystemPanel->SetColor(0x009B684D);
        Settings[idx::WindowColor] = "$009B684D";
        ConfirmCommand();
        break;
    case 7:
        if (const auto chosen = platform_.ChooseColor(this)) {
            SetWindowColor(*chosen);
            SystemPanel->SetColor(*chosen);
            Settings[idx::WindowColor] = ColorToDelphiText(*chosen);
            SaveSettings();
        }
        break;
    case 8:
        if (const auto chosen = platform_.ChooseColor(this)) {
            SetFontColor(TitleLabel, *chosen);
            Settings[idx::TitleFontColor] = ColorToDelphiText(*chosen);
            SaveSettings();
        }
        break;
    case 9:
        SetFontColor(TitleLabel, 0x00FFFFFF);
        Settings[idx::TitleFontColor] = "$00FFFFFF";
        SaveSettings();
        break;
    case 10:
        MainPanel->setCursor(Qt::CrossCursor);
        Settings[idx::PanelCursor] = "Cross";
        ConfirmTheme();
        break;
    case 11:
        theme(QueenDesign);
        break;
    case 12:
        theme(KnightDesign);
        break;
    case 13:
        theme(BishopDesign);
        break;
    case 14:
        theme(RookDesign);
        break;
    case 15:
        MainPanel->setCursor(Qt::ArrowCursor);
        Settings[idx::PanelCursor] = "Normal";
        ConfirmTheme();
        break;
    default:
        break;
    }
    CopyEdit->Redraw();
    return true;
}

} // namespace tintor

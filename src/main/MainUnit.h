// TINTOR's main window: the borderless 197 x 111 window with its title strip, colour panel,
// text box, SHOW/COPY/PASTE buttons, seven menus, and the settings it owns.
#pragma once

#include "colour/ColorValue.h"
#include "platform/Platform.h"
#include "platform/Widgets.h"
#include "settings/SettingsBackup.h"
#include "settings/SettingsFile.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QWidget>
#include <cstdint>
#include <exception>
#include <functional>

namespace tintor {

class TColorSaveForm;

class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(Platform& platform, QWidget* parent = nullptr);
    ~TMainForm() override;

    Platform& platform() { return platform_; }
    // The saved colours window, created after this one by the program entry.
    void SetColorSaveForm(TColorSaveForm* form) { ColorSaveForm = form; }
    TColorSaveForm* colorSaveForm() const { return ColorSaveForm; }

    // Runs a handler through the error box guard.
    void Guard(const std::function<void()>& handler) { Guarded(platform_, handler); }

    // --- Data (zero-filled at creation) ---
    std::uint8_t ResetOnClose = 0;
    TColor CurrentColor = 0;
    SettingsArray Settings;

    // --- Controls ---
    QLabel* TitleLabel = nullptr;
    QLabel* IconImg = nullptr;
    ColorPanel* SystemPanel = nullptr;
    FlatButton* SBSetting = nullptr;
    FlatButton* SBMinimize = nullptr;
    FlatButton* SBClose = nullptr;
    ColorPanel* MainPanel = nullptr;
    QLabel* VersionInfoLabel = nullptr;
    FlatButton* ButtonShow = nullptr;
    FlatButton* ButtonCTC = nullptr;
    FlatButton* ButtonPaste = nullptr;
    ByteLineEdit* CopyEdit = nullptr;
    ColorPanel* FPanel1 = nullptr;
    ColorPanel* FPanel2 = nullptr;
    ColorPanel* FPanel3 = nullptr;
    ColorPanel* FPanel4 = nullptr;
    ColorPanel* SPanel1 = nullptr;
    ColorPanel* SPanel2 = nullptr;
    ColorPanel* SPanel3 = nullptr;
    ColorPanel* SPanel4 = nullptr;

    // --- Menus ---
    QMenu* PM = nullptr;
    QMenu* MainPM = nullptr;
    QMenu* PMLabel = nullptr;
    QMenu* PMEdit = nullptr;
    QMenu* PMShow = nullptr;
    QMenu* PMCopy = nullptr;
    QMenu* PMPaste = nullptr;
    QMenu* COLORS1 = nullptr;
    QAction* mnuCplus = nullptr;
    QAction* mnuHTML = nullptr;
    QAction* mnuRGB = nullptr;
    QAction* mnuDelphi = nullptr;
    QAction* mnuVB = nullptr;
    QAction* mnuCSFShow = nullptr;
    QAction* mnuPort = nullptr;
    QAction* mnuExportColor = nullptr;
    QAction* mnuInportDesine = nullptr;
    QAction* mnuExportDesine = nullptr;
    QAction* mnuExportPalette = nullptr;
    QAction* mnuImportPalette = nullptr;
    QAction* mnuExportCss = nullptr;
    QAction* mnuWindowPos = nullptr;
    QAction* mnuHelp = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuUpDate = nullptr;
    QAction* mnuClose = nullptr;
    QAction* mnuInfoFont = nullptr;
    QAction* mnuPaste = nullptr;
    QAction* mnuTextBoxFormat = nullptr;
    QAction* mnuEditFontColor = nullptr;
    QAction* mnuEditColor = nullptr;
    QAction* mnuEditShowHint = nullptr;
    QAction* mnuPMHelp2 = nullptr;
    QAction* mnuBaseColor = nullptr;
    QAction* mnuShowHint = nullptr;
    QAction* mnuPMHelp1 = nullptr;
    QAction* mnuSBColor = nullptr;
    QAction* mnuButtonHelp1 = nullptr;
    QAction* mnuCBColor = nullptr;
    QAction* mnuButtonHelp2 = nullptr;
    QAction* mnuPBColor = nullptr;
    QAction* mnuButtonHelp3 = nullptr;
    QAction* mnuPickScreenColor = nullptr; // in PM and MainPM, key Ctrl+E

    // The shared file dialogs remember the name last chosen in each.
    QString ODFileName;
    QString SDFileName;

    // The window's own colour (title strip), kept as a colour value.
    TColor WindowColor() const { return windowColor_; }
    void SetWindowColor(TColor color);

    // --- Start-up and the window (creation, dragging, title-bar buttons, colour chooser) ---
    void FormCreate();
    // Shows the error that ended a window's creation steps. When System.tri was there, it is
    // kept as System.tri.bak before the next save replaces it, and the box says so.
    void StartupFailed(const std::exception& error);
    void FormHitTest(const QPoint& globalPos);
    void SBSettingClick();
    void SBMinimizeClick();
    void SBCloseClick();
    void mnuCloseClick();
    void MainPanelClick();
    // The close-time step; returns whether the window may close.
    bool FormCloseQuery();

    // --- Colour text (SHOW, COPY) ---
    void ButtonShowClick();
    void AnalyzeColorText();
    void ButtonCTCClick();
    void ReportBadCopyFormat();
    void AdjustButtonFontColor();
    void ApplyColorText(const std::string& text);

    // --- Menus ---
    void mnuHTMLClick(QObject* sender);
    void mnuInfoFontClick();
    void mnuEditFontColorClick();
    void mnuEditColorClick();
    void mnuBaseColorClick();
    void mnuSBColorClick();
    void mnuCBColorClick();
    void mnuPBColorClick();
    void mnuShowHintClick();
    void mnuEditShowHintClick();
    void mnuWindowPosClick();
    void mnuHelpClick();
    void mnuButtonHelp1Click(QObject* sender);
    void mnuAboutClick();
    void mnuUpDateClick();
    void mnuTextBoxFormatClick();
    void mnuPasteClick();
    void mnuCSFShowClick();
    void mnuPortClick(QObject* sender);
    void mnuPickScreenColorClick(); // MainPicker.cpp
    // GIMP palette export (tag 0) and import (1), CSS export (2) (MainPalette.cpp).
    void mnuPaletteClick(QObject* sender);

    // --- Shared routines ---
    void SaveSettings();
    void CaptureDesign();
    void ConfirmCommand();
    void ConfirmTheme();

    // The format item whose tag is n (1..5), or nullptr.
    QAction* FormatItem(int n) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreateSteps();
    void CreateControls(); // design values (MainDesign.cpp)
    void CreateMenus();    // the seven menus (MainMenus.cpp)
    void ApplyFrame();     // frame panels at their final place
    // The screen picker's item in two menus and its key (MainPicker.cpp).
    void CreatePickerItems();
    // The palette items at the end of COLORS1 (MainPalette.cpp).
    void AddPaletteItems();
    // An appearance item: chooser, then one property and one settings entry.
    void ChooseAppearanceColor(int index, const std::function<void(TColor)>& apply);
    // Typed command words; returns whether the text was one (MainCommands.cpp).
    bool RunTypedCommand(const std::string& text);
    void ApplyTheme(const TColor (&colors)[7]);
    std::string HelpFilePath();

    Platform& platform_;
    TColorSaveForm* ColorSaveForm = nullptr;
    bool settingsFileMissing_ = false;
    bool settingsKept_ = false;
    SettingsBackup settingsBackup_;
    TColor windowColor_ = 0x80000001;
    bool dragging_ = false;
    QPoint dragOffset_;
};

} // namespace tintor

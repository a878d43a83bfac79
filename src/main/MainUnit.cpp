// The main window: creation steps, dragging, title-bar buttons, the colour chooser on the
// panel, SHOW and COPY, the close-time step and the routines the other handlers share.
#include "main/MainUnit.h"

#include "colorsave/ColorSaveUnit.h"
#include "colour/ColorNames.h"
#include "colour/ColorTextAnalysis.h"
#include "colour/IntegerText.h"
#include "main/MainKeyboard.h"
#include "main/MinimizeTogether.h"
#include "platform/Cp932.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <filesystem>
#include <system_error>

namespace tintor {

namespace {
QString Text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
} // namespace

TMainForm::TMainForm(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), platform_(platform) {
    setObjectName("MainForm");
    setWindowTitle(QStringLiteral("TINTOR"));
    setMouseTracking(true);
    CreateControls();
    CreateMenus();

    auto guarded = [this](auto handler) { return [this, handler] { Guard(handler); }; };
    connect(SBSetting, &QToolButton::clicked, this, guarded([this] { SBSettingClick(); }));
    connect(SBMinimize, &QToolButton::clicked, this, guarded([this] { SBMinimizeClick(); }));
    connect(SBClose, &QToolButton::clicked, this, guarded([this] { SBCloseClick(); }));
    connect(MainPanel, &ColorPanel::clicked, this, guarded([this] { MainPanelClick(); }));
    connect(ButtonShow, &QToolButton::clicked, this, guarded([this] { ButtonShowClick(); }));
    connect(ButtonCTC, &QToolButton::clicked, this, guarded([this] { ButtonCTCClick(); }));
    connect(ButtonPaste, &QToolButton::clicked, this, guarded([this] { mnuPasteClick(); }));
    // A click on the version label opens the chooser as a click on the panel does.
    VersionInfoLabel->installEventFilter(this);
    InstallMainKeyboard(*this);
    MinimizeTogether(*this, [this]() -> QWidget* { return ColorSaveForm; });
}

TMainForm::~TMainForm() = default;

void TMainForm::SetWindowColor(TColor color) {
    windowColor_ = color;
    update();
}

void TMainForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(windowColor_));
}

// --- Creation steps ---

void TMainForm::FormCreate() {
    try {
        FormCreateSteps();
    } catch (const std::exception& error) {
        StartupFailed(error);
    }
}

void TMainForm::StartupFailed(const std::exception& error) {
    QString text = ErrorBoxText(error);
    // Once a run: a later failure must not replace the kept file with one already saved over.
    if (!settingsFileMissing_ && !settingsKept_) {
        settingsKept_ = true;
        settingsBackup_.Arm(platform_.SettingsPath());
        text += QStringLiteral("\n元のファイルは次の保存の前に System.tri.bak に残します。");
    }
    platform_.ShowError(text);
}

void TMainForm::FormCreateSteps() {
    resize(197, 111);

    // A missing System.tri is no error: start from the settings the program ships with; the
    // next save creates the file.
    const std::string path = platform_.SettingsPath();
    std::error_code ec;
    const bool missing = !std::filesystem::exists(std::filesystem::path(path), ec) && !ec;
    settingsFileMissing_ = missing;
    if (missing)
        Settings = FirstSettings();
    else
        LoadSettingsFile(path, Settings);

    const int n = StrToInt(Settings[idx::Format]);
    for (int k = 1; k <= 5; ++k)
        FormatItem(k)->setChecked(k == n);

    SetWindowColor(IdentTextToColor(Settings[idx::WindowColor]));
    SetFontColor(TitleLabel, IdentTextToColor(Settings[idx::TitleFontColor]));

    const QSize screen = platform_.ScreenSize();
    const int t = StrToInt(Settings[idx::Top]);
    move(x(), t > screen.height() - 20 ? screen.height() - 250 : t);
    const int l = StrToInt(Settings[idx::Left]);
    move(l > screen.width() - 20 ? screen.width() - 250 : l, y());

    SetFontColor(VersionInfoLabel, IdentTextToColor(Settings[idx::VersionFontColor]));
    setWindowTitle(FromCp932(Settings[idx::Caption]));
    SetFontColor(CopyEdit, IdentTextToColor(Settings[idx::EditFontColor]));
    SetBackgroundColor(CopyEdit, IdentTextToColor(Settings[idx::EditColor]));

    const TColor base = IdentTextToColor(Settings[idx::BaseColor]);
    MainPanel->SetColor(base);
    CurrentColor = base;

    ButtonShow->SetFontColor(IdentTextToColor(Settings[idx::ShowFontColor]));
    ButtonCTC->SetFontColor(IdentTextToColor(Settings[idx::CopyFontColor]));
    ButtonPaste->SetFontColor(IdentTextToColor(Settings[idx::PasteFontColor]));

    const bool panelHint = Settings[idx::PanelHint] == "Show";
    SetShowHint(MainPanel, panelHint);
    mnuShowHint->setChecked(!panelHint);
    const bool editHint = Settings[idx::EditHint] == "Show";
    SetShowHint(CopyEdit, editHint);
    mnuEditShowHint->setChecked(!editHint);
    const bool buttonHints = Settings[idx::ButtonHints] == "Show";
    for (QWidget* button : {ButtonShow, ButtonCTC, ButtonPaste})
        SetShowHint(button, buttonHints);
    const bool systemHints = Settings[idx::SystemHints] == "Show";
    for (QWidget* button : {SBSetting, SBMinimize, SBClose})
        SetShowHint(button, systemHints);
    MainPanel->setCursor(Settings[idx::PanelCursor] == "Cross" ? Qt::CrossCursor : Qt::ArrowCursor);

    const int W = width();
    const int H = height();
    MainPanel->setGeometry(2, 22, W - 4, H - 24);
    SystemPanel->setGeometry(W - 65 + 5, 5, 55, 15);
    SystemPanel->SetColor(windowColor_);
    ApplyFrame();
    CopyEdit->Redraw();
}

// --- Dragging by the title strip ---

void TMainForm::FormHitTest(const QPoint&) {
    const QSize screen = platform_.ScreenSize();
    int top = y();
    int left = x();
    if (top > screen.height() - 30) top = screen.height() - 30;
    if (top < 0) top = 0;
    if (left > screen.width() - 30) left = screen.width() - 30;
    if (left < -50) left = -50;
    if (top != y() || left != x()) move(left, top);
}

// Presses and movements that a child leaves unhandled (the colour panel, a frame line, the
// button strip) are passed on to the window as well; only the window's own surface answers as
// a title bar, so those are left alone here.
void TMainForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || childAt(event->position().toPoint()))
        return QWidget::mousePressEvent(event);
    const QPoint global = event->globalPosition().toPoint();
    FormHitTest(global);
    // Let the window manager move the window; without one, follow the pointer ourselves.
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    dragging_ = true;
    dragOffset_ = global - pos();
}

void TMainForm::mouseMoveEvent(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        move(global - dragOffset_);
        return;
    }
    dragging_ = false;
    if (!childAt(event->position().toPoint())) FormHitTest(global);
}

void TMainForm::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    QWidget::mouseReleaseEvent(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == VersionInfoLabel && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            VersionInfoLabel->rect().contains(mouse->position().toPoint())) {
            Guard([this] { MainPanelClick(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// --- Title-bar buttons and closing ---

void TMainForm::SBSettingClick() {
    PM->popup(platform_.CursorPos());
}

void TMainForm::SBMinimizeClick() {
    platform_.MinimizeApp();
}

void TMainForm::SBCloseClick() {
    close();
}

void TMainForm::mnuCloseClick() {
    close();
}

bool TMainForm::FormCloseQuery() {
    if (ResetOnClose == 1) {
        StoreResetValues(Settings);
    } else {
        Settings[idx::Top] = std::to_string(y());
        Settings[idx::Left] = std::to_string(x());
    }
    // A failed save is reported, but never keeps the user from quitting.
    Guard([this] { SaveSettings(); });
    return true;
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    if (ColorSaveForm) ColorSaveForm->hide();
    QCoreApplication::quit();
}

// --- Colour chooser on the panel ---

void TMainForm::MainPanelClick() {
    if (const std::optional<TColor> chosen = platform_.ChooseColor(this)) {
        const int n = StrToInt(Settings[idx::Format]);
        if (const auto text = FormatColorText(n, *chosen)) CopyEdit->SetBytes(*text);
        CurrentColor = *chosen;
        MainPanel->SetColor(*chosen);
        AdjustButtonFontColor();
    }
    CopyEdit->Redraw();
}

// --- SHOW and COPY ---

void TMainForm::ButtonShowClick() {
    const std::string text = CopyEdit->Bytes();
    CopyEdit->selectAll();
    const ShowOutcome outcome = AnalyzeShowText(text);
    if (outcome.kind == ShowOutcome::Nothing) return;
    if (outcome.kind == ShowOutcome::LeadingBlank) {
        platform_.ShowMessage(Text(NotationMessage));
        CopyEdit->clear();
        return;
    }
    AnalyzeColorText();
    CopyEdit->Redraw();
}

void TMainForm::AnalyzeColorText() {
    const std::string text = CopyEdit->Bytes();
    CopyEdit->selectAll();
    const ShowOutcome outcome = AnalyzeShowText(text);
    switch (outcome.kind) {
    case ShowOutcome::NotationThenClear:
        platform_.ShowMessage(Text(NotationMessage));
        CopyEdit->clear();
        break;
    case ShowOutcome::ClearThenNotation:
        CopyEdit->clear();
        platform_.ShowMessage(Text(NotationMessage));
        break;
    case ShowOutcome::NameFound:
        CurrentColor = outcome.color;
        MainPanel->SetColor(CurrentColor);
        AdjustButtonFontColor();
        break;
    case ShowOutcome::NameUnknown:
        platform_.ShowMessage(Text(NameMessage));
        MainPanel->SetColor(CurrentColor);
        AdjustButtonFontColor();
        break;
    case ShowOutcome::Apply:
        CurrentColor = outcome.color;
        MainPanel->SetColor(CurrentColor);
        AdjustButtonFontColor();
        break;
    case ShowOutcome::NumberRefused:
        platform_.ShowMessage(Text(NumberMessage));
        break;
    case ShowOutcome::Unconverted:
        if (UnconvertedShowsNumberMessage) platform_.ShowMessage(Text(NumberMessage));
        break;
    case ShowOutcome::Nothing:
    case ShowOutcome::LeadingBlank:
        break;
    }
}

void TMainForm::ButtonCTCClick() {
    const std::string text = CopyEdit->Bytes();
    CopyEdit->selectAll();
    switch (AnalyzeCopyText(text)) {
    case CopyOutcome::LengthRefused:
        CopyEdit->clear();
        platform_.ShowMessage(Text(CopyLengthMessage));
        break;
    case CopyOutcome::Copy:
        platform_.SetClipboardText(CopyEdit->selectedText());
        break;
    case CopyOutcome::FormatRefused:
        ReportBadCopyFormat();
        break;
    }
    CopyEdit->Redraw();
}

void TMainForm::ReportBadCopyFormat() {
    CopyEdit->clear();
    platform_.ShowMessage(Text(CopyFormatMessage));
}

void TMainForm::AdjustButtonFontColor() {
    const TColor color = ButtonFontColorFor(CurrentColor);
    ButtonShow->SetFontColor(color);
    ButtonCTC->SetFontColor(color);
    ButtonPaste->SetFontColor(color);
}

void TMainForm::ApplyColorText(const std::string& text) {
    const TColor value = IdentTextToColor(text);
    CurrentColor = value;
    MainPanel->SetColor(value);
    AdjustButtonFontColor();
}

// --- Shared routines ---

void TMainForm::SaveSettings() {
    settingsBackup_.BeforeSave();
    SaveSettingsFile(platform_.SettingsPath(), Settings);
}

void TMainForm::CaptureDesign() {
    Settings[idx::WindowColor] = ColorToIdentText(windowColor_);
    Settings[idx::TitleFontColor] = ColorToIdentText(FontColorOf(TitleLabel));
    Settings[idx::VersionFontColor] = ColorToIdentText(FontColorOf(VersionInfoLabel));
    Settings[idx::EditFontColor] = ColorToIdentText(FontColorOf(CopyEdit));
    Settings[idx::EditColor] = ColorToIdentText(BackgroundColorOf(CopyEdit));
    Settings[idx::BaseColor] = ColorToIdentText(MainPanel->Color());
    Settings[idx::ShowFontColor] = ColorToIdentText(ButtonShow->FontColor());
    Settings[idx::CopyFontColor] = ColorToIdentText(ButtonCTC->FontColor());
    Settings[idx::PasteFontColor] = ColorToIdentText(ButtonPaste->FontColor());
}

void TMainForm::ConfirmCommand() {
    SaveSettings();
    CopyEdit->clear();
    platform_.ShowMessage(QStringLiteral("Success!"));
}

void TMainForm::ConfirmTheme() {
    SaveSettings();
    CopyEdit->clear();
    platform_.ShowMessage(QStringLiteral("　　？？？"));
}

QAction* TMainForm::FormatItem(int n) const {
    switch (n) {
    case FormatHtml:
        return mnuHTML;
    case FormatRgb:
        return mnuRGB;
    case FormatDelphi:
        return mnuDelphi;
    case FormatVb:
        return mnuVB;
    case FormatCpp:
        return mnuCplus;
    default:
        return nullptr;
    }
}

} // namespace tintor

// The seven menus of the main window and the handlers behind their items.
#include "main/MainUnit.h"

#include "colorsave/ColorSaveUnit.h"
#include "colour/ColorNames.h"
#include "main/MakerInfo.h"
#include "platform/HintTracker.h"
#include "platform/InstallPaths.h"

#include <QApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace tintor {

namespace {
QAction* AddItem(QMenu* menu, const char* name, const QString& caption, const QString& hint = {},
                 int tag = 0) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    SetTag(action, tag);
    if (!hint.isEmpty()) SetHint(action, hint);
    return action;
}

void AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(name);
}

// Opens the menu on a right click on the control, in place of the control's own menu.
void BindContextMenu(QWidget* control, QMenu* menu) {
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        control, &QWidget::customContextMenuRequested, menu,
        [control, menu](const QPoint& pos) { menu->popup(control->mapToGlobal(pos)); });
}
} // namespace

void TMainForm::CreateMenus() {
    auto on = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this, [this, handler] { Guard(handler); });
    };
    // Checkable items: Qt ticks them before the handler runs; the handler owns the mark.
    auto onCheckable = [this](QAction* action, auto handler) {
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, action, handler] {
            action->setChecked(!action->isChecked());
            Guard(handler);
        });
    };

    PM = new QMenu(this);
    PM->setObjectName("PM");
    mnuCplus = AddItem(PM, "mnuCplus", QStringLiteral("C++ 形式(&C)"),
                       QStringLiteral("Borland C++ 形式"), 5);
    mnuHTML =
        AddItem(PM, "mnuHTML", QStringLiteral("HTML 形式(&H)"), QStringLiteral("HTML 形式"), 1);
    mnuRGB = AddItem(PM, "mnuRGB", QStringLiteral("RGB 形式(&R)"), QStringLiteral("RGB 形式"), 2);
    mnuDelphi = AddItem(PM, "mnuDelphi", QStringLiteral("Delphi 形式(&D)"),
                        QStringLiteral("Borland Delphi 形式"), 3);
    mnuVB = AddItem(PM, "mnuVB", QStringLiteral("Visual Basic 形式(&V)"),
                    QStringLiteral("MS VisualBasic 形式"), 4);
    for (QAction* item : {mnuCplus, mnuHTML, mnuRGB, mnuDelphi, mnuVB})
        onCheckable(item, [this, item] { mnuHTMLClick(item); });
    AddSeparator(PM, "N1");
    mnuCSFShow = AddItem(PM, "mnuCSFShow", QStringLiteral("作成した色の保存と管理(&S)"),
                         QStringLiteral("管理画面を表示します"));
    on(mnuCSFShow, [this] { mnuCSFShowClick(); });

    COLORS1 = PM->addMenu(QStringLiteral("データの継承(&O)"));
    COLORS1->setObjectName("COLORS1");
    COLORS1->menuAction()->setObjectName("COLORS1");
    SetHint(COLORS1->menuAction(), QStringLiteral("データのインポート、エクスポートを行います"));
    mnuPort = AddItem(COLORS1, "mnuPort", QStringLiteral("ユーザ作成色のインポート(&1)"),
                      QStringLiteral("他ユーザの作成した色データをインポートします"), 0);
    mnuExportColor =
        AddItem(COLORS1, "mnuExportColor", QStringLiteral("ユーザ作成色のエクスポート(&2)"),
                QStringLiteral("自分の作成した色データをエクスポートします"), 1);
    AddSeparator(COLORS1, "N2");
    mnuInportDesine =
        AddItem(COLORS1, "mnuInportDesine", QStringLiteral("画面デザインをインポート(&3)"),
                QStringLiteral("他ユーザのデザインデータをインポートします"), 2);
    mnuExportDesine =
        AddItem(COLORS1, "mnuExportDesine", QStringLiteral("画面デザインをエクスポート(&4)"),
                QStringLiteral("自分でデザインした画面データをエクスポートします"), 3);
    for (QAction* item : {mnuPort, mnuExportColor, mnuInportDesine, mnuExportDesine})
        on(item, [this, item] { mnuPortClick(item); });
    AddPaletteItems();

    mnuWindowPos = AddItem(PM, "mnuWindowPos", QStringLiteral("常に手前に表示(&W)"),
                           QStringLiteral("メイン画面を常に手前に表示させます"));
    onCheckable(mnuWindowPos, [this] { mnuWindowPosClick(); });
    AddSeparator(PM, "N3");
    mnuHelp = AddItem(PM, "mnuHelp", QStringLiteral("ヘルプを表示(&P)"),
                      QStringLiteral("ヘルプを表示します"));
    on(mnuHelp, [this] { mnuHelpClick(); });
    mnuAbout = AddItem(PM, "mnuAbout", QStringLiteral("バージョン情報(&A)"),
                       QStringLiteral("バージョン情報"));
    on(mnuAbout, [this] { mnuAboutClick(); });
    mnuUpDate = AddItem(PM, "mnuUpDate", QStringLiteral("最新版を確認(&U)"),
                        QStringLiteral("TINTOR の最新版を確認"));
    on(mnuUpDate, [this] { mnuUpDateClick(); });
    AddSeparator(PM, "N7");
    mnuClose = AddItem(PM, "mnuClose", QStringLiteral("TINTOR の終了(&X)"),
                       QStringLiteral("TINTOR を終了します"));
    on(mnuClose, [this] { mnuCloseClick(); });

    PMLabel = new QMenu(this);
    PMLabel->setObjectName("PMLabel");
    mnuInfoFont = AddItem(PMLabel, "mnuInfoFont", QStringLiteral("フォント色の変更(&C)"));
    on(mnuInfoFont, [this] { mnuInfoFontClick(); });

    PMEdit = new QMenu(this);
    PMEdit->setObjectName("PMEdit");
    mnuPaste = AddItem(PMEdit, "mnuPaste", QStringLiteral("テキストの貼り付け(&P)"));
    on(mnuPaste, [this] { mnuPasteClick(); });
    mnuTextBoxFormat = AddItem(PMEdit, "mnuTextBoxFormat", QStringLiteral("文字列のクリア(&T)"));
    on(mnuTextBoxFormat, [this] { mnuTextBoxFormatClick(); });
    AddSeparator(PMEdit, "N4");
    mnuEditFontColor = AddItem(PMEdit, "mnuEditFontColor", QStringLiteral("フォント色の変更(&F)"));
    on(mnuEditFontColor, [this] { mnuEditFontColorClick(); });
    mnuEditColor = AddItem(PMEdit, "mnuEditColor", QStringLiteral("表示ボックス色の変更(&E)"));
    on(mnuEditColor, [this] { mnuEditColorClick(); });
    AddSeparator(PMEdit, "N6");
    mnuEditShowHint =
        AddItem(PMEdit, "mnuEditShowHint", QStringLiteral("付箋によるヒントを表示しない(&H)"));
    onCheckable(mnuEditShowHint, [this] { mnuEditShowHintClick(); });
    mnuPMHelp2 = AddItem(PMEdit, "mnuPMHelp2", QStringLiteral("ヘルプ(&C)"), {}, 11);
    on(mnuPMHelp2, [this] { mnuButtonHelp1Click(mnuPMHelp2); });

    MainPM = new QMenu(this);
    MainPM->setObjectName("MainPM");
    mnuBaseColor = AddItem(MainPM, "mnuBaseColor", QStringLiteral("初期 ベース色の変更(&B)"));
    on(mnuBaseColor, [this] { mnuBaseColorClick(); });
    AddSeparator(MainPM, "N5");
    mnuShowHint =
        AddItem(MainPM, "mnuShowHint", QStringLiteral("付箋によるヒントを表示しない(&H)"));
    onCheckable(mnuShowHint, [this] { mnuShowHintClick(); });
    mnuPMHelp1 = AddItem(MainPM, "mnuPMHelp1", QStringLiteral("ヘルプ(&O)"), {}, 5);
    on(mnuPMHelp1, [this] { mnuButtonHelp1Click(mnuPMHelp1); });

    PMShow = new QMenu(this);
    PMShow->setObjectName("PMShow");
    mnuSBColor =
        AddItem(PMShow, "mnuSBColor", QStringLiteral("初期 SHOWボタン、フォント色の変更(&S)"));
    on(mnuSBColor, [this] { mnuSBColorClick(); });
    mnuButtonHelp1 =
        AddItem(PMShow, "mnuButtonHelp1", QStringLiteral("SHOW ボタンのヘルプ(&H)"), {}, 6);
    on(mnuButtonHelp1, [this] { mnuButtonHelp1Click(mnuButtonHelp1); });

    PMCopy = new QMenu(this);
    PMCopy->setObjectName("PMCopy");
    mnuCBColor =
        AddItem(PMCopy, "mnuCBColor", QStringLiteral("初期 COPYボタン、フォント色の変更(&C)"));
    on(mnuCBColor, [this] { mnuCBColorClick(); });
    mnuButtonHelp2 =
        AddItem(PMCopy, "mnuButtonHelp2", QStringLiteral("COPY ボタンのヘルプ(&H)"), {}, 7);
    on(mnuButtonHelp2, [this] { mnuButtonHelp1Click(mnuButtonHelp2); });

    PMPaste = new QMenu(this);
    PMPaste->setObjectName("PMPaste");
    mnuPBColor =
        AddItem(PMPaste, "mnuPBColor", QStringLiteral("初期 PASTEボタン、フォント色の変更(&P)"));
    on(mnuPBColor, [this] { mnuPBColorClick(); });
    mnuButtonHelp3 =
        AddItem(PMPaste, "mnuButtonHelp3", QStringLiteral("PASTE ボタンのヘルプ(&H)"), {}, 8);
    on(mnuButtonHelp3, [this] { mnuButtonHelp1Click(mnuButtonHelp3); });

    // Every item of every menu shows its hint (or none) in the status line while highlighted.
    for (QMenu* menu : {PM, COLORS1, MainPM, PMLabel, PMEdit, PMShow, PMCopy, PMPaste})
        HintTracker::Instance().WatchMenu(menu);

    BindContextMenu(VersionInfoLabel, PMLabel);
    BindContextMenu(CopyEdit, PMEdit);
    BindContextMenu(MainPanel, MainPM);
    BindContextMenu(ButtonShow, PMShow);
    BindContextMenu(ButtonCTC, PMCopy);
    BindContextMenu(ButtonPaste, PMPaste);
    CreatePickerItems();
}

// --- Display format switch ---

void TMainForm::mnuHTMLClick(QObject* sender) {
    const std::string before = CopyEdit->Bytes();
    CopyEdit->selectAll();
    const int n = TagOf(sender);
    for (int k = 1; k <= 5; ++k)
        FormatItem(k)->setChecked(false);
    if (QAction* item = FormatItem(n)) item->setChecked(true);

    ButtonShowClick();
    if (const auto text = FormatColorText(n, CurrentColor)) CopyEdit->SetBytes(*text);

    // Only a text that could have been a colour keeps the rewritten text and repaints.
    const bool colourText = !before.empty() && std::string_view("#$c&012").find(before.front()) !=
                                                   std::string_view::npos;
    if (colourText) {
        MainPanel->SetColor(CurrentColor);
        AdjustButtonFontColor();
    } else {
        CopyEdit->clear();
    }
    CopyEdit->Redraw();
    Settings[idx::Format] = std::to_string(n);
    SaveSettings();
}

// --- Appearance colours ---

void TMainForm::ChooseAppearanceColor(int index, const std::function<void(TColor)>& apply) {
    const std::optional<TColor> chosen = platform_.ChooseColor(this);
    if (!chosen) return;
    apply(*chosen);
    Settings[index] = ColorToDelphiText(*chosen);
    SaveSettings();
}

void TMainForm::mnuInfoFontClick() {
    ChooseAppearanceColor(idx::VersionFontColor,
                          [this](TColor c) { SetFontColor(VersionInfoLabel, c); });
}
void TMainForm::mnuEditFontColorClick() {
    ChooseAppearanceColor(idx::EditFontColor, [this](TColor c) { SetFontColor(CopyEdit, c); });
}
void TMainForm::mnuEditColorClick() {
    ChooseAppearanceColor(idx::EditColor, [this](TColor c) { SetBackgroundColor(CopyEdit, c); });
}
void TMainForm::mnuBaseColorClick() {
    ChooseAppearanceColor(idx::BaseColor, [this](TColor c) { MainPanel->SetColor(c); });
}
void TMainForm::mnuSBColorClick() {
    ChooseAppearanceColor(idx::ShowFontColor, [this](TColor c) { ButtonShow->SetFontColor(c); });
}
void TMainForm::mnuCBColorClick() {
    ChooseAppearanceColor(idx::CopyFontColor, [this](TColor c) { ButtonCTC->SetFontColor(c); });
}
void TMainForm::mnuPBColorClick() {
    ChooseAppearanceColor(idx::PasteFontColor, [this](TColor c) { ButtonPaste->SetFontColor(c); });
}

// --- Hint switches and stay on top ---

void TMainForm::mnuShowHintClick() {
    mnuShowHint->setChecked(!mnuShowHint->isChecked());
    const bool hidden = mnuShowHint->isChecked();
    SetShowHint(MainPanel, !hidden);
    Settings[idx::PanelHint] = hidden ? "Hide" : "Show";
    SaveSettings();
}

void TMainForm::mnuEditShowHintClick() {
    mnuEditShowHint->setChecked(!mnuEditShowHint->isChecked());
    const bool hidden = mnuEditShowHint->isChecked();
    SetShowHint(CopyEdit, !hidden);
    Settings[idx::EditHint] = hidden ? "Hide" : "Show";
    SaveSettings();
}

void TMainForm::mnuWindowPosClick() {
    mnuWindowPos->setChecked(!mnuWindowPos->isChecked());
    const bool onTop = mnuWindowPos->isChecked();
    Settings[idx::MainStyle] = onTop ? "StayOnTop" : "Normal";
    platform_.SetStayOnTop(this, onTop);
    SaveSettings();
}

// --- Help, version, update check ---

std::string TMainForm::HelpFilePath() {
    // Beside the program, else where an installation put it.
    return FindDataFile(platform_.ExeDir(), "TintHelp.hlp");
}

void TMainForm::mnuHelpClick() {
    const QString file = QString::fromStdString(HelpFilePath());
    qApp->setProperty("helpFile", file);
    platform_.WinHelp(file, HELP_FINDER, 0);
    platform_.NormalizeTopMostsWhileHelpShows();
}

void TMainForm::mnuButtonHelp1Click(QObject* sender) {
    const int context = TagOf(sender);
    const QString file = QString::fromStdString(HelpFilePath());
    qApp->setProperty("helpFile", file);
    platform_.WinHelp(file, HELP_CONTEXT, context);
}

void TMainForm::mnuAboutClick() {
    platform_.ShowMessage(QString::fromUtf8(ApplicationTitle) + "\n" +
                          QString::fromUtf8(VersionCredit));
}

void TMainForm::mnuUpDateClick() {
    platform_.NormalizeTopMosts();
    const int answer = platform_.MessageBox(
        QStringLiteral("開発者ホームページに接続します\r\n\r\n"
                       "TINTOR の最新情報は TOP ページに設置してあるリンクを辿り、\r\n"
                       "Software 内コンテンツを御参照下さい\r\n\r\nブラウザを機動しますか？"),
        QStringLiteral("TINTOR アップデート"), MB_YESNO_EXCLAMATION);
    if (answer == IDYES) platform_.ShellOpen(QString::fromUtf8(MakerHomePage));
    platform_.RestoreTopMosts();
}

// --- Text box ---

void TMainForm::mnuTextBoxFormatClick() {
    CopyEdit->clear();
}

void TMainForm::mnuPasteClick() {
    const std::string text = CopyEdit->Bytes();
    CopyEdit->selectAll();
    if (RunTypedCommand(text)) return;

    CopyEdit->clear();
    if (std::optional<QString> clip = platform_.ClipboardText()) {
        // A one-line box takes the clipboard's first line, cut to what fits.
        QString firstLine = *clip;
        const qsizetype brk = firstLine.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
        if (brk >= 0) firstLine.truncate(brk);
        CopyEdit->InsertLimited(firstLine);
    }
    CopyEdit->Redraw();
}

// --- Saved colours window ---

void TMainForm::mnuCSFShowClick() {
    if (!ColorSaveForm) return;
    const int L = x();
    const int T = y();
    const int W = width();
    const int S = platform_.ScreenSize().width();
    const int left = L < S - 450 ? L + W + 20 : L - 330;
    const int top = T >= 1 ? T - 60 : 0;
    ColorSaveForm->move(left, top);
    // Kept with the main window by the window manager, and not listed in the task bar apart.
    SetTransientFor(ColorSaveForm, this);
    // Also brings back a window that was minimised with the application.
    ColorSaveForm->showNormal();
    ColorSaveForm->raise();
}

} // namespace tintor

// The main window's controls with their design values. The creation steps (FormCreate) then
// apply the settings; whatever they do not reach keeps these values.
#include "main/MainUnit.h"

#include "main/MakerInfo.h"
#include "platform/FontFit.h"
#include "platform/Pictures.h"

namespace tintor {

namespace {
ColorPanel* MakePanel(QWidget* parent, const char* name, QRect geometry, TColor color) {
    auto* panel = new ColorPanel(parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    panel->SetColor(color);
    return panel;
}

FlatButton* MakeButton(QWidget* parent, const char* name, QRect geometry, const QString& caption,
                       const QString& hint) {
    auto* button = new FlatButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setText(caption);
    SetHint(button, hint);
    SetShowHint(button, true);
    return button;
}
} // namespace

void TMainForm::CreateControls() {
    constexpr TColor Black = 0x00000000;
    constexpr TColor WindowText = static_cast<TColor>(0x80000008);
    constexpr TColor BtnFace = static_cast<TColor>(0x8000000F);

    setFont(DesignFont(12));
    resize(221, 116);

    // Drawn on the window's own surface, below every panel; presses fall through to the window.
    TitleLabel = new QLabel(QStringLiteral("TINTOR"), this);
    TitleLabel->setObjectName("TitleLabel");
    TitleLabel->setFont(DesignFont(13));
    TitleLabel->move(52, 5);
    TitleLabel->setFixedHeight(13);
    TitleLabel->adjustSize();
    TitleLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetFontColor(TitleLabel, 0x00FFFFFF);

    IconImg = new QLabel(this);
    IconImg->setObjectName("IconImg");
    IconImg->setGeometry(8, 5, 16, 16);
    IconImg->setPixmap(TitlePicture());
    IconImg->setAttribute(Qt::WA_TransparentForMouseEvents);

    SystemPanel = MakePanel(this, "SystemPanel", QRect(144, 5, 65, 17), BtnFace);
    SBSetting = MakeButton(SystemPanel, "SBSetting", QRect(0, 0, 17, 15), QString(),
                           QStringLiteral("設定"));
    SBSetting->setIcon(SettingButtonIcon());
    SBSetting->setToolButtonStyle(Qt::ToolButtonIconOnly);
    SBSetting->setIconSize(QSize(16, 16));
    SBMinimize = MakeButton(SystemPanel, "SBMinimize", QRect(19, 0, 17, 15), QString(),
                            QStringLiteral("最小化"));
    SBMinimize->setIcon(MinimizeButtonIcon());
    SBMinimize->setToolButtonStyle(Qt::ToolButtonIconOnly);
    SBMinimize->setIconSize(QSize(16, 16));
    SBClose = MakeButton(SystemPanel, "SBClose", QRect(38, 0, 17, 15), QStringLiteral("×"),
                         QStringLiteral("閉じる"));
    SBClose->setFont(DesignFont(12, true));

    FPanel1 = MakePanel(this, "FPanel1", QRect(0, 0, 209, 1), Black);
    FPanel2 = MakePanel(this, "FPanel2", QRect(0, 105, 209, 7), Black);
    FPanel3 = MakePanel(this, "FPanel3", QRect(0, 0, 1, 89), Black);
    FPanel4 = MakePanel(this, "FPanel4", QRect(216, 0, 1, 97), Black);

    MainPanel = MakePanel(this, "MainPanel", QRect(2, 21, 209, 84), BtnFace);
    SetHint(MainPanel, QStringLiteral("画面内クリックで、カラーパレットを表示"));
    SetShowHint(MainPanel, true);

    VersionInfoLabel = new QLabel(MainPanel);
    VersionInfoLabel->setObjectName("VersionInfoLabel");
    VersionInfoLabel->setText(QStringLiteral("version 1.22v  >>  ") +
                              QString::fromUtf8(MakerNotice));
    VersionInfoLabel->move(6, 73);
    VersionInfoLabel->setFixedHeight(12);
    VersionInfoLabel->adjustSize();
    SetFontColor(VersionInfoLabel, WindowText);

    ButtonShow = MakeButton(MainPanel, "ButtonShow", QRect(140, 8, 49, 17), QStringLiteral("SHOW"),
                            QStringLiteral("テキストから色を解析"));
    ButtonCTC = MakeButton(MainPanel, "ButtonCTC", QRect(140, 26, 49, 17), QStringLiteral("COPY"),
                           QStringLiteral("表示内容をクリップボードにコピー"));
    ButtonPaste =
        MakeButton(MainPanel, "ButtonPaste", QRect(140, 44, 49, 17), QStringLiteral("PASTE"),
                   QStringLiteral("クリップボードの内容を貼り付け"));

    CopyEdit = new ByteLineEdit(MainPanel, 14);
    CopyEdit->setObjectName("CopyEdit");
    CopyEdit->setGeometry(38, 28, 73, 17);
    CopyEdit->setFrame(false);
    CopyEdit->setTextMargins(0, 0, 0, 0);
    // The designed 13 pixels cut most colour codes off in a 73-pixel box: the largest size up
    // to it at which every code is shown whole.
    CopyEdit->setFont(FittedFont(DesignFont(13), LineEditTextWidth(CopyEdit), &WidestColourTexts));
    CopyEdit->SetAutoSelect(false);
    SetHint(CopyEdit, QStringLiteral("色をテキストで表示、入力します"));
    SetShowHint(CopyEdit, true);
    SetFontColor(CopyEdit, WindowText);
    SetBackgroundColor(CopyEdit, static_cast<TColor>(0x80000005));

    SPanel1 = MakePanel(this, "SPanel1", QRect(1, 1, 207, 1), Black);
    SPanel2 = MakePanel(this, "SPanel2", QRect(0, 103, 209, 1), Black);
    SPanel3 = MakePanel(this, "SPanel3", QRect(1, 2, 1, 89), Black);
    SPanel4 = MakePanel(this, "SPanel4", QRect(216, 1, 1, 97), Black);
}

void TMainForm::ApplyFrame() {
    const int W = width();
    const int H = height();
    FPanel1->SetColor(0x00C0C0C0);
    FPanel1->setGeometry(0, 0, W, 1);
    FPanel2->SetColor(0x00322F2E);
    FPanel2->setGeometry(0, H - 1, W, 1);
    FPanel3->SetColor(0x00C0C0C0);
    FPanel3->setGeometry(0, 0, 1, H);
    FPanel4->SetColor(0x00322F2E);
    FPanel4->setGeometry(W - 1, 0, 1, H);
    SPanel1->SetColor(0x00EEEEEE);
    SPanel1->setGeometry(1, 1, W - 2, 1);
    SPanel2->SetColor(0x00808080);
    SPanel2->setGeometry(1, H - 2, W - 2, 1);
    SPanel3->SetColor(0x00EEEEEE);
    SPanel3->setGeometry(1, 1, 1, H - 2);
    SPanel4->SetColor(0x00808080);
    SPanel4->setGeometry(W - 2, 1, 1, H - 2);
}

} // namespace tintor

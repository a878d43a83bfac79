// The saved colours window's behaviour: set-up from the settings, the slot operations, group
// names, window style, the HTML test page command and the status line.
#include "colorsave/ColorSaveUnit.h"

#include "colorsave/HtmlTestPage.h"
#include "colour/ColorNames.h"
#include "main/MainUnit.h"
#include "platform/Cp932.h"
#include "platform/HintTracker.h"
#include "settings/TextFile.h"

#include <QCloseEvent>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <array>

namespace tintor {

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Runs on leaving a scope, also when an error ends it.
template <typename F> class ScopeExit {
public:
    explicit ScopeExit(F f) : f_(std::move(f)) {}
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    ~ScopeExit() { f_(); }

private:
    F f_;
};

// Slot range of the group a group button's tag names: 0 -> 1..4, 1 -> 5..8, 2 -> 9..12.
bool GroupRange(const QObject* sender, std::int32_t& first, std::int32_t& last) {
    const int tag = TagOf(sender);
    if (tag < 0 || tag > 2) return false;
    first = 4 * tag + 1;
    last = first + 3;
    return true;
}

constexpr const char* EmptySlotName = "none";
constexpr const char* ResetSlotColor = "$00FFFFFF";

} // namespace

TColorSaveForm::TColorSaveForm(TMainForm& main, Platform& platform, QWidget* parent)
    : QWidget(parent), main_(main), platform_(platform) {
    CreateControls();
    ConnectHandlers();
    AddContrastCheck();
}

TColorSaveForm::~TColorSaveForm() = default;

// --- Controls by name ---

ColorPanel* TColorSaveForm::Swatch(int n) const {
    return findChild<ColorPanel*>("Panel" + QString::number(n));
}
ColorPanel* TColorSaveForm::ColorNameOf(int n) const {
    return findChild<ColorPanel*>("ColorName" + QString::number(n));
}
QRadioButton* TColorSaveForm::RB(int n) const {
    return findChild<QRadioButton*>("RB" + QString::number(n));
}
QPushButton* TColorSaveForm::Def(int n) const {
    return findChild<QPushButton*>("Def" + QString::number(n));
}
QWidget* TColorSaveForm::GroupSheet(int g) const {
    return findChild<QWidget*>("GroupSheet" + QString::number(g));
}
ByteLineEdit* TColorSaveForm::NameEdit(int g) const {
    const std::array<ByteLineEdit*, 3> edits = {NameEdit1, NameEdit2, NameEdit3};
    return g >= 1 && g <= 3 ? edits[g - 1] : nullptr;
}
QString TColorSaveForm::StatusText() const {
    return StatusBar->text();
}

void TColorSaveForm::ConnectHandlers() {
    auto bind = [this](QAbstractButton* button, auto handler) {
        connect(button, &QAbstractButton::clicked, this,
                [this, handler] { main_.Guard([handler] { handler(); }); });
    };
    for (QAbstractButton* b : {Save1, Save2, Save3})
        bind(b, [this, b] { Save1Click(b); });
    for (QAbstractButton* b : {Set1, Set2, Set3})
        bind(b, [this, b] { Set1Click(b); });
    for (QAbstractButton* b : {Copy1, Copy2, Copy3})
        bind(b, [this, b] { Copy1Click(b); });
    for (int n = 1; n <= 12; ++n) {
        QPushButton* def = Def(n);
        bind(def, [this, def] { Def1Click(def); });
    }
    bind(ButtonDefault4, [this] { ButtonDefault4Click(); });
    bind(ButtonSetting1, [this] { ButtonSetting1Click(); });
    bind(ButtonSetting2, [this] { ButtonSetting2Click(); });
    bind(ButtonSetting3, [this] { ButtonSetting3Click(); });
    bind(FStyle1, [this] { FStyle1Click(); });
    bind(FStyle2, [this] { FStyle2Click(); });
    bind(Buttonhtml, [this] { ButtonhtmlClick(); });

    connect(Buttonhtml, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PMhint->popup(Buttonhtml->mapToGlobal(pos)); });
    connect(N1, &QAction::triggered, this, [this] { main_.Guard([this] { N1Click(); }); });

    // Typing into the combo box's text leaves no item selected; choosing an item selects it.
    connect(cb_html->lineEdit(), &QLineEdit::textEdited, this, [this] { htmlTextTyped_ = true; });
    connect(cb_html, &QComboBox::activated, this, [this] { htmlTextTyped_ = false; });
}

// --- Set-up ---

void TColorSaveForm::FormCreate() {
    // A bad entry is a failed load of System.tri as well: the main window keeps the file.
    try {
        FormCreateSteps();
    } catch (const std::exception& error) {
        main_.StartupFailed(error);
    }
}

void TColorSaveForm::FormCreateSteps() {
    SettingsArray& settings = main_.Settings;

    // 1. The main window's stored style takes effect here.
    const bool mainOnTop = settings[idx::MainStyle] == "StayOnTop";
    platform_.SetStayOnTop(&main_, mainOnTop);
    main_.mnuWindowPos->setChecked(mainOnTop);

    // 2. Slots; a bad colour text stops the set-up at that slot.
    for (int n = 1; n <= 12; ++n) {
        Swatch(n)->SetColor(IdentTextToColor(settings[idx::SlotColor0 + n]));
        ColorNameOf(n)->SetCaption(settings[idx::SlotName0 + n]);
    }

    // 3. Group names into the name fields and page captions.
    for (int g = 1; g <= 3; ++g) {
        const std::string& name = settings[idx::GroupName0 + g];
        ShowGroupName(g, name);
        PageControl1->setTabText(g - 1, FromCp932(name));
    }

    // 4. This window's style.
    const bool normal = settings[idx::SaveFormStyle] == "Normal";
    platform_.SetStayOnTop(this, !normal);
    (normal ? FStyle1 : FStyle2)->setChecked(true);

    // 5. The combo box items and its shown text.
    for (int g = 1; g <= 3; ++g)
        cb_html->setItemText(g - 1, GroupItemText(settings[idx::GroupName0 + g]));
    cb_html->setEditText(GroupItemText(settings[idx::GroupName0 + 1]));

    // 6. Every hint of the program goes to this window's status line from now on.
    HintTracker::Instance().SetHandler([self = QPointer<TColorSaveForm>(this)](const QString& h) {
        if (self) self->ShowApplicationHint(h);
    });
}

// --- Slot operations ---

int TColorSaveForm::SelectedSlot(int first, int last) const {
    for (int n = first; n <= last; ++n)
        if (RB(n)->isChecked()) return n;
    return 0;
}

bool TColorSaveForm::SlotText(int n, std::string& text) const {
    const std::string& caption = ColorNameOf(n)->Caption();
    if (caption == EmptySlotName) return false;
    // A Visual Basic name is stored with one more "&" at each end; 9 bytes from the second
    // byte on give the plain Visual Basic text back.
    text = !caption.empty() && caption[0] == '&' ? caption.substr(1, 9) : caption;
    return true;
}

void TColorSaveForm::Save1Click(QObject* sender) {
    if (!GroupRange(sender, SaveFirstSlot, SaveLastSlot)) return;
    // Only a text of at least 7 bytes (the shortest display text, "#RRGGBB") lets Save go on.
    if (main_.CopyEdit->Bytes().size() < 7) return;
    const int n = SelectedSlot(SaveFirstSlot, SaveLastSlot);
    if (n == 0) return;

    const TColor color = main_.CurrentColor;
    Swatch(n)->SetColor(color);
    ColorPanel* name = ColorNameOf(n);
    // Each ticked format item writes its text; with several ticked the last one wins.
    if (main_.mnuHTML->isChecked()) name->SetCaption(ColorToHtmlText(color));
    if (main_.mnuRGB->isChecked()) name->SetCaption(ColorToRgbText(color));
    if (main_.mnuDelphi->isChecked()) name->SetCaption(ColorToDelphiText(color));
    if (main_.mnuVB->isChecked()) {
        // One more "&" at each end, so the panel shows the plain Visual Basic text.
        std::string wrapped(1, '&');
        wrapped.append(ColorToVbText(color)).push_back('&');
        name->SetCaption(wrapped);
    }
    if (main_.mnuCplus->isChecked()) name->SetCaption(ColorToCppText(color));

    main_.Settings[idx::SlotColor0 + n] = ColorToIdentText(color);
    main_.Settings[idx::SlotName0 + n] = name->Caption();
    main_.SaveSettings();
}

void TColorSaveForm::Set1Click(QObject* sender) {
    if (!GroupRange(sender, SetFirstSlot, SetLastSlot)) return;
    const int n = SelectedSlot(SetFirstSlot, SetLastSlot);
    std::string text;
    if (n == 0 || !SlotText(n, text)) return;
    main_.CopyEdit->SetBytes(text);
    main_.MainPanel->SetColor(Swatch(n)->Color());
    main_.CurrentColor = main_.MainPanel->Color();
}

void TColorSaveForm::Copy1Click(QObject* sender) {
    if (!GroupRange(sender, CopyFirstSlot, CopyLastSlot)) return;
    const int n = SelectedSlot(CopyFirstSlot, CopyLastSlot);
    std::string text;
    if (n == 0 || !SlotText(n, text)) return;
    SecretEdit->setText(FromCp932(text));
    SecretEdit->selectAll();
    platform_.SetClipboardText(SecretEdit->selectedText());
}

void TColorSaveForm::Def1Click(QObject* sender) {
    const int n = TagOf(sender);
    if (n < 1 || n > 12) return;
    main_.Settings[idx::SlotColor0 + n] = ResetSlotColor;
    main_.Settings[idx::SlotName0 + n] = EmptySlotName;
    Swatch(n)->SetColor(clWhite);
    ColorNameOf(n)->SetCaption(EmptySlotName);
    main_.SaveSettings();
}

void TColorSaveForm::ButtonDefault4Click() {
    platform_.NormalizeTopMosts();
    // The stay-on-top windows come back after OK, Cancel or an error alike.
    ScopeExit restore([this] { platform_.RestoreTopMosts(); });
    const int answer = platform_.MessageBox(U("Group1～3 に登録された全ての色を初期化します"),
                                            U("TINTOR  [ Default All ]"), MB_OKCANCEL_EXCLAMATION);
    if (answer != IDOK) return;
    for (int n = 1; n <= 12; ++n) {
        main_.Settings[idx::SlotColor0 + n] = ResetSlotColor;
        main_.Settings[idx::SlotName0 + n] = EmptySlotName;
        main_.SaveSettings();
        Swatch(n)->SetColor(clWhite);
        ColorNameOf(n)->SetCaption(EmptySlotName);
    }
    platform_.ShowMessage(U("保存されていた全ての色を初期化しました"));
}

// --- Group names and window style ---

QString TColorSaveForm::GroupItemText(const std::string& name) {
    return FromCp932(name) + U(" の色を使用する");
}

void TColorSaveForm::ShowGroupName(int g, const std::string& bytes) {
    ByteLineEdit* edit = NameEdit(g);
    edit->SetBytes(bytes);
    nameEditBytes_[g - 1] = bytes;
    nameEditShown_[g - 1] = edit->text();
}

void TColorSaveForm::ApplyGroupName(int g) {
    ByteLineEdit* edit = NameEdit(g);
    // An unedited field stands for exactly the bytes it was given.
    const std::string name =
        edit->text() == nameEditShown_[g - 1] ? nameEditBytes_[g - 1] : edit->Bytes();
    main_.Settings[idx::GroupName0 + g] = name;
    PageControl1->setTabText(g - 1, FromCp932(name));
    main_.SaveSettings();

    const QString shown = cb_html->currentText();
    cb_html->setItemText(g - 1, GroupItemText(name));
    // Replacing the current item would also replace the shown text; only group 1 does that.
    cb_html->setEditText(g == 1 ? GroupItemText(name) : shown);
}

void TColorSaveForm::ButtonSetting1Click() {
    ApplyGroupName(1);
}
void TColorSaveForm::ButtonSetting2Click() {
    ApplyGroupName(2);
}
void TColorSaveForm::ButtonSetting3Click() {
    ApplyGroupName(3);
}

void TColorSaveForm::FStyle1Click() {
    platform_.SetStayOnTop(this, false);
    main_.Settings[idx::SaveFormStyle] = "Normal";
    main_.SaveSettings();
}

void TColorSaveForm::FStyle2Click() {
    platform_.SetStayOnTop(this, true);
    main_.Settings[idx::SaveFormStyle] = "StayOnTop";
    main_.SaveSettings();
}

// --- HTML test page ---

int TColorSaveForm::SelectedHtmlItem() const {
    return htmlTextTyped_ ? -1 : cb_html->currentIndex();
}

void TColorSaveForm::ButtonhtmlClick() {
    const int item = SelectedHtmlItem();
    const int offset = item >= 0 && item <= 2 ? 4 * item : 0;
    std::array<TColor, 4> colors{};
    for (int i = 1; i <= 4; ++i)
        colors[i - 1] = Swatch(offset + i)->Color();
    const std::vector<std::string> lines = BuildHtmlTestPage(colors);

    QString fileName = main_.SDFileName;
    if (!platform_.SaveFileDialog(this, U(HtmlPageFilter), U(HtmlPageExtension), fileName)) return;
    main_.SDFileName = fileName;
    SaveTextLines(QFile::encodeName(fileName).toStdString(), lines);
}

void TColorSaveForm::N1Click() {
    platform_.NormalizeTopMosts();
    ScopeExit restore([this] { platform_.RestoreTopMosts(); });
    // The fourth colour is the page's visited-link colour.
    platform_.ShowMessage(U("それぞれのグループを基準に html ファイルを作成します\r\n\r\n"
                            "　　カラーボックス 1 が BGCOLR\r\n"
                            "　　カラーボックス 2 が TEXT \r\n"
                            "　　カラーボックス 3 が LINK \r\n"
                            "　　カラーボックス 4 が VLINK \r\n\r\n"
                            "に、それぞれ対応しています"));
}

// --- Status line ---

void TColorSaveForm::ShowSlotStatus() {
    StatusBar->setText("Save " + QString::number(StatusSlot));
}

void TColorSaveForm::Panel1MouseMove(QObject* sender) {
    StatusSlot = TagOf(sender);
    ShowSlotStatus();
}

void TColorSaveForm::RB1MouseMove(QObject* sender) {
    StatusSlot = TagOf(sender);
    ShowSlotStatus();
}

void TColorSaveForm::Def1MouseMove(QObject* sender) {
    StatusSlot = TagOf(sender);
    StatusBar->setText(U("保存ボックス ") + QString::number(StatusSlot) + U(" の初期化"));
}

void TColorSaveForm::PageControl1MouseMove() {
    StatusBar->setText(QString());
}

void TColorSaveForm::StatusBarMouseMove() {
    StatusBar->setText(U("ステータスバー上ダブルクリックで、この画面を閉じます"));
}

void TColorSaveForm::StatusBarDblClick() {
    close();
}

void TColorSaveForm::ShowApplicationHint(const QString& hint) {
    StatusBar->setText(GetLongHint(hint));
}

// --- Window ---

void TColorSaveForm::closeEvent(QCloseEvent* event) {
    // Closing only hides; the window keeps its state for the next showing.
    event->ignore();
    hide();
}

bool TColorSaveForm::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove) {
        const QString name = watched->objectName();
        if (watched == StatusBar)
            StatusBarMouseMove();
        else if (watched == PageControl1 || watched == PageControl1->tabBar())
            PageControl1MouseMove();
        else if (name.startsWith("Panel") || name.startsWith("ColorName"))
            Panel1MouseMove(watched);
        else if (name.startsWith("RB"))
            RB1MouseMove(watched);
        else if (name.startsWith("Def"))
            Def1MouseMove(watched);
    } else if (type == QEvent::MouseButtonDblClick && watched == StatusBar) {
        StatusBarDblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tintor

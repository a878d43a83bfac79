// The saved colours window's design: every control with its name, place, size, caption, hint
// and tag, as the window looks before its set-up has read the settings.
#include "colorsave/ColorSaveUnit.h"
#include "platform/FontFit.h"
#include "platform/HintTracker.h"
#include "platform/Pictures.h"

#include <QShortcut>

namespace tintor {

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

template <typename W> W* Named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QLabel* AddLabel(QWidget* parent, int left, int top, const char* caption) {
    auto* label = new QLabel(U(caption), parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

FlatButton* AddSpeedButton(QWidget* parent, const QString& name, QRect rect, const char* caption,
                           const char* hint, int tag) {
    auto* button = Named(new FlatButton(parent), name);
    button->setGeometry(rect);
    button->setText(U(caption));
    button->setAutoRaise(true);
    // Reached with Tab like the push buttons; a click leaves the focus where it was.
    button->setFocusPolicy(Qt::TabFocus);
    SetHint(button, U(hint));
    SetTag(button, tag);
    return button;
}

QPushButton* AddButton(QWidget* parent, const QString& name, QRect rect, const char* caption,
                       const char* hint) {
    auto* button = Named(new QPushButton(U(caption), parent), name);
    button->setGeometry(rect);
    button->setAutoDefault(false);
    SetHint(button, U(hint));
    return button;
}

QGroupBox* AddGroupBox(QWidget* parent, const QString& name, QRect rect, const char* caption,
                       const char* hint) {
    auto* box = Named(new QGroupBox(U(caption), parent), name);
    box->setGeometry(rect);
    SetHint(box, U(hint));
    return box;
}

// The first label of each group page. Group 2 holds slots 5 to 8.
constexpr const char* GroupLabels[3] = {
    "1～4 の場所を指定した後に、実行したい動作を",
    "5～8 の場所を指定した後に、実行したい動作を",
    "9～12 の場所を指定した後に、実行したい動作を",
};
// The group boxes of the three group pages keep their designed names.
constexpr const char* GroupBoxNames[3] = {"GroupBox1", "GroupBox3", "GroupBox4"};

} // namespace

void TColorSaveForm::CreateControls() {
    setObjectName("ColorSaveForm");
    // A dialog-type window, so window managers keep it with the main window (it is transient for
    // it) and list the program once in a task bar.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(U("作成した色の保存と管理"));
    setWindowIcon(ProgramIcon());
    setFont(DesignFont(12));
    setFixedSize(303, 267);
    move(444, 257);
    // Closing the main window ends the program even while this one is shown.
    setAttribute(Qt::WA_QuitOnClose, false);

    PageControl1 = Named(new QTabWidget(this), "PageControl1");
    PageControl1->setGeometry(4, 4, 296, 241);
    // Five tabs side by side in the designed width, without scroll arrows.
    PageControl1->tabBar()->setStyleSheet("QTabBar::tab { padding: 2px 5px; }");
    PageControl1->setUsesScrollButtons(false);

    // Slot names are colour codes in a 73-pixel panel: the largest size up to the window's own
    // at which every code is shown whole inside the bevel.
    const QFont nameFont = FittedFont(font(), 73 - 2, &WidestColourTexts);

    // --- The three group pages ---
    // Every page is made inside the page control, so its labels are sized in the window's font.
    GroupSheet1 = Named(new QWidget(PageControl1), "GroupSheet1");
    GroupSheet2 = Named(new QWidget(PageControl1), "GroupSheet2");
    GroupSheet3 = Named(new QWidget(PageControl1), "GroupSheet3");
    QWidget* sheets[3] = {GroupSheet1, GroupSheet2, GroupSheet3};
    FlatButton** saves[3] = {&Save1, &Save2, &Save3};
    FlatButton** sets[3] = {&Set1, &Set2, &Set3};
    FlatButton** copies[3] = {&Copy1, &Copy2, &Copy3};
    QGroupBox** boxes[3] = {&GroupBox1, &GroupBox3, &GroupBox4};
    for (int g = 1; g <= 3; ++g) {
        QWidget* sheet = sheets[g - 1];
        const QString num = QString::number(g);
        AddLabel(sheet, 16, 16, GroupLabels[g - 1]);
        AddLabel(sheet, 16, 32, "ボタンで指定して下さい");
        *saves[g - 1] = AddSpeedButton(sheet, "Save" + num, {136, 58, 48, 20}, "Save",
                                       "メイン画面に現在表示されている色を保存します", g - 1);
        *sets[g - 1] =
            AddSpeedButton(sheet, "Set" + num, {184, 58, 48, 20}, "Set",
                           "メイン画面の表示ボックス内に、選択した色をセットします", g - 1);
        *copies[g - 1] = AddSpeedButton(sheet, "Copy" + num, {232, 58, 48, 20}, "Copy",
                                        "クリップボードに色をコピーします", g - 1);
        QGroupBox* box =
            AddGroupBox(sheet, GroupBoxNames[g - 1], {8, 80, 273, 129}, " Check Please ! ", " ");
        *boxes[g - 1] = box;

        for (int r = 1; r <= 4; ++r) {
            const int n = 4 * (g - 1) + r;
            const QString slot = QString::number(n);
            const int top = 21 + 24 * (r - 1);

            // The caption stands left of the circle; slot 9's caption has a leading blank.
            auto* rb = Named(new QRadioButton(n == 9 ? " 9" : slot, box), "RB" + slot);
            rb->setGeometry(24, top + 3, 33, 17);
            rb->setLayoutDirection(Qt::RightToLeft);
            rb->setChecked(r == 1);
            SetTag(rb, n);

            auto* swatch = Named(new ColorPanel(box), "Panel" + slot);
            swatch->setGeometry(72, top, 41, 20);
            swatch->SetColor(clWhite);
            if (g == 1)
                swatch->SetBevel(ColorPanel::Lowered);
            else
                swatch->SetBevel(ColorPanel::NoBevel, ColorPanel::Lowered);
            SetTag(swatch, n);

            auto* name = Named(new ColorPanel(box), "ColorName" + slot);
            name->setGeometry(120, top, 73, 20);
            name->SetBevel(ColorPanel::Lowered);
            name->setFont(nameFont);
            name->SetCaption("none");
            SetTag(name, n);

            QPushButton* def = AddButton(box, "Def" + slot, {200, top, 60, 20}, "Default", "");
            SetTag(def, n);
        }
        SetHint(sheet, " ");
        PageControl1->addTab(sheet, "Group" + num);
    }

    // --- Option1: the HTML test page and the group names ---
    TabSheet3 = Named(new QWidget(PageControl1), "TabSheet3");
    SetHint(TabSheet3, " ");
    GroupBox7 = AddGroupBox(TabSheet3, "GroupBox7", {8, 16, 273, 73}, " Convert  >>  html File ",
                            "保存した色を html ファイルにコンバートします");
    cb_html = Named(new QComboBox(GroupBox7), "cb_html");
    cb_html->setEditable(true);
    cb_html->setInsertPolicy(QComboBox::NoInsert);
    // Only a choice from the list selects a group: typed text is never completed to an item.
    cb_html->setCompleter(nullptr);
    cb_html->setGeometry(16, 32, 177, 20);
    for (int g = 1; g <= 3; ++g)
        cb_html->addItem("Group" + QString::number(g) + U(" の色を使用する"));
    cb_html->setCurrentIndex(0);
    SetHint(cb_html, U("html 形式のファイルを作成します"));
    Buttonhtml =
        AddButton(GroupBox7, "Buttonhtml", {200, 32, 57, 20}, "OK", "右クリックでヒントが出ます");
    Buttonhtml->setContextMenuPolicy(Qt::CustomContextMenu);
    PMhint = Named(new QMenu(this), "PMhint");
    N1 = PMhint->addAction(U("ヒント (&H)"));
    N1->setObjectName("N1");
    HintTracker::Instance().WatchMenu(PMhint);

    GroupBox2 = AddGroupBox(TabSheet3, "GroupBox2", {8, 96, 273, 113}, " Neme property ",
                            "作成した色を、3 つのグループに別けて保存することが出来ます");
    // The captions end a few pixels before the name fields at 96.
    const QStringList captions = {U("Group1 の名前"), U("Group2 の名前"), U("Group3 の名前")};
    const QFont captionFont = FittedFont(font(), 96 - 16 - 4, captions);
    for (int g = 0; g < 3; ++g) {
        QLabel* caption = AddLabel(GroupBox2, 16, 32 + 24 * g, "");
        caption->setFont(captionFont);
        caption->setText(captions[g]);
        caption->adjustSize();
    }
    ByteLineEdit** edits[3] = {&NameEdit1, &NameEdit2, &NameEdit3};
    QPushButton** settingButtons[3] = {&ButtonSetting1, &ButtonSetting2, &ButtonSetting3};
    constexpr int editTops[3] = {28, 53, 77};
    constexpr int buttonTops[3] = {28, 53, 80};
    constexpr const char* settingHints[3] = {
        "Group1 の名前を決定します", "Group2 の名前を決定します", "Group3 の名前を決定します"};
    for (int g = 1; g <= 3; ++g) {
        const QString num = QString::number(g);
        auto* edit = Named(new ByteLineEdit(GroupBox2, 14), "NameEdit" + num);
        edit->setGeometry(96, editTops[g - 1], 89, 20);
        SetHint(edit, U("全角７文字まで、特殊記号の使用はご遠慮下さい"));
        *edits[g - 1] = edit;
        ShowGroupName(g, ("Group" + num).toStdString());
        *settingButtons[g - 1] =
            AddButton(GroupBox2, "ButtonSetting" + num,
                      {200, buttonTops[g - 1], 57, g == 3 ? 17 : 20}, "OK", settingHints[g - 1]);
    }
    PageControl1->addTab(TabSheet3, "Option1");

    // --- Option2: reset all, window style, the hidden clipboard field ---
    TabSheet1 = Named(new QWidget(PageControl1), "TabSheet1");
    SetHint(TabSheet1, " ");
    GroupBox5 = AddGroupBox(TabSheet1, "GroupBox5", {8, 16, 273, 57}, " Default  ", "");
    AddLabel(GroupBox5, 24, 24, "保存した全ての色を初期化");
    ButtonDefault4 = AddButton(GroupBox5, "ButtonDefault4", {200, 24, 57, 17}, "OK",
                               "ボタンクリック後、確認のダイアログが出ます");
    GroupBox6 = AddGroupBox(TabSheet1, "GroupBox6", {8, 88, 273, 89}, "Form Style", "");
    AddLabel(GroupBox6, 24, 24, "この画面の表示方式を決定します");
    FStyle1 = AddSpeedButton(GroupBox6, "FStyle1", {120, 56, 65, 20}, "通常表示",
                             "通常の表示方式です", 0);
    FStyle2 = AddSpeedButton(GroupBox6, "FStyle2", {192, 56, 65, 20}, "常に手前",
                             "この画面を常に手前に表示します", 0);
    FStyleGroup = new QButtonGroup(this);
    FStyleGroup->setExclusive(true);
    for (FlatButton* button : {FStyle1, FStyle2}) {
        button->setCheckable(true);
        FStyleGroup->addButton(button);
    }
    FStyle1->setChecked(true);
    SecretEdit = Named(new QLineEdit(TabSheet1), "SecretEdit");
    SecretEdit->setGeometry(208, 184, 73, 20);
    SecretEdit->setVisible(false);
    PageControl1->addTab(TabSheet1, "Option2");
    PageControl1->setCurrentIndex(0);

    // --- Status bar: one field over the whole width ---
    StatusBar = Named(new QLabel(this), "StatusBar");
    StatusBar->setGeometry(0, 267 - 20, 303, 20);
    StatusBar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusBar->setTextFormat(Qt::PlainText);
    StatusBar->setIndent(2);

    // Pop-up hints only where they are wanted; every hint still reaches the status line.
    for (QWidget* widget : findChildren<QWidget*>())
        SetShowHint(widget, false);
    SetShowHint(this, false);
    for (QWidget* widget : {static_cast<QWidget*>(NameEdit1), static_cast<QWidget*>(NameEdit2),
                            static_cast<QWidget*>(NameEdit3), static_cast<QWidget*>(Def(3)),
                            static_cast<QWidget*>(Def(4))})
        SetShowHint(widget, true);

    // Escape closes (hides) the window, as its close button does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    // Mouse moves over the slot controls, the page control's own area and the status bar
    // write the status line.
    for (int n = 1; n <= 12; ++n)
        for (QWidget* widget :
             {static_cast<QWidget*>(Swatch(n)), static_cast<QWidget*>(ColorNameOf(n)),
              static_cast<QWidget*>(RB(n)), static_cast<QWidget*>(Def(n))}) {
            widget->setMouseTracking(true);
            widget->installEventFilter(this);
        }
    for (QWidget* widget :
         {static_cast<QWidget*>(PageControl1), static_cast<QWidget*>(PageControl1->tabBar()),
          static_cast<QWidget*>(StatusBar)}) {
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
    }
    hide();
}

} // namespace tintor

// The saved colours window: its controls, set-up from System.tri, group names, window style,
// hints and status line, and closing.
#include "ColorSaveFormFixture.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTabBar>

namespace tintor::test {
namespace {

void SendMouse(QWidget* widget, QEvent::Type type) {
    const QPointF pos(2, 2);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

TEST_F(ColorSaveFormTest, WindowHasTheDesignedControls) {
    Start();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->objectName(), "ColorSaveForm");
    EXPECT_EQ(form->windowTitle(), U("作成した色の保存と管理"));
    EXPECT_EQ(form->size(), QSize(303, 267));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form->windowFlags() & Qt::WindowCloseButtonHint);

    const char* pages[] = {"GroupSheet1", "GroupSheet2", "GroupSheet3", "TabSheet3", "TabSheet1"};
    ASSERT_EQ(form->PageControl1->count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(form->PageControl1->widget(i)->objectName(), pages[i]);
        EXPECT_EQ(HintOf(form->PageControl1->widget(i)), " ");
    }
    EXPECT_EQ(form->PageControl1->currentIndex(), 0);
    EXPECT_EQ(form->PageControl1->tabText(3), "Option1");
    EXPECT_EQ(form->PageControl1->tabText(4), "Option2");

    // Twelve rows reached by name, each control tagged with its slot, on its group's page.
    for (int n = 1; n <= 12; ++n) {
        SCOPED_TRACE(n);
        QWidget* sheet = form->GroupSheet((n - 1) / 4 + 1);
        QWidget* row[] = {form->Swatch(n), form->ColorNameOf(n), form->RB(n), form->Def(n)};
        for (QWidget* control : row) {
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(TagOf(control), n);
            EXPECT_TRUE(sheet->isAncestorOf(control));
        }
        EXPECT_EQ(form->RB(n)->text(), n == 9 ? " 9" : QString::number(n));
        EXPECT_EQ(form->RB(n)->layoutDirection(), Qt::RightToLeft);
        EXPECT_EQ(form->RB(n)->isChecked(), n % 4 == 1);
        EXPECT_EQ(form->Def(n)->text(), "Default");
    }
    // Group 2 holds slots 5 to 8, and its label says so.
    const QStringList labels = [&] {
        QStringList texts;
        for (QLabel* label : form->GroupSheet2->findChildren<QLabel*>())
            texts << label->text();
        return texts;
    }();
    EXPECT_TRUE(labels.contains(U("5～8 の場所を指定した後に、実行したい動作を")));

    for (int g = 1; g <= 3; ++g)
        EXPECT_EQ(form->NameEdit(g)->MaxBytes(), 14);
    EXPECT_FALSE(form->SecretEdit->isVisibleTo(form.get()));
    EXPECT_EQ(form->StatusBar->height(), 20);
    EXPECT_EQ(form->StatusBar->width(), 303);
    EXPECT_EQ(form->N1->text(), U("ヒント (&H)"));

    // Pop-up hints only on the three name fields and Default buttons 3 and 4.
    for (QWidget* control : std::initializer_list<QWidget*>{
             form->NameEdit(1), form->NameEdit(2), form->NameEdit(3), form->Def(3), form->Def(4)})
        EXPECT_TRUE(ShowHintOf(control)) << Utf8(control->objectName());
    for (QWidget* control : std::initializer_list<QWidget*>{
             form->Save1, form->Def(1), form->Buttonhtml, form->cb_html, form->FStyle2})
        EXPECT_FALSE(ShowHintOf(control)) << Utf8(control->objectName());
}

// Labels are sized once, when made; measured in another font than the one they show they come
// out too high and too wide.
TEST_F(ColorSaveFormTest, PageLabelsAreSizedInTheFontTheyShow) {
    Start();
    for (int i = 0; i < form->PageControl1->count(); ++i)
        for (QLabel* label : form->PageControl1->widget(i)->findChildren<QLabel*>()) {
            // The contrast figures are laid out by a row of their own.
            if (label->parentWidget()->objectName() == "ContrastView") continue;
            // Some captions take a smaller size to fit; the family stays the window's.
            EXPECT_EQ(label->font().family(), form->font().family()) << Utf8(label->text());
            EXPECT_EQ(label->size(), label->sizeHint()) << Utf8(label->text());
        }
}

TEST_F(ColorSaveFormTest, SetUpTakesSlotsAndGroupNamesAsBytes) {
    settings[idx::SlotColor0 + 1] = "clRed";
    settings[idx::SlotName0 + 1] = "#FF0000";
    settings[idx::SlotColor0 + 6] = "$00123456";
    settings[idx::SlotName0 + 6] = "&&H123456&&";
    settings[idx::SlotColor0 + 12] = "255";
    settings[idx::SlotName0 + 12] = Sjis("お気に入り");
    settings[idx::GroupName0 + 1] = Sjis("赤系");
    settings[idx::GroupName0 + 2] = "A&&B";
    settings[idx::GroupName0 + 3] = "";
    Start();

    EXPECT_EQ(form->Swatch(1)->Color(), 0x000000FF);
    EXPECT_EQ(form->ColorNameOf(1)->Caption(), "#FF0000");
    EXPECT_EQ(form->Swatch(6)->Color(), 0x00123456);
    EXPECT_EQ(form->ColorNameOf(6)->Caption(), "&&H123456&&");
    EXPECT_EQ(form->Swatch(12)->Color(), 255);
    EXPECT_EQ(form->ColorNameOf(12)->Caption(), Sjis("お気に入り"));

    EXPECT_EQ(form->PageControl1->tabText(0), U("赤系"));
    EXPECT_EQ(form->PageControl1->tabText(1), "A&&B"); // the tab shows "A&B"
    EXPECT_EQ(form->PageControl1->tabText(2), "");
    EXPECT_EQ(form->NameEdit(1)->Bytes(), Sjis("赤系"));
    EXPECT_EQ(form->NameEdit(2)->Bytes(), "A&&B");
    EXPECT_EQ(form->cb_html->itemText(0), U("赤系 の色を使用する"));
    EXPECT_EQ(form->cb_html->itemText(1), U("A&&B の色を使用する"));
    EXPECT_EQ(form->cb_html->itemText(2), U(" の色を使用する"));
    EXPECT_EQ(form->cb_html->currentText(), U("赤系 の色を使用する"));
    EXPECT_TRUE(platform.CallsStartingWith("ShowError").empty());
    // Set-up writes nothing.
    EXPECT_EQ(FileLines(), std::vector<std::string>(settings.begin(), settings.end()));
}

struct StyleCase {
    const char* mainStyle;
    const char* formStyle;
    bool mainOnTop;
    bool formOnTop;
};

class StyleEntries : public ColorSaveFormTest, public ::testing::WithParamInterface<StyleCase> {};

TEST_P(StyleEntries, SetTheWindowStylesExactly) {
    const StyleCase c = GetParam();
    settings[idx::MainStyle] = c.mainStyle;
    settings[idx::SaveFormStyle] = c.formStyle;
    Start();
    EXPECT_EQ(main->mnuWindowPos->isChecked(), c.mainOnTop);
    EXPECT_EQ(bool(main->windowFlags() & Qt::WindowStaysOnTopHint), c.mainOnTop);
    EXPECT_EQ(bool(form->windowFlags() & Qt::WindowStaysOnTopHint), c.formOnTop);
    EXPECT_EQ(form->FStyle1->isChecked(), !c.formOnTop);
    EXPECT_EQ(form->FStyle2->isChecked(), c.formOnTop);
    const auto onTop = platform.CallsStartingWith("SetStayOnTop: ColorSaveForm");
    ASSERT_EQ(onTop.size(), 1u);
    EXPECT_EQ(onTop[0], std::string("SetStayOnTop: ColorSaveForm ") + (c.formOnTop ? "1" : "0"));
}

INSTANTIATE_TEST_SUITE_P(ColorSaveFormTest, StyleEntries,
                         ::testing::Values(StyleCase{"StayOnTop", "Normal", true, false},
                                           StyleCase{"stayontop", "", false, true},
                                           StyleCase{"Normal", "normal", false, true},
                                           StyleCase{"StayOnTop", "StayOnTop", true, true}));

TEST_F(ColorSaveFormTest, BadSlotColourStopsSetUpAtThatSlot) {
    settings[idx::MainStyle] = "StayOnTop";
    settings[idx::SlotColor0 + 4] = "$00ABCDEF";
    settings[idx::SlotName0 + 4] = "#EFCDAB";
    settings[idx::SlotColor0 + 5] = "bogus";
    settings[idx::SlotName0 + 5] = "five";
    settings[idx::SlotColor0 + 6] = "clRed";
    settings[idx::SlotName0 + 6] = "six";
    settings[idx::GroupName0 + 1] = "Mine";
    settings[idx::SaveFormStyle] = "StayOnTop";
    Start();

    const auto errors = platform.CallsStartingWith("ShowError: ");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind(Utf8(U("ShowError: 'bogus' は整数ではありません")), 0), 0u);

    // Step 1 and the slots before the bad one took effect ...
    EXPECT_TRUE(main->mnuWindowPos->isChecked());
    EXPECT_EQ(form->Swatch(4)->Color(), 0x00ABCDEF);
    EXPECT_EQ(form->ColorNameOf(4)->Caption(), "#EFCDAB");
    // ... everything from the bad slot on stays as designed.
    EXPECT_EQ(form->Swatch(5)->Color(), clWhite);
    EXPECT_EQ(form->ColorNameOf(5)->Caption(), "none");
    EXPECT_EQ(form->Swatch(6)->Color(), clWhite);
    EXPECT_EQ(form->ColorNameOf(6)->Caption(), "none");
    EXPECT_EQ(form->PageControl1->tabText(0), "Group1");
    EXPECT_EQ(form->NameEdit(1)->Bytes(), "Group1");
    EXPECT_EQ(form->cb_html->itemText(0), U("Group1 の色を使用する"));
    EXPECT_TRUE(form->FStyle1->isChecked());
    EXPECT_TRUE(platform.CallsStartingWith("SetStayOnTop: ColorSaveForm").empty());
    // No hint handler was installed.
    Hover(form->Save1);
    EXPECT_EQ(form->StatusText(), "");
}

struct RenameCase {
    int group;
    const char* name;
};

class GroupRenaming : public ColorSaveFormTest, public ::testing::WithParamInterface<RenameCase> {};

TEST_P(GroupRenaming, StoresShowsAndListsTheName) {
    const auto [g, utf8] = GetParam();
    Start();
    form->cb_html->setCurrentIndex(0);
    const QString shownBefore = form->cb_html->currentText();
    form->NameEdit(g)->setText(U(utf8));
    QPushButton* ok[] = {form->ButtonSetting1, form->ButtonSetting2, form->ButtonSetting3};
    ok[g - 1]->click();

    const std::string bytes = Sjis(utf8);
    EXPECT_EQ(main->Settings[idx::GroupName0 + g], bytes);
    EXPECT_EQ(FileLines().at(idx::GroupName0 + g), bytes);
    EXPECT_EQ(form->PageControl1->tabText(g - 1), U(utf8));
    EXPECT_EQ(form->cb_html->itemText(g - 1), U(utf8) + U(" の色を使用する"));
    EXPECT_EQ(form->cb_html->count(), 3);
    // Only group 1 also replaces the combo box's shown text.
    EXPECT_EQ(form->cb_html->currentText(), g == 1 ? U(utf8) + U(" の色を使用する") : shownBefore);
}

INSTANTIATE_TEST_SUITE_P(ColorSaveFormTest, GroupRenaming,
                         ::testing::Values(RenameCase{1, "ウェブ用"}, RenameCase{2, ""},
                                           RenameCase{3, "#1 <b>&"}));

TEST_F(ColorSaveFormTest, UneditedGroupNameKeepsItsBytes) {
    // Bytes code page 932 cannot decode, and "&&", come back out exactly as they went in.
    settings[idx::GroupName0 + 1] = "A&&B";
    settings[idx::GroupName0 + 3] = "\xFD\xFE\x85\x40";
    Start();
    form->ButtonSetting1->click();
    form->ButtonSetting3->click();
    EXPECT_EQ(FileLines().at(idx::GroupName0 + 1), "A&&B");
    EXPECT_EQ(FileLines().at(idx::GroupName0 + 3), "\xFD\xFE\x85\x40");
}

TEST_F(ColorSaveFormTest, FormStylePairSwitchesAndSaves) {
    Start();
    form->FStyle2->click();
    EXPECT_TRUE(form->FStyle2->isChecked());
    EXPECT_FALSE(form->FStyle1->isChecked());
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(FileLines().at(idx::SaveFormStyle), "StayOnTop");
    EXPECT_FALSE(main->windowFlags() & Qt::WindowStaysOnTopHint);

    form->FStyle1->click();
    EXPECT_TRUE(form->FStyle1->isChecked());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(FileLines().at(idx::SaveFormStyle), "Normal");
}

TEST_F(ColorSaveFormTest, HintsOfBothWindowsReachTheStatusLine) {
    Start();
    Hover(form->Save1);
    EXPECT_EQ(form->StatusText(), U("メイン画面に現在表示されている色を保存します"));
    // A control without a hint shows its nearest enclosing hint: the group box's blank.
    Hover(form->RB(3));
    EXPECT_EQ(form->StatusText(), " ");
    Hover(form->Buttonhtml);
    EXPECT_EQ(form->StatusText(), U("右クリックでヒントが出ます"));

    // The main window's controls and menu items, the window itself hidden; only the long part.
    SetHint(main->ButtonShow, U("短い|長いヒント"));
    Hover(main->ButtonShow);
    EXPECT_EQ(form->StatusText(), U("長いヒント"));
    HintTracker::Instance().ActionHovered(main->mnuCSFShow);
    EXPECT_EQ(form->StatusText(), HintOf(main->mnuCSFShow));
    EXPECT_FALSE(form->StatusText().isEmpty());
}

TEST_F(ColorSaveFormTest, MouseMovesWriteTheStatusLine) {
    Start();
    const struct {
        QWidget* control;
        QString text;
    } cases[] = {
        {form->Swatch(6), "Save 6"},
        {form->ColorNameOf(7), "Save 7"},
        {form->RB(9), "Save 9"},
        {form->Def(12), U("保存ボックス 12 の初期化")},
        {form->StatusBar, U("ステータスバー上ダブルクリックで、この画面を閉じます")},
        {form->PageControl1->tabBar(), ""},
    };
    for (const auto& c : cases) {
        form->StatusBar->setText("x");
        SendMouse(c.control, QEvent::MouseMove);
        EXPECT_EQ(form->StatusText(), c.text) << Utf8(c.control->objectName());
    }

    // Hint texts and mouse-move texts share the field: the latest write stands.
    Hover(form->Save1);
    SendMouse(form->Def(4), QEvent::MouseMove);
    EXPECT_EQ(form->StatusText(), U("保存ボックス 4 の初期化"));
    Hover(form->Copy1);
    EXPECT_EQ(form->StatusText(), U("クリップボードに色をコピーします"));
}

TEST_F(ColorSaveFormTest, ClosingOnlyHides) {
    Start();
    Tick({main->mnuHTML});
    main->CopyEdit->SetBytes("#123456");
    main->CurrentColor = 0x00563412;
    form->show();
    form->RB(2)->setChecked(true);
    form->close();
    EXPECT_FALSE(form->isVisible());

    form->show();
    EXPECT_TRUE(form->RB(2)->isChecked());
    SendMouse(form->StatusBar, QEvent::MouseButtonDblClick);
    EXPECT_FALSE(form->isVisible());
    // Still fully working after being closed.
    form->Save1->click();
    EXPECT_EQ(form->ColorNameOf(2)->Caption(), "#123456");
}

} // namespace
} // namespace tintor::test

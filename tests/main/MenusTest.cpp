// The main window's menus: the display format switch, the appearance colours, the hint and
// stay-on-top switches, plain PASTE, help and the update check.
#include "support/WindowFixture.h"

#include "main/MakerInfo.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QTest>

namespace tintor::test {
namespace {

constexpr TColor PanelMark = 0x00123456;

class MenusTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        lfLineEnds = true; // any save rewrites the file with CR LF
        StartMain();
        platform.calls.clear();
    }
    void Type(const char* utf8) { main->CopyEdit->SetBytes(Sjis(utf8)); }
    // The one ticked format item's tag, 0 for none, -1 for more than one.
    int TickedFormat() const {
        int ticked = 0;
        for (int k = 1; k <= 5; ++k)
            if (main->FormatItem(k)->isChecked()) ticked = ticked ? -1 : k;
        return ticked;
    }
    SettingsArray SettingsWith(int index, const std::string& value) const {
        SettingsArray expected = settings;
        expected[static_cast<std::size_t>(index)] = value;
        return expected;
    }
};

TEST_F(MenusTest, FormatSwitchRewritesTheColourTextOrEmptiesTheBox) {
    const std::string notation =
        "ShowMessage: C++、HTML、RGB、Delphi、cl、VisualBasic 形式のみ表示が可能です | ";
    const struct {
        const char* before;
        int format;
        const char* after;
        TColor current; // CurrentColor afterwards; the panel shows it where `repainted`
        bool repainted;
        std::vector<std::string> boxes;
    } cases[] = {
        {"", 2, "", 0x00C0C0C0, false, {}},
        {"#FF8000", 2, "255,128,000", 0x000080FF, true, {}},
        {"#FF8000", 5, "0x000080FF", 0x000080FF, true, {}},
        {"#FF8000", 1, "#FF8000", 0x000080FF, true, {}}, // the format already ticked
        {"clred",
         3,
         "$00C0C0C0",
         0x00C0C0C0,
         true,
         {"ShowMessage: 入力されたcl形式は、現在表示出来ません | clred"}},
        {" #FF8000", 2, "", 0x00C0C0C0, false, {notation + " #FF8000"}},
        {"3abc", 4, "", 0x00C0C0C0, false, {notation}},
        {"Clred", 4, "", 0x00C0C0C0, false, {notation}},
        {"xyz", 2, "", 0x00C0C0C0, false, {notation}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before + std::string(" -> ") + std::to_string(c.format));
        main->CurrentColor = 0x00C0C0C0;
        main->MainPanel->SetColor(PanelMark);
        Type(c.before);
        WatchBoxes();

        main->FormatItem(c.format)->trigger();

        EXPECT_EQ(TickedFormat(), c.format);
        EXPECT_EQ(main->CopyEdit->Bytes(), c.after);
        EXPECT_EQ(main->CurrentColor, c.current);
        EXPECT_EQ(main->MainPanel->Color(), c.repainted ? c.current : PanelMark);
        if (c.repainted) {
            EXPECT_EQ(main->ButtonShow->FontColor(), ButtonFontColorFor(c.current));
        }
        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_EQ(FileBytes(), SavedBytes(SettingsWith(0, std::to_string(c.format))));
    }
}

TEST_F(MenusTest, EachAppearanceItemStoresItsOwnEntryOnly) {
    const TColor chosen = 0x00345678;
    const struct {
        QAction* TMainForm::*item;
        int index;
        std::function<TColor(TMainForm&)> shown;
    } cases[] = {
        {&TMainForm::mnuInfoFont, 6, [](TMainForm& m) { return FontColorOf(m.VersionInfoLabel); }},
        {&TMainForm::mnuEditFontColor, 8, [](TMainForm& m) { return FontColorOf(m.CopyEdit); }},
        {&TMainForm::mnuEditColor, 9, [](TMainForm& m) { return BackgroundColorOf(m.CopyEdit); }},
        {&TMainForm::mnuBaseColor, 10, [](TMainForm& m) { return m.MainPanel->Color(); }},
        {&TMainForm::mnuSBColor, 11, [](TMainForm& m) { return m.ButtonShow->FontColor(); }},
        {&TMainForm::mnuCBColor, 12, [](TMainForm& m) { return m.ButtonCTC->FontColor(); }},
        {&TMainForm::mnuPBColor, 13, [](TMainForm& m) { return m.ButtonPaste->FontColor(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        StartMain();
        platform.calls.clear();
        Type("#FF0000");
        const TColor before = c.shown(*main);

        platform.colorAnswers = {std::nullopt}; // cancel: nothing changes, nothing is saved
        (main.get()->*c.item)->trigger();
        EXPECT_EQ(c.shown(*main), before);
        EXPECT_EQ(FileBytes(), writtenBytes);

        platform.colorAnswers = {chosen};
        (main.get()->*c.item)->trigger();
        EXPECT_EQ(platform.calls, (std::vector<std::string>{"ChooseColor", "ChooseColor"}));
        EXPECT_EQ(c.shown(*main), chosen);
        EXPECT_EQ(FileBytes(), SavedBytes(SettingsWith(c.index, "$00345678")));
        // Neither the current colour nor the text follows an appearance colour.
        EXPECT_EQ(main->CurrentColor, 0x00C0C0C0);
        EXPECT_EQ(main->CopyEdit->Bytes(), "#FF0000");
    }
}

TEST_F(MenusTest, HintSwitchUsedTwiceRestoresItemHintAndSetting) {
    const struct {
        QAction* TMainForm::*item;
        QWidget* control;
        int index;
    } cases[] = {
        {&TMainForm::mnuShowHint, main->MainPanel, 14},
        {&TMainForm::mnuEditShowHint, main->CopyEdit, 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        QAction* item = main.get()->*c.item;
        QWidget* control = c.control;
        ASSERT_FALSE(item->isChecked());
        ASSERT_TRUE(ShowHintOf(control));

        item->trigger();
        EXPECT_TRUE(item->isChecked());
        EXPECT_FALSE(ShowHintOf(control));
        EXPECT_TRUE(control->toolTip().isEmpty());
        EXPECT_EQ(FileBytes(), SavedBytes(SettingsWith(c.index, "Hide")));

        item->trigger();
        EXPECT_FALSE(item->isChecked());
        EXPECT_TRUE(ShowHintOf(control));
        EXPECT_FALSE(control->toolTip().isEmpty());
        EXPECT_EQ(FileBytes(), SavedBytes(settings));
    }
    // The panel's switch leaves the hints of the controls on it alone.
    main->mnuShowHint->trigger();
    EXPECT_TRUE(ShowHintOf(main->ButtonShow));
    EXPECT_TRUE(ShowHintOf(main->CopyEdit));
}

TEST_F(MenusTest, StayOnTopSwitchSetsStyleTickAndSetting) {
    main->mnuWindowPos->trigger();
    EXPECT_TRUE(main->mnuWindowPos->isChecked());
    EXPECT_EQ(FileBytes(), SavedBytes(SettingsWith(1, "StayOnTop")));
    main->mnuWindowPos->trigger();
    EXPECT_FALSE(main->mnuWindowPos->isChecked());
    EXPECT_EQ(FileBytes(), SavedBytes(SettingsWith(1, "Normal")));
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"SetStayOnTop: MainForm 1", "SetStayOnTop: MainForm 0"}));
}

TEST_F(MenusTest, PastePutsTheClipboardTextIntoTheBox) {
    const struct {
        std::optional<const char*> clipboard;
        const char* after;
    } cases[] = {
        {"#123456", "#123456"},
        {"0123456789ABCDEFG", "0123456789ABCD"},  // cut to 14 bytes
        {"あいうえおかきくけ", "あいうえおかき"}, // 7 double-byte characters
        {"aあいうえおかきく", "aあいうえおか"},   // 13 bytes: no half character
        {"#ABCDEF\r\nsecond", "#ABCDEF"},
        {"", ""},
        {std::nullopt, ""}, // no text on the clipboard
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clipboard.value_or("(none)"));
        platform.clipboard.reset();
        if (c.clipboard) platform.clipboard = U(*c.clipboard);
        Type("old text");
        platform.calls.clear();

        main->ButtonPaste->click();

        EXPECT_EQ(main->CopyEdit->Bytes(), Sjis(c.after));
        EXPECT_EQ(platform.calls, std::vector<std::string>{"ClipboardText"});
        EXPECT_EQ(main->CurrentColor, 0x00C0C0C0);
        EXPECT_EQ(main->MainPanel->Color(), 0x00C0C0C0);
    }
    // The text box's own menu item is the same command; nothing of it is saved.
    platform.clipboard = QStringLiteral("$00FF0000");
    main->mnuPaste->trigger();
    EXPECT_EQ(main->CopyEdit->Bytes(), "$00FF0000");
    main->mnuTextBoxFormat->trigger();
    EXPECT_EQ(main->CopyEdit->Bytes(), "");
    EXPECT_EQ(FileBytes(), writtenBytes);
}

// The box's own keyboard paste (and a drop) takes the text up to its first line break, as
// PASTE does; a line break never gets into the one-line box.
TEST_F(MenusTest, KeyboardPasteStopsAtTheFirstLineBreak) {
    const struct {
        const char* before;
        const char* clipboard;
        const char* after;
    } cases[] = {
        {"", "#ABCDEF\r\nsecond", "#ABCDEF"},
        {"", "ab\rcd", "ab"},
        {"", "\nabc", ""},
        {"#12", "34\n56", "#1234"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clipboard);
        Type(c.before);
        main->CopyEdit->end(false);
        QGuiApplication::clipboard()->setText(U(c.clipboard));
        QTest::keyClick(main->CopyEdit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(main->CopyEdit->Bytes(), c.after);
    }
}

TEST_F(MenusTest, EnteringTheBoxWithTheKeyboardSelectsNothing) {
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    Type("#FF0000");
    main->CopyEdit->Redraw(); // as after SHOW: the box has lost the focus
    ASSERT_FALSE(main->CopyEdit->hasFocus());

    QTest::keyClick(main.get(), Qt::Key_Tab);

    EXPECT_TRUE(main->CopyEdit->hasFocus());
    EXPECT_FALSE(main->CopyEdit->hasSelectedText());
    EXPECT_EQ(main->CopyEdit->Bytes(), "#FF0000");
}

TEST_F(MenusTest, RightClickOpensEachControlsOwnMenu) {
    main->show();
    const struct {
        QWidget* control;
        QMenu* menu;
    } cases[] = {
        {main->VersionInfoLabel, main->PMLabel}, {main->CopyEdit, main->PMEdit},
        {main->MainPanel, main->MainPM},         {main->ButtonShow, main->PMShow},
        {main->ButtonCTC, main->PMCopy},         {main->ButtonPaste, main->PMPaste},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control->objectName().toStdString());
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(1, 1),
                                c.control->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(c.control, &event);
        EXPECT_TRUE(c.menu->isVisible());
        c.menu->hide();
    }
}

TEST_F(MenusTest, SavedColoursWindowOpensBesideTheMainWindow) {
    saveForm = std::make_unique<TColorSaveForm>(*main, platform);
    main->SetColorSaveForm(saveForm.get());
    platform.screen = QSize(1024, 768);
    const struct {
        QPoint main;
        QPoint expected;
    } cases[] = {
        {{100, 100}, {317, 40}},                         // right of the main window
        {{573, 60}, {790, 0}},   {{574, 1}, {244, -59}}, // left of it, partly above the screen
        {{574, 0}, {244, 0}},    {{-50, -20}, {167, 0}},
    };
    for (const auto& c : cases) {
        main->move(c.main);
        main->mnuCSFShow->trigger();
        EXPECT_TRUE(saveForm->isVisible());
        EXPECT_EQ(saveForm->pos(), c.expected) << c.main.x() << "," << c.main.y();
    }
}

TEST_F(MenusTest, UpdateCheckOpensTheHomePageOnlyAfterYes) {
    const std::string box =
        "MessageBox[0x34] TINTOR アップデート: 開発者ホームページに接続します\r\n\r\n"
        "TINTOR の最新情報は TOP ページに設置してあるリンクを辿り、\r\n"
        "Software 内コンテンツを御参照下さい\r\n\r\nブラウザを機動しますか？";
    for (int answer : {IDYES, IDNO}) {
        SCOPED_TRACE(answer);
        platform.calls.clear();
        platform.messageBoxAnswers = {answer};
        main->mnuUpDate->trigger();
        std::vector<std::string> expected = {"NormalizeTopMosts", box};
        if (answer == IDYES) expected.push_back("ShellOpen: " + std::string(MakerHomePage));
        expected.push_back("RestoreTopMosts");
        EXPECT_EQ(platform.calls, expected);
    }
}

TEST_F(MenusTest, HelpItemsNameTheHelpFileBesideTheProgram) {
    // An installed copy is used only when none lies beside the program.
    std::filesystem::create_directories(Path("bin"));
    std::filesystem::create_directories(Path("share/tintor"));
    WriteFileBytes(Path("share/tintor/TintHelp.hlp"), "installed");
    platform.exeDir = Path("bin/");
    main->mnuHelp->trigger();
    const std::string installed = Path("share/tintor/TintHelp.hlp");
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"WinHelp[" + installed + "] 11 0", "NormalizeTopMosts"}));

    WriteFileBytes(Path("bin/TintHelp.hlp"), "beside");
    const std::string beside = Path("bin/TintHelp.hlp");
    const struct {
        QAction* TMainForm::*item;
        int context;
    } cases[] = {{&TMainForm::mnuPMHelp1, 5},
                 {&TMainForm::mnuButtonHelp1, 6},
                 {&TMainForm::mnuButtonHelp2, 7},
                 {&TMainForm::mnuButtonHelp3, 8},
                 {&TMainForm::mnuPMHelp2, 11}};
    for (const auto& c : cases) {
        platform.calls.clear();
        (main.get()->*c.item)->trigger();
        EXPECT_EQ(platform.calls, std::vector<std::string>{"WinHelp[" + beside + "] 1 " +
                                                           std::to_string(c.context)});
        EXPECT_EQ(qApp->property("helpFile").toString().toStdString(), beside);
    }
    platform.calls.clear();
    main->mnuHelp->trigger();
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"WinHelp[" + beside + "] 11 0", "NormalizeTopMosts"}));
}

} // namespace
} // namespace tintor::test

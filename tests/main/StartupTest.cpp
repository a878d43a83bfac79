// The main window's creation from System.tri, its placement and drag limits, the colour
// chooser on the panel, and the close-time step.
#include "support/WindowFixture.h"

#include "colour/ColorNames.h"

#include <QTest>

namespace tintor::test {
namespace {

using StartupTest = WindowFixture;

// The line a start-up error box adds when it keeps the file that failed to load.
const std::string KeptLine = "\n元のファイルは次の保存の前に System.tri.bak に残します。";

TEST_F(StartupTest, AppliesEverySettingToTheWindow) {
    Set({{0, "2"},
         {2, "$00112233"},
         {3, "clYellow"},
         {4, "120"},
         {5, "-30"},
         {6, "$00445566"},
         {7, Sjis("色窓")},
         {8, "$00010203"},
         {9, "clCream"},
         {10, "$000080FF"},
         {11, "$00000001"},
         {12, "$00000002"},
         {13, "$00000003"},
         {19, "Cross"}});
    StartMain();

    ASSERT_EQ(platform.calls, std::vector<std::string>{});
    EXPECT_EQ(main->size(), QSize(197, 111));
    EXPECT_EQ(main->pos(), QPoint(-30, 120));
    EXPECT_EQ(main->WindowColor(), 0x00112233);
    EXPECT_EQ(FontColorOf(main->TitleLabel), 0x0000FFFF);
    EXPECT_EQ(FontColorOf(main->VersionInfoLabel), 0x00445566);
    EXPECT_EQ(main->windowTitle(), U("色窓"));
    EXPECT_EQ(FontColorOf(main->CopyEdit), 0x00010203);
    EXPECT_EQ(BackgroundColorOf(main->CopyEdit), 0x00F0FBFF);
    EXPECT_EQ(main->MainPanel->Color(), 0x000080FF);
    EXPECT_EQ(main->CurrentColor, 0x000080FF);
    // The contrast rule does not run at start-up.
    EXPECT_EQ(main->ButtonShow->FontColor(), 1);
    EXPECT_EQ(main->ButtonCTC->FontColor(), 2);
    EXPECT_EQ(main->ButtonPaste->FontColor(), 3);
    EXPECT_EQ(main->MainPanel->cursor().shape(), Qt::CrossCursor);
    EXPECT_TRUE(main->mnuRGB->isChecked());
    EXPECT_TRUE(main->CopyEdit->text().isEmpty());

    EXPECT_EQ(main->MainPanel->geometry(), QRect(2, 22, 193, 87));
    EXPECT_EQ(main->SystemPanel->geometry(), QRect(137, 5, 55, 15));
    EXPECT_EQ(main->SystemPanel->Color(), 0x00112233);
    const struct {
        ColorPanel* panel;
        QRect geometry;
        TColor color;
    } frame[] = {
        {main->FPanel1, {0, 0, 197, 1}, 0x00C0C0C0}, {main->FPanel2, {0, 110, 197, 1}, 0x00322F2E},
        {main->FPanel3, {0, 0, 1, 111}, 0x00C0C0C0}, {main->FPanel4, {196, 0, 1, 111}, 0x00322F2E},
        {main->SPanel1, {1, 1, 195, 1}, 0x00EEEEEE}, {main->SPanel2, {1, 109, 195, 1}, 0x00808080},
        {main->SPanel3, {1, 1, 1, 109}, 0x00EEEEEE}, {main->SPanel4, {195, 1, 1, 109}, 0x00808080},
    };
    for (const auto& line : frame) {
        EXPECT_EQ(line.panel->geometry(), line.geometry) << line.panel->objectName().toStdString();
        EXPECT_EQ(line.panel->Color(), line.color) << line.panel->objectName().toStdString();
    }
    // Start-up reads the file and writes nothing.
    EXPECT_EQ(FileBytes(), writtenBytes);
}

TEST_F(StartupTest, SwitchEntriesMeanShownOnlyForTheExactWord) {
    const struct {
        const char* value;
        bool shown;
    } cases[] = {{"Show", true}, {"show", false}, {"Hide", false}, {"", false}, {"Show ", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        Set({{14, c.value}, {15, c.value}, {16, c.value}, {17, c.value}, {19, c.value}});
        StartMain();
        EXPECT_EQ(ShowHintOf(main->MainPanel), c.shown);
        EXPECT_EQ(main->mnuShowHint->isChecked(), !c.shown);
        EXPECT_EQ(ShowHintOf(main->CopyEdit), c.shown);
        EXPECT_EQ(main->mnuEditShowHint->isChecked(), !c.shown);
        for (FlatButton* button : {main->ButtonShow, main->ButtonCTC, main->ButtonPaste,
                                   main->SBSetting, main->SBMinimize, main->SBClose})
            EXPECT_EQ(ShowHintOf(button), c.shown) << button->objectName().toStdString();
        EXPECT_EQ(main->MainPanel->cursor().shape(), Qt::ArrowCursor);
    }
}

TEST_F(StartupTest, FormatEntryTicksItsItemOrNone) {
    const struct {
        const char* value;
        QAction* TMainForm::*item;
    } cases[] = {{"1", &TMainForm::mnuHTML},
                 {"2", &TMainForm::mnuRGB},
                 {"3", &TMainForm::mnuDelphi},
                 {"4", &TMainForm::mnuVB},
                 {" 5", &TMainForm::mnuCplus},
                 {"7", nullptr},
                 {"0", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        Set({{0, c.value}});
        StartMain();
        for (QAction* item :
             {main->mnuHTML, main->mnuRGB, main->mnuDelphi, main->mnuVB, main->mnuCplus})
            EXPECT_EQ(item->isChecked(), c.item && item == main.get()->*c.item)
                << item->objectName().toStdString();
        EXPECT_TRUE(platform.calls.empty());
    }
}

TEST_F(StartupTest, PlacementRuleKeepsOrPullsInTheStoredPosition) {
    platform.screen = QSize(1024, 768);
    const struct {
        const char* top;
        const char* left;
        QPoint expected;
    } cases[] = {
        {"748", "1004", {1004, 748}}, // 20 pixels inside the edges: kept
        {"749", "1005", {774, 518}},  // one more: 250 from the edge
        {"300", "5000", {774, 300}},
        {"-100", "-80", {-80, -100}}, // no lower limit at start-up
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.top) + "," + c.left);
        Set({{4, c.top}, {5, c.left}});
        StartMain();
        EXPECT_EQ(main->pos(), c.expected);
    }
}

TEST_F(StartupTest, FailingEntryEndsCreationAndKeepsLaterDesignValues) {
    const struct {
        int index;
        const char* text;
        const char* message;
    } cases[] = {
        {2, "xyz", "ShowError: 'xyz' は整数ではありません."},
        {10, "", "ShowError: '' は整数ではありません."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        settings = FirstSettings();
        Set({{0, "3"}, {9, "clCream"}, {c.index, c.text}});
        StartMain();
        EXPECT_EQ(platform.calls, std::vector<std::string>{c.message + KeptLine});
        // Steps before the failing entry stay applied ...
        EXPECT_TRUE(main->mnuDelphi->isChecked());
        EXPECT_EQ(main->size(), QSize(197, 111));
        if (c.index == 10) {
            EXPECT_EQ(BackgroundColorOf(main->CopyEdit), 0x00F0FBFF);
        }
        // ... the later ones keep the design values.
        EXPECT_EQ(main->MainPanel->geometry(), QRect(2, 21, 209, 84));
        EXPECT_EQ(main->SystemPanel->geometry(), QRect(144, 5, 65, 17));
        EXPECT_EQ(main->FPanel2->geometry(), QRect(0, 105, 209, 7));
        EXPECT_EQ(main->MainPanel->Color(), static_cast<TColor>(0x8000000F));
        EXPECT_EQ(main->CurrentColor, 0);
        EXPECT_TRUE(ShowHintOf(main->MainPanel));
        EXPECT_FALSE(main->mnuShowHint->isChecked());
        platform.calls.clear();
    }
}

TEST_F(StartupTest, MissingFileStartsFromFirstSettingsAndFirstSaveCreatesIt) {
    CreateMain();
    EXPECT_TRUE(platform.calls.empty());
    EXPECT_EQ(main->Settings, FirstSettings());
    EXPECT_TRUE(main->mnuHTML->isChecked());
    EXPECT_EQ(main->CurrentColor, 0x00C0C0C0);
    EXPECT_FALSE(std::filesystem::exists(platform.settingsPath));

    main->mnuShowHint->trigger();
    SettingsArray expected = FirstSettings();
    expected[14] = "Hide";
    EXPECT_EQ(FileBytes(), SavedBytes(expected));
}

TEST_F(StartupTest, ShortFileReportsTheFirstMissingLine) {
    const struct {
        std::size_t lines;
        const char* message;
    } cases[] = {
        {50, "ShowError: リストのインデックスが範囲を超えています (50)"},
        {0, "ShowError: リストのインデックスが範囲を超えています (0)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        std::string bytes;
        for (std::size_t k = 0; k < c.lines; ++k)
            bytes += settings[k] + "\r\n";
        WriteFileBytes(platform.settingsPath, bytes);
        platform.calls.clear();
        CreateMain();
        EXPECT_EQ(platform.calls, std::vector<std::string>{c.message + KeptLine});
        for (std::size_t k = 0; k < 51; ++k)
            EXPECT_EQ(main->Settings[k], k < c.lines ? settings[k] : "") << k;
        // Creation stopped before the format tick.
        EXPECT_FALSE(main->mnuHTML->isChecked());
    }
}

TEST_F(StartupTest, HitTestPullsTheWindowIntoItsDragLimits) {
    StartMain();
    platform.screen = QSize(1024, 768);
    const struct {
        QPoint at;
        QPoint expected;
    } cases[] = {
        {{-60, 100}, {-50, 100}},  {{-40, 100}, {-40, 100}}, {{100, -5}, {100, 0}},
        {{2000, 900}, {994, 738}}, {{994, 738}, {994, 738}}, {{995, 739}, {994, 738}},
    };
    for (const auto& c : cases) {
        main->move(c.at);
        main->FormHitTest(QPoint(0, 0));
        EXPECT_EQ(main->pos(), c.expected) << c.at.x() << "," << c.at.y();
    }
}

TEST_F(StartupTest, OnlyTheWindowsOwnSurfaceAnswersTheHitTest) {
    StartMain();
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    // Children: the colour panel, a frame line, the button strip between two buttons. A press
    // or a pointer movement there neither drags the window nor pulls it into its limits.
    for (QWidget* child :
         {static_cast<QWidget*>(main->MainPanel), static_cast<QWidget*>(main->FPanel1),
          static_cast<QWidget*>(main->SystemPanel)}) {
        SCOPED_TRACE(child->objectName().toStdString());
        main->move(-60, 100);
        const QPoint inside = child == main->SystemPanel ? QPoint(18, 7) : QPoint(0, 0);
        QTest::mouseMove(child, inside);
        QTest::mousePress(child, Qt::LeftButton, {}, inside);
        QTest::mouseMove(child, inside + QPoint(1, 0));
        QTest::mouseRelease(child, Qt::LeftButton, {}, inside + QPoint(1, 0));
        EXPECT_EQ(main->pos(), QPoint(-60, 100));
    }
    // The click on the panel still opens the chooser.
    platform.calls.clear();
    QTest::mouseClick(main->MainPanel, Qt::LeftButton, {}, QPoint(60, 60));
    QTest::mouseClick(main->VersionInfoLabel, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"ChooseColor", "ChooseColor"}));
    // The title strip is the window's own surface (the title text lets the pointer through).
    QTest::mouseMove(main.get(), QPoint(60, 10));
    EXPECT_EQ(main->pos(), QPoint(-50, 100));
    // Pressing there and moving drags the window.
    main->move(100, 100);
    QTest::mousePress(main.get(), Qt::LeftButton, {}, QPoint(60, 10));
    QTest::mouseMove(main.get(), QPoint(90, 15));
    QTest::mouseRelease(main.get(), Qt::LeftButton, {}, QPoint(90, 15));
    EXPECT_EQ(main->pos(), QPoint(130, 105));
}

TEST_F(StartupTest, ColourChooserWritesTheColourInTheStoredFormat) {
    const struct {
        const char* format;
        const char* text; // nullptr: the box keeps its text
    } cases[] = {{"1", "#4D689B"},    {"2", "077,104,155"}, {"3", "$009B684D"}, {"4", "&H9B684D&"},
                 {"5", "0x009B684D"}, {"0", nullptr},       {"7", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        Set({{0, c.format}});
        lfLineEnds = true;
        StartMain();
        main->CopyEdit->SetBytes("before");
        platform.colorAnswers = {0x009B684D};
        main->MainPanel->clicked();
        EXPECT_EQ(platform.calls, std::vector<std::string>{"ChooseColor"});
        EXPECT_EQ(main->CopyEdit->Bytes(), c.text ? c.text : "before");
        EXPECT_EQ(main->CurrentColor, 0x009B684D);
        EXPECT_EQ(main->MainPanel->Color(), 0x009B684D);
        EXPECT_EQ(main->ButtonShow->FontColor(), DarkButtonText);
        EXPECT_EQ(main->ButtonPaste->FontColor(), DarkButtonText);
        EXPECT_EQ(FileBytes(), writtenBytes); // nothing is saved
        platform.calls.clear();
    }

    // A dark colour gives light button text.
    platform.colorAnswers = {0x00545454};
    main->MainPanelClick();
    EXPECT_EQ(main->ButtonCTC->FontColor(), LightButtonText);
}

TEST_F(StartupTest, ColourChooserCancelOrBadFormatChangesNothing) {
    for (const char* format : {"1", "x"}) {
        SCOPED_TRACE(format);
        StartMain();
        main->Settings[0] = format; // as a file that failed at start-up leaves it
        platform.calls.clear();
        main->CopyEdit->SetBytes("#123456");
        platform.colorAnswers = {format[0] == 'x' ? std::optional<TColor>(0x009B684D)
                                                  : std::nullopt};
        main->MainPanel->clicked();
        std::vector<std::string> expected = {"ChooseColor"};
        if (format[0] == 'x') expected.push_back("ShowError: 'x' は整数ではありません.");
        EXPECT_EQ(platform.calls, expected);
        EXPECT_EQ(main->CopyEdit->Bytes(), "#123456");
        EXPECT_EQ(main->CurrentColor, 0x00C0C0C0);
        EXPECT_EQ(main->MainPanel->Color(), 0x00C0C0C0);
        EXPECT_EQ(main->ButtonShow->FontColor(), 0);
    }
}

TEST_F(StartupTest, CloseStoresThePositionOnly) {
    Set({{48, Sjis("予備")}, {50, "keep"}});
    StartMain();
    main->move(-50, 200);
    EXPECT_TRUE(main->FormCloseQuery());
    SettingsArray expected = settings;
    expected[4] = "200";
    expected[5] = "-50";
    EXPECT_EQ(FileBytes(), SavedBytes(expected));
    EXPECT_TRUE(platform.calls.empty());
}

TEST_F(StartupTest, CloseButtonAndMenuItemRunTheCloseStep) {
    for (bool button : {true, false}) {
        SCOPED_TRACE(button);
        StartMain();
        main->show();
        main->move(40, 50);
        if (button)
            main->SBClose->click();
        else
            main->mnuClose->trigger();
        EXPECT_FALSE(main->isVisible());
        EXPECT_EQ(FileLines().at(4), "50");
        EXPECT_EQ(FileLines().at(5), "40");
    }
}

TEST_F(StartupTest, CloseAfterResetStoresResetValuesButKeepsSlotsAndWindowStyle) {
    Set({{0, "3"},
         {2, "clRed"},
         {4, "10"},
         {7, "Mine"},
         {14, "Hide"},
         {19, "Cross"},
         {20, "clRed"},
         {32, "#FF0000"},
         {44, Sjis("赤")},
         {46, "G3"},
         {47, "StayOnTop"},
         {49, "x"}});
    StartMain();
    main->ResetOnClose = 1;
    main->move(500, 400);
    EXPECT_TRUE(main->FormCloseQuery());

    SettingsArray expected = settings;
    StoreResetValues(expected);
    const std::vector<std::string> lines = FileLines();
    ASSERT_EQ(lines.size(), 51u);
    EXPECT_EQ(lines[0], "1");
    EXPECT_EQ(lines[2], "$009B684D");
    EXPECT_EQ(lines[4], "300");
    EXPECT_EQ(lines[5], "300");
    for (int k : {7, 18, 19})
        EXPECT_EQ(lines[k], "TINTOR");
    EXPECT_EQ(lines[14], "Show");
    EXPECT_EQ(lines[20], "clRed");
    EXPECT_EQ(lines[32], "#FF0000");
    EXPECT_EQ(lines[44], "Group1");
    EXPECT_EQ(lines[46], "Group3");
    EXPECT_EQ(lines[47], "StayOnTop");
    EXPECT_EQ(lines[49], "x");
    EXPECT_EQ(FileBytes(), SavedBytes(expected));
}

TEST_F(StartupTest, CloseReportsAFailedSaveAndStillCloses) {
    StartMain();
    WriteFileBytes(Path("plain"), "not a directory");
    platform.settingsPath = Path("plain/System.tri");
    EXPECT_TRUE(main->FormCloseQuery());
    EXPECT_EQ(platform.calls,
              std::vector<std::string>{"ShowError: ファイル " + Path("plain/System.tri") +
                                       " を作成できません."});
}

} // namespace
} // namespace tintor::test

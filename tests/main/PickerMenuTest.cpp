// The screen picker in the main window: where its item stands, the key Ctrl+E, and what a pick,
// a cancel and an unreadable screen do to the window.
#include "support/PickerScript.h"
#include "support/WindowFixture.h"

#include <QCursor>
#include <QTest>

namespace tintor::test {
namespace {

class PickerMenuTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        lfLineEnds = true; // any save would rewrite the file with CR LF
        platform.screenShots = {PatternScreen(QRect(0, 0, 320, 240))};
    }
    static QStringList Names(const QMenu* menu) {
        QStringList names;
        for (const QAction* action : menu->actions())
            names << action->objectName();
        return names;
    }
    // The pixel picked with the pointer at (x, y) and Enter.
    void PickWithEnterAt(int x, int y) {
        QCursor::setPos(QPoint(x, y));
        WhenPickerShows([](PickerView& view) { QTest::keyClick(&view, Qt::Key_Return); });
    }
    struct Looks {
        std::string text;
        TColor current, panel, showFont, copyFont, pasteFont;
        bool operator==(const Looks&) const = default;
    };
    Looks Now() const {
        return {main->CopyEdit->Bytes(),      main->CurrentColor,
                main->MainPanel->Color(),     main->ButtonShow->FontColor(),
                main->ButtonCTC->FontColor(), main->ButtonPaste->FontColor()};
    }
};

TEST_F(PickerMenuTest, ItemFollowsTheSavedColoursItemAndOpensThePanelMenu) {
    StartMain();
    const QStringList pm = Names(main->PM);
    const qsizetype at = pm.indexOf("mnuCSFShow");
    ASSERT_GE(at, 0);
    EXPECT_EQ(pm.value(at + 1), "mnuPickScreenColor");
    EXPECT_EQ(pm.value(at + 2), "COLORS1");
    EXPECT_EQ(Names(main->MainPM).mid(0, 4),
              (QStringList{"mnuPickScreenColor", "NPick", "mnuBaseColor", "N5"}));
    EXPECT_TRUE(main->MainPM->actions().value(1)->isSeparator());

    QAction* item = main->mnuPickScreenColor;
    EXPECT_EQ(item->text(), U("画面から色を拾う(&E)"));
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    EXPECT_FALSE(HintOf(item).isEmpty());
}

TEST_F(PickerMenuTest, APickSetsTextCurrentColourPanelAndButtonFontsAndSavesNothing) {
    const struct {
        const char* format;
        const char* text; // for the pixel (200, 10): red 200, green 10, blue 0x10
    } cases[] = {
        {"1", "#C80A10"},    {"2", "200,010,016"}, {"3", "$00100AC8"}, {"4", "&H100AC8&"},
        {"5", "0x00100AC8"}, {"0", "keep"}, // no format: the text box keeps its text
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        Set({{0, c.format}});
        StartMain();
        main->CopyEdit->SetBytes("keep");
        PickWithEnterAt(200, 10);
        main->mnuPickScreenColor->trigger();

        const TColor picked = PatternColor(200, 10);
        EXPECT_EQ(Now(), (Looks{c.text, picked, picked, ButtonFontColorFor(picked),
                                ButtonFontColorFor(picked), ButtonFontColorFor(picked)}));
        EXPECT_EQ(FileBytes(), writtenBytes);
        EXPECT_TRUE(platform.CallsStartingWith("ShowMessage").empty());
    }
}

TEST_F(PickerMenuTest, CancelAndAnUnreadableScreenLeaveEverythingAsItWas) {
    StartMain();
    main->CopyEdit->SetBytes("#123456");
    const Looks before = Now();

    QCursor::setPos(QPoint(5, 5));
    WhenPickerShows([](PickerView& view) { QTest::keyClick(&view, Qt::Key_Escape); });
    main->mnuPickScreenColor->trigger();
    EXPECT_EQ(Now(), before);
    EXPECT_TRUE(platform.CallsStartingWith("ShowMessage").empty());

    // No screen and no portal: one message, nothing else.
    platform.screenShots.clear();
    platform.calls.clear();
    main->mnuPickScreenColor->trigger();
    EXPECT_EQ(Now(), before);
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{
                  "NormalizeTopMosts", "GrabScreens", "PortalPickColor", "RestoreTopMosts",
                  "ShowMessage: この環境では画面から色を拾えません\r\n（no portal）"}));
    EXPECT_EQ(FileBytes(), writtenBytes);
}

TEST_F(PickerMenuTest, AFormatEntryThatIsNoIntegerReportsLikeTheChooserAndChangesNothing) {
    Set({{0, "x"}});
    StartMain();
    const Looks before = Now();
    platform.calls.clear();
    PickWithEnterAt(200, 10);
    main->mnuPickScreenColor->trigger();
    EXPECT_EQ(Now(), before);
    EXPECT_EQ(platform.CallsStartingWith("ShowError"),
              (std::vector<std::string>{"ShowError: 'x' は整数ではありません."}));
}

TEST_F(PickerMenuTest, CtrlEStartsThePickerWhileTheTextBoxHasTheFocus) {
    StartMain();
    main->show();
    main->activateWindow();
    main->CopyEdit->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    main->CopyEdit->SetBytes("ab");
    main->CopyEdit->setCursorPosition(0);
    PickWithEnterAt(200, 10);
    QTest::keyClick(main->CopyEdit, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(platform.CallsStartingWith("GrabScreens").size(), 1u);
    EXPECT_EQ(main->CurrentColor, PatternColor(200, 10));
}

} // namespace
} // namespace tintor::test

// SHOW and COPY on the main window's text box: the current colour, panel and button fonts they
// set, and each message with the text the box held at the moment it was shown.
#include "support/WindowFixture.h"

#include <QTest>
#include <optional>

namespace tintor::test {
namespace {

// The five messages, written out here so that a changed text is caught.
const std::string NotationText = "C++、HTML、RGB、Delphi、cl、VisualBasic 形式のみ表示が可能です";
const std::string NumberText = "入力された数値に間違いがある為、色を表示できません";
const std::string NameText = "入力されたcl形式は、現在表示出来ません";
const std::string CopyLengthText =
    " 入力された文字が認識出来ません\nクリップボードにコピー出来ませんでした";
const std::string CopyFormatText = "フォーマットが正しくない為、テキストを認識出来ません";

const std::string Notation = "ShowMessage: " + NotationText + " | ";
const std::string Number = "ShowMessage: " + NumberText + " | ";
const std::string Name = "ShowMessage: " + NameText + " | ";
const std::string CopyLength = "ShowMessage: " + CopyLengthText + " | ";
const std::string CopyFormat = "ShowMessage: " + CopyFormatText + " | ";

constexpr TColor Base = 0x00C0C0C0;      // CurrentColor after start-up
constexpr TColor PanelMark = 0x00123456; // painted on the panel alone before each SHOW
constexpr TColor FontMark = 0x00ABCDEF;  // button fonts before each SHOW

enum Effect {
    Untouched, // CurrentColor, panel and fonts keep their values
    Repaint,   // CurrentColor kept; panel repainted with it, fonts recomputed
    NewColor,  // CurrentColor, panel and fonts take `color`
};

struct ShowCase {
    const char* text; // UTF-8; typed into the box as code page 932
    Effect effect;
    TColor color;
    const char* boxAfter;
    std::vector<std::string> boxes; // messages with the box's text at that moment
};

class ColourTextTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        StartMain();
        WatchBoxes();
    }
    void Type(const char* utf8) {
        main->CopyEdit->SetBytes(Sjis(utf8));
        platform.calls.clear();
        WatchBoxes();
    }
};

TEST_F(ColourTextTest, ShowAcceptsRefusesAndReportsInOrder) {
    const TColor Orange = 0x000080FF;
    const ShowCase cases[] = {
        {"#FF8000", NewColor, Orange, "#FF8000", {}},
        {"#ff8000", NewColor, Orange, "#ff8000", {}},
        {"255,128,000", NewColor, Orange, "255,128,000", {}},
        {"255;128;000", NewColor, Orange, "255;128;000", {}},
        {"$000080FF", NewColor, Orange, "$000080FF", {}},
        {"&H0080FF&", NewColor, Orange, "&H0080FF&", {}},
        {"&Z0080FF!", NewColor, Orange, "&Z0080FF!", {}},
        {"0x000080FF", NewColor, Orange, "0x000080FF", {}},
        {"clSkyBlue", NewColor, 0x00F0CAA6, "clSkyBlue", {}},
        {"clDkGray", NewColor, 0x00808080, "clDkGray", {}},
        {"$80000005", NewColor, static_cast<TColor>(0x80000005), "$80000005", {}},
        {"0x1,000,000", NewColor, 0x00000001, "0x1,000,000", {}},
        {"clred", Repaint, 0, "clred", {Name + "clred"}},
        {"cl", Repaint, 0, "cl", {Name + "cl"}},
        {"Clred", Untouched, 0, "", {Notation}},
        {"cx", Untouched, 0, "", {Notation + "cx"}},
        {"xyz", Untouched, 0, "", {Notation}},
        {"あいう", Untouched, 0, "", {Notation}},
        {" #FF0000", Untouched, 0, "", {Notation + " #FF0000"}},
        {"#FF80", Untouched, 0, "#FF80", {Number + "#FF80"}},
        {"&H0080FF", Untouched, 0, "&H0080FF", {Number + "&H0080FF"}},
        {"12345", Untouched, 0, "12345", {Number + "12345"}},
        {"#GG0000", Untouched, 0, "#GG0000", {Number + "#GG0000"}},
        {"#-10000", Untouched, 0, "#-10000", {Number + "#-10000"}},
        {"$0080FF", Untouched, 0, "$0080FF", {Number + "$0080FF"}},
        {"256,000,000", Untouched, 0, "256,000,000", {Number + "256,000,000"}},
        {"000,300,000", Untouched, 0, "000,300,000", {Number + "000,300,000"}},
        {"000,000,-01", Untouched, 0, "000,000,-01", {Number + "000,000,-01"}},
        {"2 5,000,000", Untouched, 0, "2 5,000,000", {Number + "2 5,000,000"}},
        // Ten bytes from "0", "1" or "2" without "0x00": converted to nothing, and it says so.
        {"0X000080FF", Untouched, 0, "0X000080FF", {Number + "0X000080FF"}},
        {"1x000080FF", Untouched, 0, "1x000080FF", {Number + "1x000080FF"}},
        {"", Untouched, 0, "", {}},
    };
    for (const ShowCase& c : cases) {
        SCOPED_TRACE(c.text);
        main->CurrentColor = Base;
        main->MainPanel->SetColor(PanelMark);
        for (FlatButton* button : {main->ButtonShow, main->ButtonCTC, main->ButtonPaste})
            button->SetFontColor(FontMark);
        Type(c.text);

        main->ButtonShow->click();

        const TColor current = c.effect == NewColor ? c.color : Base;
        EXPECT_EQ(main->CurrentColor, current);
        EXPECT_EQ(main->MainPanel->Color(), c.effect == Untouched ? PanelMark : current);
        const TColor font = c.effect == Untouched ? FontMark : ButtonFontColorFor(current);
        for (FlatButton* button : {main->ButtonShow, main->ButtonCTC, main->ButtonPaste})
            EXPECT_EQ(button->FontColor(), font) << button->objectName().toStdString();
        EXPECT_EQ(main->CopyEdit->Bytes(), Sjis(c.boxAfter));
        EXPECT_EQ(Boxes(), c.boxes);
    }
    // Nothing SHOW does is saved.
    EXPECT_EQ(FileBytes(), writtenBytes);
}

TEST_F(ColourTextTest, ShowOfSystemColourGivesLightButtonText) {
    Type("$80000005");
    main->ButtonShowClick();
    EXPECT_EQ(main->ButtonShow->FontColor(), LightButtonText);
}

TEST_F(ColourTextTest, BoxLosesTheFocusOnlyWhereItIsRedrawn) {
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    const struct {
        const char* text;
        FlatButton* TMainForm::*button;
        bool keepsFocus;
    } cases[] = {
        {"", &TMainForm::ButtonShow, true},         {" #FF0000", &TMainForm::ButtonShow, true},
        {"#FF0000", &TMainForm::ButtonShow, false}, {"xyz", &TMainForm::ButtonShow, false},
        {"#FF0000", &TMainForm::ButtonCTC, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Type(c.text);
        main->CopyEdit->setFocus();
        ASSERT_TRUE(main->CopyEdit->hasFocus());
        (main.get()->*c.button)->click();
        EXPECT_EQ(main->CopyEdit->hasFocus(), c.keepsFocus);
        EXPECT_TRUE(main->CopyEdit->isVisible());
    }
}

TEST_F(ColourTextTest, CopyPutsAcceptedTextOnTheClipboardAndRefusesTheRest) {
    const struct {
        const char* text;
        const char* boxAfter;
        std::vector<std::string> calls;
        std::vector<std::string> boxes;
    } cases[] = {
        {"#FF8000", "#FF8000", {"SetClipboardText: #FF8000"}, {}},
        {"12345", "12345", {"SetClipboardText: 12345"}, {}},
        {"clXYZ", "clXYZ", {"SetClipboardText: clXYZ"}, {}},
        {"&H0080FF&", "&H0080FF&", {"SetClipboardText: &H0080FF&"}, {}},
        {"#FF", "", {"ShowMessage: " + CopyLengthText}, {CopyLength}},
        {"", "", {"ShowMessage: " + CopyLengthText}, {CopyLength}},
        {"hello", "", {"ShowMessage: " + CopyFormatText}, {CopyFormat}},
        {"あいうえお", "", {"ShowMessage: " + CopyFormatText}, {CopyFormat}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        platform.clipboard = QStringLiteral("before");
        Type(c.text);
        main->ButtonCTC->click();
        EXPECT_EQ(platform.calls, c.calls);
        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_EQ(main->CopyEdit->Bytes(), Sjis(c.boxAfter));
        EXPECT_EQ(main->CurrentColor, Base);
    }
}

} // namespace
} // namespace tintor::test

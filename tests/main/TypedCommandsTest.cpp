// The command words that PASTE runs instead of pasting, the themes, and "DefaultAll" with the
// reset it leaves for the close.
#include "support/WindowFixture.h"

#include <functional>
#include <map>

namespace tintor::test {
namespace {

const std::string Success = "ShowMessage: Success! | ";
const std::string Theme = "ShowMessage: 　　？？？ | ";
const std::string DefaultAllBox = "MessageBox[0x31] TINTOR  [ Default All ]: "
                                  "次回起動時より、作成した色を除く全ての機能を初期化します | ";

// The live design of the window in the order window, title font, version font, text box font,
// text box background, panel, SHOW/COPY/PASTE fonts.
std::vector<TColor> LiveDesign(const TMainForm& m) {
    return {m.WindowColor(),           m.SystemPanel->Color(),
            FontColorOf(m.TitleLabel), FontColorOf(m.VersionInfoLabel),
            FontColorOf(m.CopyEdit),   BackgroundColorOf(m.CopyEdit),
            m.MainPanel->Color(),      m.ButtonShow->FontColor(),
            m.ButtonCTC->FontColor(),  m.ButtonPaste->FontColor()};
}
std::vector<TColor> Design(TColor window, TColor title, TColor version, TColor editFont,
                           TColor editColor, TColor panel, TColor buttons) {
    return {window, window, title, version, editFont, editColor, panel, buttons, buttons, buttons};
}

class TypedCommandsTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        lfLineEnds = true; // any save rewrites the file with CR LF
        platform.clipboard = QStringLiteral("CLIP");
    }
    // Types the word and presses PASTE.
    void Paste(const char* word) {
        main->CopyEdit->SetBytes(word);
        platform.calls.clear();
        WatchBoxes();
        main->ButtonPaste->click();
    }
    bool Hints(std::initializer_list<FlatButton*> buttons) {
        bool all = true;
        for (FlatButton* button : buttons)
            all = all && ShowHintOf(button);
        return all;
    }
};

TEST_F(TypedCommandsTest, EachWordDoesItsOwnThingAndSaves) {
    const std::vector<TColor> before =
        Design(0x000000FF, 0x000000FF, 0x00112233, 0x00010101, 0x00FEFEFE, 0x00C0C0C0, 0x00000000);
    const struct {
        const char* word;
        std::map<int, std::string> start;   // entries before the word
        std::map<int, std::string> written; // entries the word stores
        std::optional<TColor> chooser;
        std::vector<std::string> boxes;
        const char* boxAfter;
        std::function<bool(TMainForm&)> effect;
    } cases[] = {
        {"HideButtonAll",
         {},
         {{16, "Hide"}},
         {},
         {Success},
         "",
         [&](TMainForm& m) {
             return !ShowHintOf(m.ButtonShow) && !ShowHintOf(m.ButtonCTC) &&
                    !ShowHintOf(m.ButtonPaste) && ShowHintOf(m.SBClose);
         }},
        {"ShowButtonAll",
         {{16, "Hide"}},
         {{16, "Show"}},
         {},
         {Success},
         "",
         [&](TMainForm& m) {
             return Hints({m.ButtonShow, m.ButtonCTC, m.ButtonPaste});
         }},
        {"HideSystemHint",
         {},
         {{17, "Hide"}},
         {},
         {Success},
         "",
         [&](TMainForm& m) {
             return !ShowHintOf(m.SBSetting) && !ShowHintOf(m.SBMinimize) &&
                    !ShowHintOf(m.SBClose) && ShowHintOf(m.ButtonShow);
         }},
        {"ShowSystemHint",
         {{17, "Hide"}},
         {{17, "Show"}},
         {},
         {Success},
         "",
         [&](TMainForm& m) {
             return Hints({m.SBSetting, m.SBMinimize, m.SBClose});
         }},
        {"DefaultTColor",
         {},
         {{2, "$009B684D"}},
         {},
         {Success},
         "",
         [&](TMainForm& m) {
             return m.WindowColor() == 0x009B684D && m.SystemPanel->Color() == 0x009B684D;
         }},
        {"TitleBarColor",
         {},
         {{2, "$00332211"}},
         0x00332211,
         {},
         "TitleBarColor",
         [&](TMainForm& m) {
             return m.WindowColor() == 0x00332211 && m.SystemPanel->Color() == 0x00332211;
         }},
        {"TitleFontColor",
         {},
         {{3, "$00332211"}},
         0x00332211,
         {},
         "TitleFontColor",
         [&](TMainForm& m) { return FontColorOf(m.TitleLabel) == 0x00332211; }},
        {"DefaultTFColor",
         {},
         {{3, "$00FFFFFF"}},
         {},
         {},
         "DefaultTFColor",
         [&](TMainForm& m) { return FontColorOf(m.TitleLabel) == 0x00FFFFFF; }},
        {"KING",
         {},
         {{19, "Cross"}},
         {},
         {Theme},
         "",
         [&](TMainForm& m) { return m.MainPanel->cursor().shape() == Qt::CrossCursor; }},
        {"PAWN",
         {{19, "Cross"}},
         {{19, "Normal"}},
         {},
         {Theme},
         "",
         [&](TMainForm& m) { return m.MainPanel->cursor().shape() == Qt::ArrowCursor; }},
        {"QUEEN",
         {},
         {{2, "$00C4C2F5"},
          {3, "$00625FE7"},
          {6, "$00C4C2F5"},
          {8, "$005451E1"},
          {9, "$00E2E1FD"},
          {10, "$007A77EE"},
          {11, "$00C4C2F5"},
          {12, "$00C4C2F5"},
          {13, "$00C4C2F5"}},
         {},
         {Theme},
         "",
         [&](TMainForm& m) {
             return LiveDesign(m) == Design(0x00C4C2F5, 0x00625FE7, 0x00C4C2F5, 0x005451E1,
                                            0x00E2E1FD, 0x007A77EE, 0x00C4C2F5);
         }},
        {"KNIGHT",
         {},
         {{2, "clSilver"},
          {3, "clWhite"},
          {6, "$00505050"},
          {8, "$00646466"},
          {9, "clWhite"},
          {10, "clGray"},
          {11, "$00E7E7E7"},
          {12, "$00E7E7E7"},
          {13, "$00E7E7E7"}},
         {},
         {Theme},
         "",
         [&](TMainForm& m) {
             return LiveDesign(m) == Design(0x00C0C0C0, 0x00FFFFFF, 0x00505050, 0x00646466,
                                            0x00FFFFFF, 0x00808080, 0x00E7E7E7);
         }},
        {"BISHOP",
         {},
         {{2, "$005CF36B"},
          {3, "clGreen"},
          {6, "$001E1E1E"},
          {8, "$00E1A277"},
          {9, "clWhite"},
          {10, "$00F2A78A"},
          {11, "$003D3A38"},
          {12, "$003D3A38"},
          {13, "$003D3A38"}},
         {},
         {Theme},
         "",
         [&](TMainForm& m) {
             return LiveDesign(m) == Design(0x005CF36B, 0x00008000, 0x001E1E1E, 0x00E1A277,
                                            0x00FFFFFF, 0x00F2A78A, 0x003D3A38);
         }},
        {"ROOK",
         {},
         {{2, "$000080FF"},
          {3, "clWhite"},
          {6, "$00505050"},
          {8, "$000080FF"},
          {9, "clWhite"},
          {10, "clSilver"},
          {11, "$00606060"},
          {12, "$00606060"},
          {13, "$00606060"}},
         {},
         {Theme},
         "",
         [&](TMainForm& m) {
             return LiveDesign(m) == Design(0x000080FF, 0x00FFFFFF, 0x00505050, 0x000080FF,
                                            0x00FFFFFF, 0x00C0C0C0, 0x00606060);
         }},
        // Near misses are no commands: plain PASTE replaces the text with the clipboard's.
        {"king", {}, {}, {}, {}, "CLIP", [&](TMainForm& m) { return LiveDesign(m) == before; }},
        {"King", {}, {}, {}, {}, "CLIP", [&](TMainForm& m) { return LiveDesign(m) == before; }},
        {"KING ",
         {},
         {},
         {},
         {},
         "CLIP",
         [&](TMainForm& m) { return m.MainPanel->cursor().shape() == Qt::ArrowCursor; }},
        {" ROOK", {}, {}, {}, {}, "CLIP", [&](TMainForm& m) { return LiveDesign(m) == before; }},
        {"defaultall", {}, {}, {}, {}, "CLIP", [&](TMainForm& m) { return m.ResetOnClose == 0; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        settings = FirstSettings();
        Set({{2, "clRed"}, {3, "clRed"}, {6, "$00112233"}, {8, "$00010101"}, {9, "$00FEFEFE"}});
        Set(c.start);
        StartMain();
        ASSERT_EQ(LiveDesign(*main), before);
        if (c.chooser) platform.colorAnswers = {*c.chooser};

        Paste(c.word);

        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_EQ(main->CopyEdit->Bytes(), c.boxAfter);
        EXPECT_TRUE(c.effect(*main));
        EXPECT_EQ(main->CurrentColor, 0x00C0C0C0);
        if (c.written.empty()) {
            EXPECT_EQ(FileBytes(), writtenBytes);
        } else {
            SettingsArray expected = settings;
            for (const auto& [index, value] : c.written)
                expected[static_cast<std::size_t>(index)] = value;
            EXPECT_EQ(main->Settings, expected);
            EXPECT_EQ(FileBytes(), SavedBytes(expected));
        }
    }
}

TEST_F(TypedCommandsTest, ChooserCancelLeavesTheWordAndChangesNothing) {
    StartMain();
    for (const char* word : {"TitleBarColor", "TitleFontColor"}) {
        SCOPED_TRACE(word);
        const std::vector<TColor> before = LiveDesign(*main);
        platform.colorAnswers = {std::nullopt};
        Paste(word);
        EXPECT_EQ(platform.calls, std::vector<std::string>{"ChooseColor"});
        EXPECT_EQ(main->CopyEdit->Bytes(), word);
        EXPECT_EQ(LiveDesign(*main), before);
        EXPECT_EQ(FileBytes(), writtenBytes);
    }
    // The word stays, so a second PASTE runs it again.
    platform.colorAnswers = {0x00000080};
    platform.calls.clear();
    main->ButtonPaste->click();
    EXPECT_EQ(platform.calls, std::vector<std::string>{"ChooseColor"});
    EXPECT_EQ(FontColorOf(main->TitleLabel), 0x00000080);
}

TEST_F(TypedCommandsTest, DefaultAllWithOkShowsDefaultsNowAndWritesThemAtClose) {
    Set({{0, "3"},
         {2, "clRed"},
         {7, "Mine"},
         {16, "Hide"},
         {20, "clRed"},
         {32, "#FF0000"},
         {44, "Mine"},
         {47, "StayOnTop"}});
    StartMain();
    platform.messageBoxAnswers = {IDOK};
    Paste("DefaultAll");

    EXPECT_EQ(Boxes(), (std::vector<std::string>{DefaultAllBox + "DefaultAll", Success}));
    EXPECT_EQ(main->CopyEdit->Bytes(), "");
    EXPECT_EQ(LiveDesign(*main), Design(0x009B684D, 0x00FFFFFF, 0x001E1E1E, 0x00001111, 0x00FFFFFF,
                                        0x00C0C0C0, 0x00000000));
    EXPECT_EQ(main->CurrentColor, 0x00C0C0C0);
    EXPECT_EQ(main->ResetOnClose, 1);
    // The file keeps the previous design until the close.
    EXPECT_EQ(FileBytes(), SavedBytes(settings));

    // A theme afterwards is captured and saved, yet the close writes the reset values.
    Paste("ROOK");
    EXPECT_EQ(FileLines().at(2), "$000080FF");
    main->move(640, 10);
    EXPECT_TRUE(main->FormCloseQuery());
    SettingsArray expected = main->Settings;
    StoreResetValues(expected);
    EXPECT_EQ(FileBytes(), SavedBytes(expected));
    const std::vector<std::string> lines = FileLines();
    EXPECT_EQ(lines.at(4), "300");
    EXPECT_EQ(lines.at(7), "TINTOR");
    EXPECT_EQ(lines.at(2), "$009B684D");
    EXPECT_EQ(lines.at(8), "$00000000");
    EXPECT_EQ(lines.at(20), "clRed");
    EXPECT_EQ(lines.at(32), "#FF0000");
    EXPECT_EQ(lines.at(44), "Group1");
    EXPECT_EQ(lines.at(47), "StayOnTop");
}

TEST_F(TypedCommandsTest, DefaultAllWithCancelOnlyEmptiesTheBox) {
    StartMain();
    const std::vector<TColor> before = LiveDesign(*main);
    platform.messageBoxAnswers = {IDCANCEL};
    Paste("DefaultAll");
    EXPECT_EQ(Boxes(), std::vector<std::string>{DefaultAllBox + "DefaultAll"});
    EXPECT_EQ(platform.calls.size(), 1u);
    EXPECT_EQ(main->CopyEdit->Bytes(), "");
    EXPECT_TRUE(main->CopyEdit->isVisibleTo(main.get()));
    EXPECT_EQ(LiveDesign(*main), before);
    EXPECT_EQ(main->ResetOnClose, 0);
    EXPECT_EQ(FileBytes(), writtenBytes);

    // The close then stores the position as usual.
    main->move(12, 34);
    main->FormCloseQuery();
    EXPECT_EQ(FileLines().at(4), "34");
    EXPECT_EQ(FileLines().at(7), "TINTOR");
}

} // namespace
} // namespace tintor::test

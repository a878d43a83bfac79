// Save, Set, Copy, Default and Default all on the slots, checked against System.tri's bytes.
#include "ColorSaveFormFixture.h"

#include "colour/ColorNames.h"
#include "colour/ColorValue.h"
#include "settings/TextFile.h"

#include <functional>

namespace tintor::test {
namespace {

struct GateCase {
    const char* name;
    std::string text; // bytes in the main window's text box
    bool saves;
};

class SaveGate : public ColorSaveFormTest, public ::testing::WithParamInterface<GateCase> {};

TEST_P(SaveGate, NeedsSevenBytesInTheTextBox) {
    const GateCase& c = GetParam();
    Start();
    Tick({main->mnuHTML});
    main->CurrentColor = 0x00563412;
    main->CopyEdit->SetBytes(c.text);
    ASSERT_EQ(main->CopyEdit->Bytes(), c.text);
    const std::string before = FileBytes();

    form->Save1->click();

    if (!c.saves) {
        EXPECT_EQ(FileBytes(), before);
        EXPECT_EQ(form->ColorNameOf(1)->Caption(), "none");
        return;
    }
    // What is saved is the current colour, whatever the text says.
    EXPECT_EQ(form->Swatch(1)->Color(), 0x00563412);
    EXPECT_EQ(form->ColorNameOf(1)->Caption(), "#123456");
    auto expected = settings;
    expected[idx::SlotColor0 + 1] = ColorToIdentText(0x00563412);
    expected[idx::SlotName0 + 1] = "#123456";
    EXPECT_EQ(FileLines(), std::vector<std::string>(expected.begin(), expected.end()));
}

INSTANTIATE_TEST_SUITE_P(
    ColorSaveFormTest, SaveGate,
    ::testing::Values(GateCase{"Empty", "", false}, GateCase{"FourAscii", "abcd", false},
                      GateCase{"SixAscii", "#12345", false},
                      GateCase{"SevenAsciiNoColour", "abcdefg", true},
                      GateCase{"ThreeFullWidthOneAscii", Sjis("あいう") + "x", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ColorSaveFormTest, Group2WithRB6SavesSetsAndCopiesSlot6) {
    settings[idx::SlotColor0 + 5] = "clRed";
    settings[idx::SlotName0 + 5] = "#FF0000";
    Start();
    Tick({main->mnuRGB});
    form->RB(6)->setChecked(true);
    EXPECT_FALSE(form->RB(5)->isChecked());
    main->CurrentColor = 0x00ABCDEF;
    main->CopyEdit->SetBytes("#EFCDAB");

    form->Save2->click();
    auto lines = FileLines();
    EXPECT_EQ(lines.at(25), ColorToIdentText(0x00ABCDEF));
    EXPECT_EQ(lines.at(37), "239,205,171");
    EXPECT_EQ(lines.at(24), "clRed");
    EXPECT_EQ(lines.at(36), "#FF0000");

    const std::string saved = FileBytes();
    main->CurrentColor = 0;
    main->MainPanel->SetColor(0);
    main->CopyEdit->SetBytes("");
    form->Set2->click();
    EXPECT_EQ(main->CopyEdit->Bytes(), "239,205,171");
    EXPECT_EQ(main->MainPanel->Color(), 0x00ABCDEF);
    EXPECT_EQ(main->CurrentColor, 0x00ABCDEF);

    form->Copy2->click();
    EXPECT_EQ(platform.CallsStartingWith("SetClipboardText"),
              std::vector<std::string>{"SetClipboardText: 239,205,171"});
    // Set and Copy write nothing.
    EXPECT_EQ(FileBytes(), saved);
}

TEST_F(ColorSaveFormTest, VisualBasicNameCarriesOneMoreAmpersandEachEnd) {
    Start();
    Tick({main->mnuVB});
    main->CurrentColor = 0x00123456; // blue 0x12, green 0x34, red 0x56
    main->CopyEdit->SetBytes("&H123456&");
    form->Save1->click();
    EXPECT_EQ(form->ColorNameOf(1)->Caption(), "&&H123456&&");
    EXPECT_EQ(FileLines().at(32), "&&H123456&&");

    main->CopyEdit->SetBytes("");
    form->Set1->click();
    EXPECT_EQ(main->CopyEdit->Bytes(), "&H123456&");
    form->Copy1->click();
    EXPECT_EQ(platform.CallsStartingWith("SetClipboardText"),
              std::vector<std::string>{"SetClipboardText: &H123456&"});
}

TEST_F(ColorSaveFormTest, NameFollowsTheTickedFormatItemsInOrder) {
    Start();
    main->CurrentColor = 0x00563412;
    main->CopyEdit->SetBytes("#123456");
    // Several ticked: the last item tested (C++) wins; none ticked: the name is kept.
    Tick({main->mnuHTML, main->mnuDelphi, main->mnuCplus});
    form->Save1->click();
    EXPECT_EQ(form->ColorNameOf(1)->Caption(), "0x00563412");
    Tick({});
    main->CurrentColor = 0x000000FF;
    form->Save1->click();
    EXPECT_EQ(form->ColorNameOf(1)->Caption(), "0x00563412");
    EXPECT_EQ(form->Swatch(1)->Color(), 0x000000FF);
    EXPECT_EQ(FileLines().at(20), ColorToIdentText(0x000000FF));
    EXPECT_EQ(FileLines().at(32), "0x00563412");
}

TEST_F(ColorSaveFormTest, SetGivesTheNameAsSavedNotReformatted) {
    settings[idx::SlotColor0 + 10] = "$00FF8000";
    settings[idx::SlotName0 + 10] = "#0080FF";
    Start();
    Tick({main->mnuRGB});
    form->RB(10)->setChecked(true);
    form->Set3->click();
    EXPECT_EQ(main->CopyEdit->Bytes(), "#0080FF");
    EXPECT_EQ(main->CurrentColor, 0x00FF8000);
}

TEST_F(ColorSaveFormTest, EmptySlotWithAColourIsLeftAlone) {
    settings[idx::SlotColor0 + 1] = "clRed";
    settings[idx::SlotName0 + 1] = "none";
    Start();
    main->CopyEdit->SetBytes("#ABCDEF");
    main->CurrentColor = 0x00EFCDAB;
    main->MainPanel->SetColor(0x00EFCDAB);
    form->Set1->click();
    form->Copy1->click();
    EXPECT_EQ(main->CopyEdit->Bytes(), "#ABCDEF");
    EXPECT_EQ(main->CurrentColor, 0x00EFCDAB);
    EXPECT_EQ(main->MainPanel->Color(), 0x00EFCDAB);
    EXPECT_TRUE(platform.CallsStartingWith("SetClipboardText").empty());
}

TEST_F(ColorSaveFormTest, DefaultResetsOneSlot) {
    settings[idx::SlotColor0 + 3] = "clRed";
    settings[idx::SlotName0 + 3] = "#FF0000";
    settings[idx::SlotColor0 + 4] = "clBlue";
    settings[idx::SlotName0 + 4] = "#0000FF";
    Start();
    form->Def(4)->click();
    EXPECT_EQ(form->Swatch(4)->Color(), clWhite);
    EXPECT_EQ(form->ColorNameOf(4)->Caption(), "none");
    auto expected = settings;
    expected[idx::SlotColor0 + 4] = "$00FFFFFF";
    expected[idx::SlotName0 + 4] = "none";
    EXPECT_EQ(FileLines(), std::vector<std::string>(expected.begin(), expected.end()));
    EXPECT_TRUE(platform.CallsStartingWith("MessageBox").empty());
}

class DefaultAll : public ColorSaveFormTest, public ::testing::WithParamInterface<int> {};

TEST_P(DefaultAll, AsksThenResetsEverySlotOnlyOnOk) {
    const int answer = GetParam();
    for (int n = 1; n <= 12; ++n) {
        settings[idx::SlotColor0 + n] = std::to_string(n);
        settings[idx::SlotName0 + n] = "name" + std::to_string(n);
    }
    Start();
    const std::string before = FileBytes();
    platform.calls.clear();
    platform.messageBoxAnswers = {answer};

    form->ButtonDefault4->click();

    const std::string box = Utf8(U(
        "MessageBox[0x31] TINTOR  [ Default All ]: Group1～3 に登録された全ての色を初期化します"));
    if (answer != IDOK) {
        EXPECT_EQ(platform.calls,
                  (std::vector<std::string>{"NormalizeTopMosts", box, "RestoreTopMosts"}));
        EXPECT_EQ(FileBytes(), before);
        EXPECT_EQ(form->Swatch(7)->Color(), 7);
        EXPECT_EQ(form->ColorNameOf(7)->Caption(), "name7");
        return;
    }
    EXPECT_EQ(platform.calls, (std::vector<std::string>{
                                  "NormalizeTopMosts", box,
                                  Utf8(U("ShowMessage: 保存されていた全ての色を初期化しました")),
                                  "RestoreTopMosts"}));
    const auto lines = FileLines();
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(lines.at(19 + n), "$00FFFFFF");
        EXPECT_EQ(lines.at(31 + n), "none");
        EXPECT_EQ(form->Swatch(n)->Color(), clWhite);
        EXPECT_EQ(form->ColorNameOf(n)->Caption(), "none");
    }
    EXPECT_EQ(lines.at(idx::GroupName0 + 1), settings[idx::GroupName0 + 1]);
}

INSTANTIATE_TEST_SUITE_P(ColorSaveFormTest, DefaultAll, ::testing::Values(IDOK, IDCANCEL));

TEST_F(ColorSaveFormTest, DefaultAllRestoresTopMostsWhenASaveFails) {
    Start();
    platform.messageBoxAnswers = {IDOK};
    platform.settingsPath = Path("no/such/dir/System.tri");
    platform.calls.clear();
    form->ButtonDefault4->click();
    ASSERT_EQ(platform.CallsStartingWith("ShowError").size(), 1u);
    EXPECT_EQ(platform.CallsStartingWith("RestoreTopMosts").size(), 1u);
    EXPECT_TRUE(platform.CallsStartingWith("ShowMessage").empty());
}

// Every write of System.tri goes through one write(2) here; the count shows how often an action
// rewrites the file: once for a change, once per slot when all slots are reset, never for Set,
// Copy or the set-up.
TEST_F(ColorSaveFormTest, EachActionRewritesSystemTriAsOftenAsItChanges) {
    int writes = 0;
    SetWriteLimiterForTesting([&writes](std::size_t requested) {
        ++writes;
        return requested;
    });
    struct RemoveLimiter {
        ~RemoveLimiter() { SetWriteLimiterForTesting(nullptr); }
    } removeLimiter;

    settings[idx::SlotColor0 + 1] = "clRed";
    settings[idx::SlotName0 + 1] = "#FF0000";
    Start();
    EXPECT_EQ(writes, 0) << "set-up";
    Tick({main->mnuHTML});
    main->CurrentColor = 0x00563412;
    main->CopyEdit->SetBytes("#123456");

    const struct {
        const char* action;
        std::function<void()> run;
        int writes;
    } cases[] = {
        {"Set", [&] { form->Set1->click(); }, 0},
        {"Copy", [&] { form->Copy1->click(); }, 0},
        {"Save", [&] { form->Save1->click(); }, 1},
        {"Default", [&] { form->Def(2)->click(); }, 1},
        {"group name", [&] { form->ButtonSetting2->click(); }, 1},
        {"window style", [&] { form->FStyle2->click(); }, 1},
        {"Default all, cancelled",
         [&] {
             platform.messageBoxAnswers = {IDCANCEL};
             form->ButtonDefault4->click();
         },
         0},
        {"Default all",
         [&] {
             platform.messageBoxAnswers = {IDOK};
             form->ButtonDefault4->click();
         },
         12},
    };
    for (const auto& c : cases) {
        writes = 0;
        c.run();
        EXPECT_EQ(writes, c.writes) << c.action;
    }
    EXPECT_TRUE(platform.CallsStartingWith("ShowError").empty());
}

} // namespace
} // namespace tintor::test

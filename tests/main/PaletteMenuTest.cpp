// The palette items of the exchange submenu: their place, the GIMP and CSS exports of the slots
// as shown, the GIMP import stored as Save stores a slot, and bad palettes that change nothing.
#include "support/WindowFixture.h"

#include "colour/ColorNames.h"
#include "exchange/GimpPalette.h"

namespace tintor::test {
namespace {

const std::string GplDialog = "[GIMP パレット (*.gpl)|*.gpl|gpl] ";
const std::string CssDialog = "[CSS (*.css)|*.css|css] ";

class PaletteMenuTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        lfLineEnds = true; // any save rewrites the file with CR LF
        Set({{20, "clRed"},
             {32, "#FF0000"},
             {23, "$00123456"},
             {35, "&&H123456&&"},
             {43, Sjis("窓色")}});
        StartBoth();
        platform.calls.clear();
    }
    void Run(QAction* TMainForm::*item, std::optional<std::string> answer) {
        platform.fileAnswers = {answer ? std::optional<QString>(QString::fromStdString(*answer))
                                       : std::nullopt};
        platform.calls.clear();
        WatchBoxes();
        (main.get()->*item)->trigger();
    }
    // The slots as the window shows them and as Settings mirror them.
    std::string Slots() const {
        std::string s;
        for (int n = 1; n <= 12; ++n)
            s += ColorToIdentText(saveForm->Swatch(n)->Color()) + "/" +
                 saveForm->ColorNameOf(n)->Caption() + " ";
        for (const std::string& entry : main->Settings)
            s += "|" + entry;
        return s;
    }
};

TEST_F(PaletteMenuTest, ItemsFollowTheDesignItemsAfterASeparator) {
    const QList<QAction*> actions = main->COLORS1->actions();
    const qsizetype design = actions.indexOf(main->mnuExportDesine);
    ASSERT_EQ(actions.size(), design + 5);
    EXPECT_TRUE(actions[design + 1]->isSeparator());
    const std::pair<QAction*, const char*> items[] = {
        {main->mnuExportPalette, "パレットのエクスポート (GIMP .gpl)(&5)"},
        {main->mnuImportPalette, "パレットのインポート (GIMP .gpl)(&6)"},
        {main->mnuExportCss, "CSS 変数でエクスポート(&7)"}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(actions[design + 2 + i], items[i].first);
        EXPECT_EQ(items[i].first->text(), U(items[i].second));
        EXPECT_FALSE(HintOf(items[i].first).isEmpty());
    }
}

TEST_F(PaletteMenuTest, ExportsWriteTheTwelveSlotsAsShown) {
    Run(&TMainForm::mnuExportPalette, Path("mine"));
    EXPECT_EQ(platform.calls, std::vector<std::string>{"SaveFileDialog" + GplDialog});
    std::string gpl = "GIMP Palette\nName: TINTOR\nColumns: 4\n#\n"
                      "255 0 0\t#FF0000\n255 255 255\tnone\n255 255 255\tnone\n"
                      "86 52 18\t&&H123456&&\n";
    for (int n = 5; n <= 11; ++n)
        gpl += "255 255 255\tnone\n";
    gpl += "255 255 255\t窓色\n";
    EXPECT_EQ(ReadFileBytes(Path("mine.gpl")), gpl);

    // The shared dialog offers the last name with the palette's own extension.
    Run(&TMainForm::mnuExportCss, Path("sheet"));
    EXPECT_EQ(platform.calls,
              std::vector<std::string>{"SaveFileDialog" + CssDialog + Path("mine.css")});
    const std::string css = ReadFileBytes(Path("sheet.css"));
    EXPECT_EQ(css.substr(0, 29), "@charset \"UTF-8\";\n:root {\n  -");
    EXPECT_NE(css.find("  --tintor-1: #FF0000; /* #FF0000 */\n"), std::string::npos);
    EXPECT_NE(css.find("  --tintor-4: #563412; /* &&H123456&& */\n"), std::string::npos);
    EXPECT_NE(css.find("  --tintor-12: #FFFFFF; /* 窓色 */\n}\n"), std::string::npos);
    EXPECT_EQ(FileBytes(), writtenBytes); // exports save nothing
}

TEST_F(PaletteMenuTest, ImportStoresLikeSaveAndLeavesLaterSlots) {
    main->mnuHTMLClick(main->mnuRGB); // unnamed colours are named as Save names them now
    // Names: Japanese, longer than a slot name holds, and with characters code page 932
    // cannot hold.
    WriteFileBytes(Path("in.gpl"), "GIMP Palette\r\nName: x\r\n# comment\r\n"
                                   "0 0 255\t青い空\r\n"
                                   "1 2 3\r\n"
                                   "10 20 30\tあいうえおかきくけ\r\n"
                                   "255 255 255\t한국 white\r\n");
    Run(&TMainForm::mnuImportPalette, Path("in.gpl"));
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"OpenFileDialog" + GplDialog, "ShowMessage: Success !"}));

    const std::pair<const char*, std::string> wanted[] = {{"clBlue", Sjis("青い空")},
                                                          {"$00030201", "001,002,003"},
                                                          {"$001E140A", Sjis("あいうえおかき")},
                                                          {"clWhite", "?? white"}};
    for (int n = 1; n <= 4; ++n) {
        const auto& [color, name] = wanted[n - 1];
        EXPECT_EQ(ColorToIdentText(saveForm->Swatch(n)->Color()), color);
        EXPECT_EQ(saveForm->ColorNameOf(n)->Caption(), name);
    }
    EXPECT_EQ(main->Settings[20], "clBlue");
    EXPECT_EQ(main->Settings[32], Sjis("青い空"));
    EXPECT_EQ(main->Settings[23], "clWhite");
    EXPECT_EQ(main->Settings[35], "?? white");
    // Slots 5 to 12 as they were.
    EXPECT_EQ(main->Settings[43], Sjis("窓色"));
    EXPECT_EQ(saveForm->ColorNameOf(12)->Caption(), Sjis("窓色"));
    EXPECT_EQ(FileBytes(), SavedBytes(main->Settings));
}

TEST_F(PaletteMenuTest, ExportThenImportGivesTheSameSlots) {
    Run(&TMainForm::mnuExportPalette, Path("round.gpl"));
    const std::string before = Slots();
    for (int n = 1; n <= 12; ++n)
        saveForm->Def1Click(saveForm->Def(n));
    ASSERT_NE(Slots(), before);
    Run(&TMainForm::mnuImportPalette, Path("round.gpl"));
    // Colours come back as colour identifier texts of the same values.
    EXPECT_EQ(ColorToIdentText(saveForm->Swatch(4)->Color()), "$00123456");
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(saveForm->ColorNameOf(n)->Caption(),
                  main->Settings[static_cast<std::size_t>(31 + n)]);
    }
    EXPECT_EQ(saveForm->ColorNameOf(1)->Caption(), "#FF0000");
    EXPECT_EQ(saveForm->ColorNameOf(4)->Caption(), "&&H123456&&");
    EXPECT_EQ(saveForm->ColorNameOf(12)->Caption(), Sjis("窓色"));
    EXPECT_EQ(saveForm->Swatch(1)->Color(), 0x000000FF);
}

TEST_F(PaletteMenuTest, BadPalettesChangeNothing) {
    WriteFileBytes(Path("tud.gpl"), "clRed\r\nclRed\r\n");
    WriteFileBytes(Path("range.gpl"), "GIMP Palette\n0 0 0 ok\n0 0 256 bad\n");
    WriteFileBytes(Path("word.gpl"), "GIMP Palette\n0 0 0 ok\nColour: red\n");
    WriteFileBytes(Path("empty.gpl"), "GIMP Palette\nName: nothing\n");
    std::string huge = "GIMP Palette\n";
    while (huge.size() <= MaxPaletteBytes)
        huge += "1 2 3 xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\n";
    WriteFileBytes(Path("huge.gpl"), huge);

    const std::string before = Slots();
    const std::pair<std::string, std::string> cases[] = {
        {"tud.gpl", "GIMP パレットのファイルではありません."},
        {"range.gpl", "パレットの 3 行目に 0～255 の範囲外の値があります."},
        {"word.gpl", "パレットの 3 行目は色の指定ではありません."},
        {"empty.gpl", "パレットに色がありません."},
        {"huge.gpl", "パレットのファイルが大き過ぎます (1 MB まで)"},
        {"missing.gpl", "ファイル " + Path("missing.gpl") + " は開けません."}};
    for (const auto& [file, message] : cases) {
        SCOPED_TRACE(file);
        Run(&TMainForm::mnuImportPalette, Path(file));
        ASSERT_EQ(platform.calls.size(), 2u);
        EXPECT_EQ(platform.calls[1], "ShowError: " + message);
        EXPECT_EQ(Slots(), before);
        EXPECT_EQ(FileBytes(), writtenBytes);
    }
}

TEST_F(PaletteMenuTest, CancelAndUnwritableFile) {
    const std::string before = Slots();
    for (auto item :
         {&TMainForm::mnuExportPalette, &TMainForm::mnuImportPalette, &TMainForm::mnuExportCss}) {
        Run(item, std::nullopt);
        EXPECT_EQ(platform.calls.size(), 1u);
    }
    Run(&TMainForm::mnuExportCss, Path("none/out.css"));
    EXPECT_EQ(platform.calls.back(),
              "ShowError: ファイル " + Path("none/out.css") + " を作成できません.");
    EXPECT_EQ(Slots(), before);
    EXPECT_EQ(FileBytes(), writtenBytes);
}

} // namespace
} // namespace tintor::test

// The four exchange commands of the main menu: user colour files (.tud) and design files
// (.tdd), imported into and exported from both windows.
#include "support/WindowFixture.h"

#include "colour/ColorNames.h"

namespace tintor::test {
namespace {

const std::string TudDialog = "[TINTOR ユーザ作成色データ(*.tud)|*.tud|tud] ";
const std::string TddDialog = "[TINTOR デザインデータ(*.tdd)|*.tdd|tdd] ";

class ExchangeTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        lfLineEnds = true; // any save rewrites the file with CR LF
        Set({{20, "clRed"},
             {32, "#FF0000"},
             {23, "$00123456"},
             {35, "&&H123456&&"},
             {31, "$80000005"},
             {43, Sjis("窓色")},
             {2, "clNavy"},
             {6, "$00010203"},
             {10, "$00ABCDEF"}});
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
    std::vector<TColor> Swatches() const {
        std::vector<TColor> colors;
        for (int n = 1; n <= 12; ++n)
            colors.push_back(saveForm->Swatch(n)->Color());
        return colors;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int n = 1; n <= 12; ++n)
            names.push_back(saveForm->ColorNameOf(n)->Caption());
        return names;
    }
    // Everything an import may touch, to compare before and after.
    std::string Snapshot() const {
        std::string s;
        for (TColor c : Swatches())
            s += ColorToIdentText(c) + " ";
        for (const std::string& name : Names())
            s += name + " ";
        s += ColorToIdentText(main->WindowColor()) + " " +
             ColorToIdentText(main->SystemPanel->Color()) + " " +
             ColorToIdentText(FontColorOf(main->TitleLabel)) + " " +
             ColorToIdentText(FontColorOf(main->VersionInfoLabel)) + " " +
             ColorToIdentText(FontColorOf(main->CopyEdit)) + " " +
             ColorToIdentText(BackgroundColorOf(main->CopyEdit)) + " " +
             ColorToIdentText(main->MainPanel->Color()) + " " +
             ColorToIdentText(main->ButtonShow->FontColor());
        for (const std::string& entry : main->Settings)
            s += "|" + entry;
        return s;
    }
    std::vector<std::string> FilesInDir() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(ExchangeTest, CancelledDialogWritesAndChangesNothing) {
    const struct {
        QAction* TMainForm::*item;
        std::string dialog;
    } cases[] = {
        {&TMainForm::mnuPort, "OpenFileDialog" + TudDialog},
        {&TMainForm::mnuExportColor, "SaveFileDialog" + TudDialog},
        {&TMainForm::mnuInportDesine, "OpenFileDialog" + TddDialog},
        {&TMainForm::mnuExportDesine, "SaveFileDialog" + TddDialog},
    };
    const std::string before = Snapshot();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dialog);
        Run(c.item, std::nullopt);
        EXPECT_EQ(platform.calls, std::vector<std::string>{c.dialog});
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(FilesInDir(), std::vector<std::string>{"System.tri"});
        EXPECT_EQ(FileBytes(), writtenBytes);
    }
}

TEST_F(ExchangeTest, UserColourExportWritesTheSlotsAsShown) {
    Run(&TMainForm::mnuExportColor, Path("mine"));
    EXPECT_EQ(platform.calls, std::vector<std::string>{"SaveFileDialog" + TudDialog});
    std::vector<std::string> lines = {"clRed",       "clWhite",  "clWhite", "$00123456", "clWhite",
                                      "clWhite",     "clWhite",  "clWhite", "clWhite",   "clWhite",
                                      "clWhite",     "clWindow", "#FF0000", "none",      "none",
                                      "&&H123456&&", "none",     "none",    "none",      "none",
                                      "none",        "none",     "none",    Sjis("窓色")};
    EXPECT_EQ(ReadFileBytes(Path("mine.tud")), JoinTextLines(lines));
    EXPECT_EQ(FileBytes(), writtenBytes);
    // The dialog offers the name chosen last.
    Run(&TMainForm::mnuExportColor, std::nullopt);
    EXPECT_EQ(platform.calls,
              std::vector<std::string>{"SaveFileDialog" + TudDialog + Path("mine.tud")});
}

TEST_F(ExchangeTest, UserColourImportSetsSlotsAndSettingsThenSaves) {
    std::vector<std::string> lines;
    for (int n = 1; n <= 12; ++n)
        lines.push_back(n == 2   ? "clred"
                        : n == 5 ? "$00ff0000"
                                 : "$0000000" + std::to_string(n % 10));
    for (int n = 1; n <= 12; ++n)
        lines.push_back(n == 7 ? Sjis("青い空") : "name" + std::to_string(n));
    lines.push_back("ignored line 25");
    WriteFileBytes(Path("in.tud"), JoinTextLines(lines));

    Run(&TMainForm::mnuPort, Path("in.tud"));
    EXPECT_EQ(Boxes(), std::vector<std::string>{"ShowMessage: Success ! | "});
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"OpenFileDialog" + TudDialog, "ShowMessage: Success !"}));

    EXPECT_EQ(saveForm->Swatch(1)->Color(), 1);
    EXPECT_EQ(saveForm->Swatch(2)->Color(), 0x000000FF);
    EXPECT_EQ(saveForm->Swatch(5)->Color(), 0x00FF0000);
    EXPECT_EQ(saveForm->ColorNameOf(7)->Caption(), Sjis("青い空"));
    EXPECT_EQ(saveForm->ColorNameOf(12)->Caption(), "name12");
    SettingsArray expected = settings;
    for (int n = 1; n <= 12; ++n) {
        // Stored exactly as the file wrote them.
        expected[static_cast<std::size_t>(19 + n)] = lines[static_cast<std::size_t>(n - 1)];
        expected[static_cast<std::size_t>(31 + n)] = lines[static_cast<std::size_t>(11 + n)];
    }
    EXPECT_EQ(main->Settings, expected);
    EXPECT_EQ(FileBytes(), SavedBytes(expected));
}

TEST_F(ExchangeTest, ImportFailuresStopWhereTheFileFails) {
    std::vector<std::string> twelve;
    for (int n = 1; n <= 12; ++n)
        twelve.push_back("clAqua");
    WriteFileBytes(Path("short.tud"), JoinTextLines(twelve));
    WriteFileBytes(Path("short.tdd"), JoinTextLines({"clRed", "clLime", "clBlue", "clYellow"}));
    WriteFileBytes(Path("bad.tdd"), JoinTextLines({"clRed", "x y"}));
    WriteFileBytes(Path("kanji.tdd"), JoinTextLines({Sjis("青")}));

    const std::string before = Snapshot();
    const struct {
        QAction* TMainForm::*item;
        std::string file;
        std::string error;
    } cases[] = {
        {&TMainForm::mnuPort, Path("missing.tud"),
         "ShowError: ファイル " + Path("missing.tud") + " は開けません."},
        {&TMainForm::mnuInportDesine, Path("missing.tdd"),
         "ShowError: ファイル " + Path("missing.tdd") + " は開けません."},
        {&TMainForm::mnuPort, Path("short.tud"),
         "ShowError: リストのインデックスが範囲を超えています (12)"},
        {&TMainForm::mnuInportDesine, Path("short.tdd"),
         "ShowError: リストのインデックスが範囲を超えています (4)"},
        {&TMainForm::mnuInportDesine, Path("bad.tdd"), "ShowError: 'x y' は整数ではありません."},
        {&TMainForm::mnuInportDesine, Path("kanji.tdd"), "ShowError: '青' は整数ではありません."},
        {&TMainForm::mnuExportColor, Path("none/out.tud"),
         "ShowError: ファイル " + Path("none/out.tud") + " を作成できません."},
        {&TMainForm::mnuExportDesine, Path("none/out.tdd"),
         "ShowError: ファイル " + Path("none/out.tdd") + " を作成できません."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Run(c.item, c.file);
        ASSERT_EQ(platform.calls.size(), 2u);
        EXPECT_EQ(platform.calls[1], c.error);
        EXPECT_EQ(main->Settings, settings);
        EXPECT_EQ(FileBytes(), writtenBytes);
    }
    // What was applied before the failing line stays applied; nothing else changed.
    std::vector<TColor> swatches = {0x00FFFF00, 0x00FFFFFF, 0x00FFFFFF,
                                    0x00123456, 0x00FFFFFF, 0x00FFFFFF,
                                    0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF,
                                    0x00FFFFFF, 0x00FFFFFF, static_cast<TColor>(0x80000005)};
    EXPECT_EQ(Swatches(), swatches);
    EXPECT_EQ(saveForm->ColorNameOf(1)->Caption(), "#FF0000");
    EXPECT_EQ(FontColorOf(main->VersionInfoLabel), 0x000000FF); // line 1 of both design files
    EXPECT_EQ(FontColorOf(main->TitleLabel), 0x0000FF00);
    EXPECT_EQ(FontColorOf(main->CopyEdit), 0x00FF0000);
    EXPECT_EQ(BackgroundColorOf(main->CopyEdit), 0x0000FFFF);
    EXPECT_EQ(main->WindowColor(), 0x00800000);
    EXPECT_EQ(main->MainPanel->Color(), 0x00ABCDEF);
    EXPECT_NE(Snapshot(), before);
}

TEST_F(ExchangeTest, DesignImportAppliesCapturesAndSavesAndExportGivesItBack) {
    const std::vector<std::string> lines = {
        "$00010101", "clYellow",  "$00030303", "clCream",  "$00050505",
        "clSkyBlue", "$00070707", "$00080808", "clMaroon", "beyond the ninth line"};
    WriteFileBytes(Path("look.tdd"), JoinTextLines(lines));
    main->CopyEdit->SetBytes("#ABCDEF");
    const TColor current = main->CurrentColor;

    Run(&TMainForm::mnuInportDesine, Path("look.tdd"));
    EXPECT_EQ(Boxes(), std::vector<std::string>{"ShowMessage: Success ! | #ABCDEF"});
    EXPECT_EQ(FontColorOf(main->VersionInfoLabel), 0x00010101);
    EXPECT_EQ(FontColorOf(main->TitleLabel), 0x0000FFFF);
    EXPECT_EQ(FontColorOf(main->CopyEdit), 0x00030303);
    EXPECT_EQ(BackgroundColorOf(main->CopyEdit), 0x00F0FBFF);
    EXPECT_EQ(main->WindowColor(), 0x00050505);
    EXPECT_EQ(main->SystemPanel->Color(), 0x00050505);
    EXPECT_EQ(main->MainPanel->Color(), 0x00F0CAA6);
    EXPECT_EQ(main->ButtonShow->FontColor(), 0x00070707);
    EXPECT_EQ(main->ButtonCTC->FontColor(), 0x00080808);
    EXPECT_EQ(main->ButtonPaste->FontColor(), 0x00000080);
    EXPECT_EQ(main->CurrentColor, current);
    EXPECT_EQ(main->CopyEdit->Bytes(), "#ABCDEF");

    SettingsArray expected = settings;
    const std::pair<int, const char*> captured[] = {
        {2, "$00050505"},  {3, "clYellow"},   {6, "$00010101"},  {8, "$00030303"}, {9, "clCream"},
        {10, "clSkyBlue"}, {11, "$00070707"}, {12, "$00080808"}, {13, "clMaroon"}};
    for (const auto& [index, value] : captured)
        expected[static_cast<std::size_t>(index)] = value;
    EXPECT_EQ(FileBytes(), SavedBytes(expected));

    Run(&TMainForm::mnuExportDesine, Path("again.tdd"));
    EXPECT_EQ(ReadFileBytes(Path("again.tdd")), JoinTextLines({lines.begin(), lines.begin() + 9}));
}

} // namespace
} // namespace tintor::test

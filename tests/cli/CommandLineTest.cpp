// The command line run as a process, with no window system in its environment: output, messages
// and exit status of each command, and the palette commands on a user's System.tri.
#include "cli/CommandLine.h"
#include "cli/ColorArgument.h"
#include "colour/ColorTextAnalysis.h"
#include "exchange/GimpPalette.h"
#include "platform/Cp932.h"
#include "platform/InstallPaths.h"
#include "platform/SingleInstance.h"
#include "settings/SettingsFile.h"
#include "settings/TextLines.h"

#include <QCoreApplication>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace tintor {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

// Each test: the program linked into a fresh directory of its own (so no System.tri stands
// beside it), its own configuration and runtime directories.
class CommandLineTest : public ::testing::Test {
protected:
    fs::path dir;
    fs::path program;
    fs::path config;
    fs::path runtime;

    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tintor-cli-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        fs::create_directories(dir / "bin");
        program = dir / "bin" / "tintor";
        std::error_code ec;
        fs::create_hard_link(TINTOR_PROGRAM, program, ec);
        if (ec) fs::copy_file(TINTOR_PROGRAM, program);
        config = dir / "config";
        runtime = dir / "run";
        fs::create_directories(config);
        fs::create_directories(runtime);
        fs::permissions(runtime, fs::perms::owner_all);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    fs::path SettingsFile() const { return config / "tintor" / "System.tri"; }
    void WriteSettings(const SettingsArray& settings) const {
        fs::create_directories(SettingsFile().parent_path());
        Write(SettingsFile(), JoinTextLines({settings.begin(), settings.end()}));
    }

    // Runs the program with the arguments; the window system's variables are all unset.
    Result Run(const std::vector<std::string>& args, const std::string& platform = {}) const {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e;
            const std::string name = entry.substr(0, entry.find('='));
            if (name == "DISPLAY" || name == "WAYLAND_DISPLAY" || name == "QT_QPA_PLATFORM" ||
                name == "XDG_CONFIG_HOME" || name == "XDG_RUNTIME_DIR")
                continue;
            env.push_back(entry);
        }
        env.push_back("XDG_CONFIG_HOME=" + config.string());
        env.push_back("XDG_RUNTIME_DIR=" + runtime.string());
        if (!platform.empty()) env.push_back("QT_QPA_PLATFORM=" + platform);
        std::vector<char*> envp;
        for (std::string& entry : env)
            envp.push_back(entry.data());
        envp.push_back(nullptr);

        std::vector<std::string> argStrings = {program.string()};
        argStrings.insert(argStrings.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : argStrings)
            argv.push_back(a.data());
        argv.push_back(nullptr);

        const std::string outPath = (dir / "stdout").string();
        const std::string errPath = (dir / "stderr").string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        // Work in the test's directory, so relative file names land there.
        posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
        pid_t pid = 0;
        Result result;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        posix_spawn_file_actions_destroy(&actions);
        result.out = Read(outPath);
        result.err = Read(errPath);
        return result;
    }
};

// --- Colours ---

struct ConvertCase {
    const char* name;
    const char* text;
    const char* html; // the colour, as an independent reading of the text gives it
};

void PrintTo(const ConvertCase& c, std::ostream* os) {
    *os << c.name;
}

class ConvertTest : public CommandLineTest, public ::testing::WithParamInterface<ConvertCase> {};

TEST_P(ConvertTest, PrintsTheColour) {
    const Result r = Run({"--convert", GetParam().text, "--to", "html"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, std::string(GetParam().html) + "\n");
    EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ConvertTest,
    ::testing::Values(
        // The five notations and the "cl" names SHOW reads.
        ConvertCase{"Html", "#12AB9F", "#12AB9F"}, ConvertCase{"HtmlLower", "#12ab9f", "#12AB9F"},
        ConvertCase{"Rgb", "018,171,159", "#12AB9F"}, ConvertCase{"Delphi", "$009FAB12", "#12AB9F"},
        ConvertCase{"VisualBasic", "&H9FAB12&", "#12AB9F"},
        ConvertCase{"Cpp", "0x009FAB12", "#12AB9F"}, ConvertCase{"ClName", "clSkyBlue", "#A6CAF0"},
        ConvertCase{"ClMoneyGreen", "clMoneyGreen", "#C0DCC0"},
        // CSS forms.
        ConvertCase{"ShortHex", "#1aF", "#11AAFF"},
        ConvertCase{"RgbFunction", "rgb(18, 171, 159)", "#12AB9F"},
        ConvertCase{"RgbBlanks", "rgb(0 0 0)", "#000000"},
        ConvertCase{"RgbPercent", "rgb(100%, 0%, 50%)", "#FF0080"},
        ConvertCase{"Hsl", "hsl(210, 100%, 56%)", "#1F8FFF"},
        ConvertCase{"HslGrey", "hsl(0, 0%, 75%)", "#BFBFBF"},
        ConvertCase{"CssName", "tomato", "#FF6347"},
        ConvertCase{"CssNameCase", "RebeccaPurple", "#663399"},
        ConvertCase{"CssNameBlanks", "  navy ", "#000080"},
        ConvertCase{"Grey", "lightgrey", "#D3D3D3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandLineTest, ConvertPrintsAllFiveNotationsLabelled) {
    const Result r = Run({"--convert", "#FF8000"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "HTML: #FF8000\nRGB: 255,128,000\nDelphi: $000080FF\n"
                     "Visual Basic: &H0080FF&\nC++: 0x000080FF\n");
    for (const char* to : {"rgb", "delphi", "vb", "cpp", "HTML"})
        EXPECT_EQ(Run({"--convert=red", "--to=" + std::string(to)}).status, 0) << to;
    EXPECT_EQ(Run({"--convert", "red", "--to", "vb"}).out, "&H0000FF&\n");
}

struct RefusedCase {
    const char* name;
    const char* text;
    std::string_view message;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

class RefusedTest : public CommandLineTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedTest, MessageOnStandardErrorAndStatus2) {
    const Result r = Run({"--convert", GetParam().text});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tintor: " + std::string(GetParam().message) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RefusedTest,
    ::testing::Values(RefusedCase{"Word", "hello", NotationMessage},
                      RefusedCase{"Empty", "", NotationMessage},
                      RefusedCase{"Kanji", "赤", NotationMessage},
                      RefusedCase{"UnknownClName", "clPink", NameMessage},
                      RefusedCase{"HtmlBadDigit", "#12AB9G", NumberMessage},
                      RefusedCase{"RgbAbove255", "256,000,000", NumberMessage},
                      RefusedCase{"CssAbove255", "rgb(256, 0, 0)", NumberMessage},
                      RefusedCase{"CssAlpha", "rgba(0, 0, 0, 0.5)", NumberMessage},
                      RefusedCase{"HexFiveDigits", "#12345", NumberMessage}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandLineTest, ContrastPrintsRatioAndVerdicts) {
    Result r = Run({"--contrast", "#767676", "white"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Contrast ratio: 4.54:1\nAA normal text (4.5:1): pass\n"
                     "AAA normal text (7:1): fail\nAA large text (3:1): pass\n"
                     "AAA large text (4.5:1): pass\n");
    const std::string below = Run({"--contrast", "#777", "#fff"}).out;
    EXPECT_EQ(below.substr(0, 23), "Contrast ratio: 4.47:1\n");
    EXPECT_NE(below.find("AA normal text (4.5:1): fail\n"), std::string::npos);
    EXPECT_EQ(Run({"--contrast", "white", "black"}).out.substr(0, 23), "Contrast ratio: 21.00:1");
    r = Run({"--contrast", "white", "nocolour"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "tintor: " + std::string(NotationMessage) + "\n");
}

TEST_F(CommandLineTest, NeedsNoWindowSystem) {
    // A window program would fail without a display, and abort on a platform that is missing.
    for (const std::string platform : {"", "no-such-platform"}) {
        const Result r = Run({"--convert", "clRed", "--to", "rgb"}, platform);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "255,000,000\n");
        EXPECT_EQ(r.err, "");
    }
}

TEST_F(CommandLineTest, HelpVersionAndWrongCalls) {
    const Result help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--convert", "--to", "--contrast", "--export-palette",
                               "--import-palette", "--pick", "--version"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    EXPECT_EQ(Run({"-h"}).out, help.out);
    EXPECT_EQ(Run({"--version"}).out.substr(0, 13), "TINTOR 1.22v\n");

    const std::vector<std::vector<std::string>> wrong = {
        {"--frobnicate"},
        {"--to", "html"},
        {"--convert", "red", "--to", "hex"},
        {"--convert", "red", "--contrast", "red", "blue"},
        {"--contrast", "red"},
        {"--convert"},
        {"--convert", "red", "extra"},
        {"--export-palette", "colours.txt"}};
    for (const auto& args : wrong) {
        const Result r = Run(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.substr(0, 8), "tintor: ") << args[0];
    }
}

TEST(CommandLineCall, OwnAndUnknownOptionsButNotQtsWindowOptions) {
    auto call = [](std::vector<std::string> args) {
        args.insert(args.begin(), "tintor");
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        return IsCommandLineCall(static_cast<int>(argv.size()), argv.data());
    };
    EXPECT_FALSE(call({}));
    EXPECT_FALSE(call({"-platform", "offscreen"}));
    EXPECT_FALSE(call({"--style=fusion"}));
    EXPECT_FALSE(call({"somefile"}));
    EXPECT_TRUE(call({"--convert=red"}));
    EXPECT_TRUE(call({"-style", "fusion", "--pick"}));
    EXPECT_TRUE(call({"-h"}));
    EXPECT_TRUE(call({"--nonsense"}));
}

// --- Palettes ---

SettingsArray SampleSettings() {
    SettingsArray s = FirstSettings();
    s[20] = "clRed";
    s[32] = "#FF0000";
    s[21] = "$00563412";
    s[33] = "&&H563412&&";
    s[31] = ToCp932(QString::fromUtf8("$00112233"));
    s[43] = ToCp932(QString::fromUtf8("桜色"));
    return s;
}

TEST_F(CommandLineTest, ExportWritesTheSavedColoursOfTheUsersSettings) {
    WriteSettings(SampleSettings());
    const std::string before = Read(SettingsFile());
    Result r = Run({"--export-palette", "out.gpl"});
    EXPECT_EQ(r.status, 0) << r.err;
    const Palette palette = ParseGimpPalette(Read(dir / "out.gpl"));
    ASSERT_EQ(palette.colors.size(), 12u);
    EXPECT_EQ(palette.name, "TINTOR");
    EXPECT_EQ(palette.colors[0], (PaletteColor{255, 0, 0, "#FF0000"}));
    EXPECT_EQ(palette.colors[1], (PaletteColor{0x12, 0x34, 0x56, "&&H563412&&"}));
    EXPECT_EQ(palette.colors[2], (PaletteColor{255, 255, 255, "none"}));
    EXPECT_EQ(palette.colors[11], (PaletteColor{0x33, 0x22, 0x11, "桜色"}));

    r = Run({"--export-palette", "OUT.CSS"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(Read(dir / "OUT.CSS").find("  --tintor-12: #332211; /* 桜色 */\n"),
              std::string::npos);
    EXPECT_EQ(Read(SettingsFile()), before);

    r = Run({"--export-palette", "missing-dir/out.gpl"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tintor: ファイル missing-dir/out.gpl を作成できません\n");
}

TEST_F(CommandLineTest, ImportStoresTheColoursAsTheMenuDoes) {
    SettingsArray settings = SampleSettings();
    settings[0] = "4"; // Visual Basic: unnamed colours get Save's Visual Basic name
    WriteSettings(settings);
    Write(dir / "in.gpl", "GIMP Palette\r\nName: x\r\n0 0 255\t青\r\n1 2 3\r\n");
    const Result r = Run({"--import-palette", "in.gpl"});
    EXPECT_EQ(r.status, 0) << r.err;
    SettingsArray expected = settings;
    expected[20] = "clBlue";
    expected[32] = ToCp932(QString::fromUtf8("青"));
    expected[21] = "$00030201";
    expected[33] = "&&H030201&&";
    EXPECT_EQ(Read(SettingsFile()), JoinTextLines({expected.begin(), expected.end()}));
}

TEST_F(CommandLineTest, ImportRefusesBadFilesAndARunningWindow) {
    WriteSettings(SampleSettings());
    const std::string before = Read(SettingsFile());
    Write(dir / "bad.gpl", "GIMP Palette\n0 0 300\n");
    Write(dir / "empty.gpl", "GIMP Palette\n");
    Write(dir / "good.gpl", "GIMP Palette\n1 2 3 x\n");
    const std::pair<std::string, std::string> cases[] = {
        {"bad.gpl", ColorOutOfRangeMessage(2)},
        {"empty.gpl", "パレットに色がありません"},
        {"none.gpl", "ファイル none.gpl は開けません"}};
    for (const auto& [file, message] : cases) {
        const Result r = Run({"--import-palette", file});
        EXPECT_EQ(r.status, 1) << file;
        EXPECT_EQ(r.err, "tintor: " + message + "\n");
        EXPECT_EQ(Read(SettingsFile()), before);
    }

    // A window holds the single-copy lock of this settings file.
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    const std::string key = ResolveSettingsPath((dir / "bin").string() + "/", config.string());
    SingleInstance window(QString::fromStdString(key));
    ASSERT_TRUE(window.Acquire());
    const Result r = Run({"--import-palette", "good.gpl"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("TINTOR を終了してから"), std::string::npos) << r.err;
    EXPECT_EQ(Read(SettingsFile()), before);
}

// --- The colour argument itself ---

TEST(ColorArgumentReading, ShowTextsKeepTheirMeaning) {
    // "0x00" and "$00" texts are BGR; the CSS forms never see a text SHOW accepts.
    EXPECT_EQ(ReadColorArgument("0x000000FF").color, 0x000000FF);
    EXPECT_EQ(ReadColorArgument("$00FF0000").color, 0x00FF0000);
    EXPECT_EQ(ReadColorArgument("clBlue").color, 0x00FF0000);
    EXPECT_EQ(ReadColorArgument("blue").color, 0x00FF0000);
    EXPECT_EQ(ReadColorArgument("0x00FF00").message, NumberMessage);
}

} // namespace
} // namespace tintor

int main(int argc, char** argv) {
    // The lock of a running window is taken in this process, which needs an application object.
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Parsing the command line and running its one command.
#include "cli/CommandLine.h"

#include "cli/ColorArgument.h"
#include "cli/Output.h"
#include "cli/PaletteCommands.h"
#include "colour/Contrast.h"
#include "main/MakerInfo.h"
#include "platform/Cp932.h"
#include "platform/Platform.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <array>
#include <cstring>
#include <string_view>

namespace tintor {

namespace {

// Long options of the command line.
constexpr std::array<std::string_view, 8> OwnOptions = {
    "convert", "to", "contrast", "export-palette", "import-palette", "pick", "help", "version"};

// Qt's own options of a window program, which start the windows as before.
constexpr std::array<std::string_view, 19> QtWindowOptions = {"platform",
                                                              "platformpluginpath",
                                                              "platformtheme",
                                                              "plugin",
                                                              "style",
                                                              "stylesheet",
                                                              "session",
                                                              "reverse",
                                                              "qwindowgeometry",
                                                              "qwindowicon",
                                                              "qwindowtitle",
                                                              "display",
                                                              "geometry",
                                                              "name",
                                                              "title",
                                                              "widgetcount",
                                                              "nograb",
                                                              "dograb",
                                                              "sync"};

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& list, std::string_view name) {
    for (std::string_view entry : list)
        if (entry == name) return true;
    return false;
}

QString U(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

int Usage(const QString& message) {
    return Fail(ExitBadInput, message + U("\n詳しくは tintor --help を参照して下さい"));
}

const char* HelpText =
    "使い方: tintor [オプション]\n"
    "オプションを付けずに起動すると TINTOR の画面が開きます。\n"
    "\n"
    "  --convert TEXT         色のテキストを 5 つの形式で表示します\n"
    "  --to FORMAT            --convert で 1 つの形式だけを表示します\n"
    "                         (html, rgb, delphi, vb, cpp)\n"
    "  --contrast FG BG       文字色 FG と背景色 BG のコントラスト比と、\n"
    "                         WCAG 2.2 の AA / AAA の判定を表示します\n"
    "  --export-palette FILE  保存した色を FILE に書き出します\n"
    "                         (.gpl は GIMP パレット、.css は CSS 変数)\n"
    "  --import-palette FILE  GIMP パレットの色を保存した色に取り込みます\n"
    "                         (TINTOR の画面が開いていない時だけ)\n"
    "  --pick                 画面上の色を拾います\n"
    "  -h, --help             この説明を表示します\n"
    "  -v, --version          バージョンを表示します\n"
    "\n"
    "色のテキスト: #RRGGBB, RRR,GGG,BBB, $00BBGGRR, &HBBGGRR&, 0x00BBGGRR, clRed などの cl 名,\n"
    "  #RGB, rgb(r, g, b), rgb(r g b), hsl(h, s%, l%), CSS の色名 (red, rebeccapurple など)\n"
    "\n"
    "終了コード: 0 成功 / 1 ファイルや設定を扱えない、または TINTOR の画面が開いている /\n"
    "  2 読めない色のテキスト、または正しくない指定\n";

// The colour of a command-line text, or the message SHOW would give for it.
ColorArgument ReadColor(const QString& text) {
    // Plain ASCII is the same in code page 932; the codec (and its data) is not even loaded.
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii) return ReadColorArgument(text.toLatin1().toStdString());
    bool encodable = false;
    const std::string bytes = ToCp932(text, &encodable);
    if (!encodable) return {std::nullopt, std::string(ReadColorArgument("").message)};
    return ReadColorArgument(bytes);
}

struct Notation {
    const char* key;
    const char* label;
    int format;
};
constexpr Notation Notations[] = {{"html", "HTML", FormatHtml},
                                  {"rgb", "RGB", FormatRgb},
                                  {"delphi", "Delphi", FormatDelphi},
                                  {"vb", "Visual Basic", FormatVb},
                                  {"cpp", "C++", FormatCpp}};

int Convert(const QString& text, const QString& to, bool toGiven) {
    const Notation* only = nullptr;
    if (toGiven) {
        for (const Notation& n : Notations)
            if (to.compare(QLatin1String(n.key), Qt::CaseInsensitive) == 0) only = &n;
        if (!only) return Usage(U("--to には html, rgb, delphi, vb, cpp のどれかを指定して下さい"));
    }
    const ColorArgument color = ReadColor(text);
    if (!color.color) return Fail(ExitBadInput, U(color.message));
    for (const Notation& n : Notations) {
        if (only && only != &n) continue;
        const QString value = QString::fromStdString(*FormatColorText(n.format, *color.color));
        Out(only ? value : QString::fromLatin1(n.label) + ": " + value);
    }
    return ExitOk;
}

QString PassText(bool pass) {
    return pass ? QStringLiteral("pass") : QStringLiteral("fail");
}

int Contrast(const QString& foreground, const QString& background) {
    const ColorArgument fg = ReadColor(foreground);
    if (!fg.color) return Fail(ExitBadInput, U(fg.message));
    const ColorArgument bg = ReadColor(background);
    if (!bg.color) return Fail(ExitBadInput, U(bg.message));
    const ContrastCheck check = CheckContrast(*fg.color, *bg.color);
    Out("Contrast ratio: " + QString::fromStdString(RatioText(check)) + ":1");
    Out("AA normal text (4.5:1): " + PassText(check.aaNormal));
    Out("AAA normal text (7:1): " + PassText(check.aaaNormal));
    Out("AA large text (3:1): " + PassText(check.aaLarge));
    Out("AAA large text (4.5:1): " + PassText(check.aaaLarge));
    return ExitOk;
}

} // namespace

bool IsCommandLineCall(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "-v" || arg == "-?") return true;
        if (arg.size() <= 2 || arg.substr(0, 2) != "--") continue;
        const std::string_view name = arg.substr(2, arg.find('=') - 2);
        if (Contains(OwnOptions, name) || !Contains(QtWindowOptions, name)) return true;
    }
    return false;
}

int RunCommandLine(int& argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    const QCommandLineOption convert("convert", {}, "TEXT");
    const QCommandLineOption to("to", {}, "FORMAT");
    const QCommandLineOption contrast("contrast", {}, "FG");
    const QCommandLineOption exportPalette("export-palette", {}, "FILE");
    const QCommandLineOption importPalette("import-palette", {}, "FILE");
    const QCommandLineOption pick("pick", {});
    const QCommandLineOption help(QStringList{"h", "help", "?"}, {});
    const QCommandLineOption version(QStringList{"v", "version"}, {});
    parser.addOptions({convert, to, contrast, exportPalette, importPalette, pick, help, version});
    const bool parsed = parser.parse(arguments);

    // The picker reads its own arguments and needs a window system: it starts before any
    // application object exists.
    if (parser.isSet(pick)) return RunPickHook(argc, argv);

    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) return Usage(U("不明なオプションです: ") + unknown.constFirst());
        return Usage(U("オプションの指定が正しくありません (") + parser.errorText() + ")");
    }
    if (parser.isSet(help)) {
        WriteUtf8(stdout, U(HelpText));
        return ExitOk;
    }
    if (parser.isSet(version)) {
        Out(QString::fromUtf8(ApplicationTitle));
        Out(U(VersionCredit));
        return ExitOk;
    }

    int commands = 0;
    for (const QCommandLineOption* option : {&convert, &contrast, &exportPalette, &importPalette})
        if (parser.isSet(*option)) ++commands;
    if (commands != 1)
        return Usage(commands > 1 ? U("コマンドは 1 度に 1 つだけ指定して下さい")
                     : parser.isSet(to) ? U("--to は --convert と一緒に指定して下さい")
                                        : U("コマンドを指定して下さい"));
    if (parser.isSet(to) && !parser.isSet(convert))
        return Usage(U("--to は --convert と一緒に指定して下さい"));
    const QStringList rest = parser.positionalArguments();
    const qsizetype wanted = parser.isSet(contrast) ? 1 : 0;
    if (rest.size() != wanted) {
        if (parser.isSet(contrast))
            return Usage(U("--contrast には文字色と背景色の 2 つの色を指定して下さい"));
        return Usage(U("余分な引数があります: ") + rest.constFirst());
    }

    // Only now an application object: no window system, no platform plugin.
    QCoreApplication app(argc, argv);
    if (parser.isSet(convert))
        return Convert(parser.value(convert), parser.value(to), parser.isSet(to));
    if (parser.isSet(contrast)) return Contrast(parser.value(contrast), rest.constFirst());
    if (parser.isSet(exportPalette)) return ExportPaletteCommand(parser.value(exportPalette));
    return ImportPaletteCommand(parser.value(importPalette));
}

} // namespace tintor

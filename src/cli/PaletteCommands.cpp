// Palette files from the command line. Only the import writes System.tri, and only while it
// holds the single-copy lock, so no running window can overwrite it (or be overwritten).
#include "cli/PaletteCommands.h"

#include "cli/CommandLine.h"
#include "cli/Output.h"
#include "colour/ColorNames.h"
#include "colour/IntegerText.h"
#include "core/Errors.h"
#include "exchange/GimpPalette.h"
#include "exchange/SlotPalette.h"
#include "exchange/UserColorFile.h"
#include "platform/Cp932.h"
#include "platform/InstallPaths.h"
#include "platform/SingleInstance.h"
#include "settings/SettingsFile.h"
#include "settings/TextFile.h"

#include <QCoreApplication>
#include <QFile>
#include <filesystem>
#include <unistd.h>

namespace tintor {

namespace {

namespace fs = std::filesystem;

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Error messages carry file names as the file system gives them.
QString MessageOf(const std::exception& error) {
    return QString::fromUtf8(error.what());
}

std::string ExeDir() {
    return (QCoreApplication::applicationDirPath() + "/").toStdString();
}

std::string LocalPath(const QString& file) {
    return QFile::encodeName(file).toStdString();
}

// The settings the windows would start from, found as they find them but without creating
// anything: the export only reads.
SettingsArray CurrentSettings() {
    const std::string exeDir = ExeDir();
    const fs::path beside = fs::path(exeDir) / SettingsFileName;
    std::error_code ec;
    const bool besideUsable = fs::is_regular_file(beside, ec) &&
                              ::access(beside.c_str(), W_OK) == 0 &&
                              ::access(exeDir.c_str(), W_OK) == 0;
    fs::path path = besideUsable ? beside : fs::path(ConfigHome()) / "tintor" / SettingsFileName;
    if (!fs::exists(path, ec))
        path = fs::path(exeDir) / ".." / "share" / "tintor" / SettingsFileName;
    SettingsArray settings = FirstSettings();
    if (fs::exists(path, ec)) LoadSettingsFile(path.lexically_normal().string(), settings);
    return settings;
}

bool HasExtension(const QString& file, const char* extension) {
    return file.endsWith(QString(".") + extension, Qt::CaseInsensitive);
}

} // namespace

int ExportPaletteCommand(const QString& file) {
    const bool css = HasExtension(file, CssExtension);
    if (!css && !HasExtension(file, GimpPaletteExtension))
        return Fail(ExitBadInput, U("書き出すファイルの拡張子は .gpl か .css にして下さい"));
    try {
        const SettingsArray settings = CurrentSettings();
        std::vector<PaletteColor> colors;
        for (int n = 1; n <= SlotCount; ++n) {
            const TColor color = IdentTextToColor(settings[idx::SlotColor0 + n]);
            // A system colour has no fixed value without a window system: its low bytes stand.
            colors.push_back(ToPaletteColor(color == 0x1FFFFFFF ? clWhite : color,
                                            FromCp932(settings[idx::SlotName0 + n]).toStdString()));
        }
        SaveFileBytes(LocalPath(file),
                      css ? WriteCssProperties(CssPropertyPrefix, colors)
                          : WriteGimpPalette(ExportPaletteName, ExportPaletteColumns, colors));
    } catch (const std::exception& error) {
        return Fail(ExitFailed, MessageOf(error));
    }
    return ExitOk;
}

int ImportPaletteCommand(const QString& file) {
    try {
        // The whole palette is checked before anything else happens.
        const Palette palette = LoadGimpPalette(LocalPath(file));
        if (palette.colors.empty()) return Fail(ExitFailed, U(EmptyPaletteMessage));

        // The same path and the same lock as the windows take.
        const std::string path = ResolveSettingsPath(ExeDir(), ConfigHome());
        SingleInstance instance(QString::fromStdString(path));
        if (!instance.Acquire())
            return Fail(ExitFailed, U("TINTOR の画面が開いているため取り込めません。"
                                      "TINTOR を終了してから実行して下さい"));

        SettingsArray settings = FirstSettings();
        std::error_code ec;
        if (fs::exists(path, ec)) LoadSettingsFile(path, settings);
        const int format = TryStrToInt(settings[idx::Format]).value_or(FormatHtml);
        const auto entries = PaletteSlotEntries(palette, format, [](std::string_view utf8) {
            return ToCp932Replacing(
                QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
        });
        StoreSlotEntries(entries, settings);
        SaveSettingsFile(path, settings);
    } catch (const std::exception& error) {
        return Fail(ExitFailed, MessageOf(error));
    }
    return ExitOk;
}

} // namespace tintor

// Locating the help file, the settings template and System.tri.
#include "platform/InstallPaths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace tintor {

namespace fs = std::filesystem;

namespace {
bool IsFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}
} // namespace

std::string FindDataFile(const std::string& exeDir, const std::string& name) {
    const fs::path beside = fs::path(exeDir) / name;
    if (IsFile(beside)) return beside.string();
    const fs::path installed = fs::path(exeDir) / ".." / "share" / "tintor" / name;
    if (IsFile(installed)) return installed.lexically_normal().string();
    return beside.string();
}

std::string ResolveSettingsPath(const std::string& exeDir, const std::string& configHome) {
    const fs::path beside = fs::path(exeDir) / "System.tri";
    // Saving replaces the file through a temporary one, so the directory must be writable too.
    if (IsFile(beside) && ::access(beside.c_str(), W_OK) == 0 &&
        ::access(exeDir.c_str(), W_OK) == 0)
        return beside.string();

    const fs::path dir = fs::path(configHome) / "tintor";
    const fs::path own = dir / "System.tri";
    std::error_code ec;
    if (!fs::exists(own, ec)) {
        fs::create_directories(dir, ec);
        const fs::path templ = fs::path(exeDir) / ".." / "share" / "tintor" / "System.tri";
        if (IsFile(templ)) fs::copy_file(templ, own, fs::copy_options::skip_existing, ec);
        // Without a template the program starts from its first settings and the first save
        // creates the file.
    }
    return own.string();
}

std::string SettingsPathToRead(const std::string& exeDir, const std::string& configHome) {
    const fs::path beside = fs::path(exeDir) / "System.tri";
    if (IsFile(beside) && ::access(beside.c_str(), W_OK) == 0 &&
        ::access(exeDir.c_str(), W_OK) == 0)
        return beside.string();
    const fs::path own = fs::path(configHome) / "tintor" / "System.tri";
    if (IsFile(own)) return own.string();
    const fs::path templ = fs::path(exeDir) / ".." / "share" / "tintor" / "System.tri";
    if (IsFile(templ)) return templ.lexically_normal().string();
    return {};
}

std::string ConfigHome() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') return xdg;
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.config";
    return "/tmp";
}

} // namespace tintor

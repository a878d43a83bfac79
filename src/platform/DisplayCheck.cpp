// Checking for an X server or a Wayland compositor before Qt starts.
#include "platform/DisplayCheck.h"

#include <cstdlib>
#include <cstring>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace tintor {

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The value given to a Qt command-line option ("-platform xcb" or "--platform=xcb").
std::string OptionValue(int argc, char** argv, std::string_view option) {
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') arg.remove_prefix(1);
        if (arg.size() > option.size() + 1 && arg.substr(1, option.size()) == option &&
            arg[option.size() + 1] == '=')
            return std::string(arg.substr(option.size() + 2));
        if (arg.size() == option.size() + 1 && arg.substr(1) == option && i + 1 < argc)
            return argv[i + 1];
    }
    return "";
}

// Empty when the X server answers, else what is missing.
std::string CheckX11(int argc, char** argv) {
    std::string display = OptionValue(argc, argv, "display");
    if (display.empty()) display = Env("DISPLAY");
    if (display.empty()) return "X ディスプレイがありません (DISPLAY が設定されていません)";
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed) return "X ディスプレイ " + display + " に接続できません";
    return "";
}

// Empty when a Wayland compositor listens on its socket, else what is missing.
std::string CheckWayland() {
    std::string name = Env("WAYLAND_DISPLAY");
    if (name.empty()) name = "wayland-0";
    std::string path = name;
    if (name.front() != '/') {
        const std::string runtime = Env("XDG_RUNTIME_DIR");
        if (runtime.empty())
            return "Wayland コンポジタがありません (XDG_RUNTIME_DIR が設定されていません)";
        path = runtime + "/" + name;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    bool reached = false;
    if (path.size() < sizeof address.sun_path) {
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd >= 0) {
            reached =
                ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
            ::close(fd);
        }
    }
    if (!reached) return "Wayland コンポジタ " + path + " に接続できません";
    return "";
}

} // namespace

std::string MissingDisplayMessage(int argc, char** argv) {
    std::string platforms = OptionValue(argc, argv, "platform");
    if (platforms.empty()) platforms = Env("QT_QPA_PLATFORM");
    if (platforms.empty()) platforms = "xcb";

    std::vector<std::string> missing;
    std::string_view rest = platforms;
    while (!rest.empty()) {
        const std::size_t end = rest.find(';');
        std::string_view entry = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        const std::string_view name = entry.substr(0, entry.find(':')); // options follow ":"
        if (name.empty()) continue;
        std::string reason;
        if (name == "xcb")
            reason = CheckX11(argc, argv);
        else if (name.substr(0, 7) == "wayland")
            reason = CheckWayland();
        if (reason.empty()) return "";
        missing.push_back(reason);
    }
    if (missing.empty()) return "";
    std::string line = "tintor: 画面がないため起動できません: ";
    for (std::size_t i = 0; i < missing.size(); ++i)
        line += (i ? "、" : "") + missing[i];
    return line;
}

} // namespace tintor

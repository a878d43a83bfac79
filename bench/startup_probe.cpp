// Start-up probe: runs one program on the X display named by DISPLAY and prints the wall time
// from just before exec to the moment its first top-level window is mapped, and the program's
// peak resident memory (VmHWM) at that moment. Then it stops the program.
//
//   startup_probe [--title TEXT] [--timeout SECONDS] program [args...]
//
// Output (one line on stdout): "startup_ms=<ms> vmhwm_kb=<kB>". Exit status 0 on success,
// 1 when the window did not appear in time or the program ended first, 2 on a usage or
// display error.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <optional>
#include <poll.h>
#include <set>
#include <string>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

double Seconds(const timespec& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

timespec Now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t;
}

// Windows can disappear between an event and our look at them; such errors are expected.
int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

struct Atoms {
    Atom pid;
    Atom netName;
    Atom utf8;
};

std::optional<long> WindowPid(Display* display, Window window, const Atoms& atoms) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, atoms.pid, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) != Success)
        return std::nullopt;
    std::optional<long> pid;
    if (data && type == XA_CARDINAL && format == 32 && count == 1)
        pid = *reinterpret_cast<long*>(data);
    if (data) XFree(data);
    return pid;
}

std::string WindowTitle(Display* display, Window window, const Atoms& atoms) {
    std::string title;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, atoms.netName, 0, 1024, False, atoms.utf8, &type,
                           &format, &count, &after, &data) == Success &&
        data && format == 8)
        title.assign(reinterpret_cast<char*>(data), count);
    if (data) XFree(data);
    if (!title.empty()) return title;
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

// Whether process `pid` is `ancestor` or runs below it (a program started through a wrapper
// such as valgrind or strace).
bool IsSameOrDescendant(long pid, pid_t ancestor) {
    for (int depth = 0; pid > 1 && depth < 16; ++depth) {
        if (pid == ancestor) return true;
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        // "pid (name) state ppid ...": the name may hold spaces, so read after the last ')'.
        const std::size_t close = text.rfind(')');
        if (close == std::string::npos) return false;
        char state = 0;
        long parent = 0;
        if (std::sscanf(text.c_str() + close + 1, " %c %ld", &state, &parent) != 2) return false;
        pid = parent;
    }
    return false;
}

// The peak resident set size of a process in kB, or -1.
long PeakResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Ends the program and everything it started (it runs in its own process group).
void Stop(pid_t pid) {
    kill(-pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        usleep(10000);
    }
    kill(-pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// The program's process group, ended with the probe when the probe is interrupted.
volatile sig_atomic_t childGroup = 0;
void OnInterrupt(int signal) {
    if (childGroup) kill(-childGroup, SIGKILL);
    _exit(128 + signal);
}

void Usage() {
    std::fprintf(stderr,
                 "usage: startup_probe [--title TEXT] [--timeout SECONDS] program [args...]\n");
}

} // namespace

int main(int argc, char** argv) {
    std::string title;
    double timeout = 20.0;
    int first = 1;
    while (first < argc && argv[first][0] == '-') {
        const std::string option = argv[first];
        if (option == "--title" && first + 1 < argc) {
            title = argv[first + 1];
            first += 2;
        } else if (option == "--timeout" && first + 1 < argc) {
            timeout = std::atof(argv[first + 1]);
            first += 2;
        } else if (option == "--") {
            ++first;
            break;
        } else {
            Usage();
            return 2;
        }
    }
    if (first >= argc) {
        Usage();
        return 2;
    }

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: cannot open display '%s'\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return 2;
    }
    XSetErrorHandler(IgnoreXErrors);
    const int fd = ConnectionNumber(display);
    fcntl(fd, F_SETFD, FD_CLOEXEC);
    const Window root = DefaultRootWindow(display);
    const Atoms atoms{XInternAtom(display, "_NET_WM_PID", False),
                      XInternAtom(display, "_NET_WM_NAME", False),
                      XInternAtom(display, "UTF8_STRING", False)};
    // Every window created or mapped directly below the root is reported from here on, so
    // nothing the program does after exec can be missed.
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    // The child stores the time just before its exec here.
    auto* execTime = static_cast<timespec*>(
        mmap(nullptr, sizeof(timespec), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    if (execTime == MAP_FAILED) {
        std::perror("startup_probe: mmap");
        return 2;
    }
    *execTime = timespec{};

    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("startup_probe: fork");
        return 2;
    }
    if (pid == 0) {
        setpgid(0, 0);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) dup2(null, STDOUT_FILENO);
        *execTime = Now();
        execvp(argv[first], argv + first);
        std::fprintf(stderr, "startup_probe: cannot run %s: %s\n", argv[first],
                     std::strerror(errno));
        _exit(127);
    }

    childGroup = pid;
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);

    // Whether a mapped window is the program's main window: created by the child or a process
    // below it (its _NET_WM_PID; a window without one is taken as the child's) and, when a
    // title was given, carrying it. The owner's memory is the one reported.
    pid_t windowOwner = pid;
    auto isTarget = [&](Window window) {
        const std::optional<long> owner = WindowPid(display, window, atoms);
        if (owner && !IsSameOrDescendant(*owner, pid)) return false;
        if (!title.empty() && WindowTitle(display, window, atoms).find(title) == std::string::npos)
            return false;
        if (owner) windowOwner = static_cast<pid_t>(*owner);
        return true;
    };

    std::set<Window> mapped; // top-level windows of interest seen mapped
    std::optional<timespec> mapTime;
    const double deadline = Seconds(Now()) + timeout;
    bool ended = false;
    while (!mapTime && !ended) {
        while (!mapTime && XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
                // Under a window manager the client is reparented into a frame; its own map
                // event then reaches us only through its structure events.
                const Window window = event.xcreatewindow.window;
                XSelectInput(display, window, StructureNotifyMask | PropertyChangeMask);
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display, window, &attributes) &&
                    attributes.map_state != IsUnmapped && !attributes.override_redirect) {
                    mapped.insert(window);
                    if (isTarget(window)) mapTime = Now();
                }
            } else if (event.type == MapNotify && !event.xmap.override_redirect) {
                const Window window = event.xmap.window;
                mapped.insert(window);
                if (isTarget(window)) mapTime = Now();
            } else if (event.type == PropertyNotify && !title.empty() &&
                       mapped.count(event.xproperty.window)) {
                // A title set after the map.
                if (isTarget(event.xproperty.window)) mapTime = Now();
            } else if (event.type == UnmapNotify || event.type == DestroyNotify) {
                mapped.erase(event.type == UnmapNotify ? event.xunmap.window
                                                       : event.xdestroywindow.window);
            }
        }
        if (mapTime) break;
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            ended = true;
            break;
        }
        if (Seconds(Now()) > deadline) break;
        pollfd wait{fd, POLLIN, 0};
        poll(&wait, 1, 50);
    }

    if (!mapTime) {
        std::fprintf(stderr, "startup_probe: %s: %s\n", argv[first],
                     ended ? "the program ended before its window was mapped"
                           : "no window was mapped in time");
        if (ended)
            kill(-pid, SIGKILL); // whatever it left behind
        else
            Stop(pid);
        return 1;
    }
    const long peakKb = PeakResidentKb(windowOwner);
    Stop(pid);
    XCloseDisplay(display);

    const double ms = (Seconds(*mapTime) - Seconds(*execTime)) * 1000.0;
    std::printf("startup_ms=%.3f vmhwm_kb=%ld\n", ms, peakKb);
    return 0;
}

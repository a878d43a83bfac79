// Start-up probe: runs one program and reports what its start costs, seen from outside.
//
// Window mode (the default) runs the program on the X display named by DISPLAY and waits for
// its first top-level window (optionally the one whose title holds TEXT). It reports the wall
// time from just before exec to the window's map, and to its first paint: the first damage
// the X server records on that window once the program has drawn into it (XDamage). The
// peak resident memory (VmHWM) is read once the window has been painted and `settle`
// milliseconds (300) have passed since the map, so work the program defers until after its
// first paint is counted too. Then the program is stopped.
//
// With --exit the program is not a window: the probe waits for it to end and reports the
// time from exec to its exit and its peak resident memory.
//
// With --stop-signal N the program is sent signal N as soon as its window has been painted
// (window mode), before the usual stop. Under callgrind a signal whose default action ends
// the program (SIGUSR1) makes it write its profile at that moment.
//
//   startup_probe [--title TEXT] [--timeout SECONDS] [--settle MS] [--stop-signal N]
//                 [--exit] program [args...]
//
// Output (one line on stdout): "map_ms=<ms> paint_ms=<ms> vmhwm_kb=<kB> pid=<program's pid>",
// or with --exit "exit_ms=<ms> vmhwm_kb=<kB> pid=<pid>". Exit status 0 on success, 1 when the
// window did not appear or get painted in time, the program ended first or (--exit) failed, 2 on a
// usage or display error.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <poll.h>
#include <set>
#include <string>
#include <sys/mman.h>
#include <sys/resource.h>
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

// Waits up to `seconds` for the child to end.
bool Reaped(pid_t pid, double seconds) {
    const double until = Seconds(Now()) + seconds;
    do {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return true;
        usleep(10000);
    } while (Seconds(Now()) < until);
    return false;
}

// Ends the program and everything it started (it runs in its own process group).
void Stop(pid_t pid) {
    kill(-pid, SIGTERM);
    if (Reaped(pid, 2.0)) return;
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
    std::fprintf(stderr, "usage: startup_probe [--title TEXT] [--timeout SECONDS] [--settle MS] "
                         "[--stop-signal N] [--exit] program [args...]\n");
}

struct Options {
    std::string title;
    double timeout = 20.0;
    double settleMs = 300.0;
    int stopSignal = 0;
    bool untilExit = false;
    int first = 0; // index of the program in argv
};

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options options;
    int i = 1;
    while (i < argc && argv[i][0] == '-') {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--title" && hasValue) {
            options.title = argv[i + 1];
            i += 2;
        } else if (option == "--timeout" && hasValue) {
            options.timeout = std::atof(argv[i + 1]);
            i += 2;
        } else if (option == "--settle" && hasValue) {
            options.settleMs = std::atof(argv[i + 1]);
            i += 2;
        } else if (option == "--stop-signal" && hasValue) {
            options.stopSignal = std::atoi(argv[i + 1]);
            i += 2;
        } else if (option == "--exit") {
            options.untilExit = true;
            ++i;
        } else if (option == "--") {
            ++i;
            break;
        } else {
            return std::nullopt;
        }
    }
    if (i >= argc) return std::nullopt;
    options.first = i;
    return options;
}

// Starts the program in its own process group with stdout discarded; *execTime receives the
// moment just before its exec.
pid_t Start(char** argv, timespec* execTime) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    setpgid(0, 0);
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) dup2(null, STDOUT_FILENO);
    *execTime = Now();
    execvp(argv[0], argv);
    std::fprintf(stderr, "startup_probe: cannot run %s: %s\n", argv[0], std::strerror(errno));
    _exit(127);
}

// --exit: the time until the program ends, and its peak memory from the kernel's accounting.
int ProbeCommand(char** argv, timespec* execTime) {
    const pid_t pid = Start(argv, execTime);
    if (pid < 0) {
        std::perror("startup_probe: fork");
        return 2;
    }
    childGroup = pid;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        std::perror("startup_probe: wait4");
        return 2;
    }
    const timespec end = Now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "startup_probe: %s ended with status %d\n", argv[0], status);
        return 1;
    }
    std::printf("exit_ms=%.3f vmhwm_kb=%ld pid=%d\n", (Seconds(end) - Seconds(*execTime)) * 1000.0,
                usage.ru_maxrss, pid);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Options> parsed = ParseOptions(argc, argv);
    if (!parsed) {
        Usage();
        return 2;
    }
    const Options& options = *parsed;
    char** command = argv + options.first;

    // The child stores the time just before its exec here.
    auto* execTime = static_cast<timespec*>(
        mmap(nullptr, sizeof(timespec), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    if (execTime == MAP_FAILED) {
        std::perror("startup_probe: mmap");
        return 2;
    }
    *execTime = timespec{};
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
    if (options.untilExit) return ProbeCommand(command, execTime);

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: cannot open display '%s'\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return 2;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "startup_probe: the X server has no DAMAGE extension\n");
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

    const pid_t pid = Start(command, execTime);
    if (pid < 0) {
        std::perror("startup_probe: fork");
        return 2;
    }
    childGroup = pid;

    // Whether a mapped window is the program's main window: created by the child or a process
    // below it (its _NET_WM_PID; a window without one is taken as the child's) and, when a
    // title was given, carrying it. The owner's memory is the one reported.
    pid_t windowOwner = pid;
    auto isTarget = [&](Window window) {
        const std::optional<long> owner = WindowPid(display, window, atoms);
        if (owner && !IsSameOrDescendant(*owner, pid)) return false;
        if (!options.title.empty() &&
            WindowTitle(display, window, atoms).find(options.title) == std::string::npos)
            return false;
        if (owner) windowOwner = static_cast<pid_t>(*owner);
        return true;
    };

    std::set<Window> mapped;                // top-level windows of interest seen mapped
    std::map<Window, timespec> firstDamage; // first damage of each watched window
    std::optional<Window> target;
    std::optional<timespec> mapTime;
    std::optional<timespec> paintTime;
    auto found = [&](Window window) {
        if (target) return;
        target = window;
        mapTime = Now();
        if (const auto seen = firstDamage.find(window); seen != firstDamage.end())
            paintTime = seen->second;
    };
    // Damage is watched from each window's creation, so a paint right after the map is seen.
    auto watch = [&](Window window) {
        XSelectInput(display, window, StructureNotifyMask | PropertyChangeMask);
        XDamageCreate(display, window, XDamageReportNonEmpty);
    };

    const double deadline = Seconds(Now()) + options.timeout;
    bool ended = false;
    auto settled = [&] {
        if (!paintTime) return false;
        if (options.stopSignal) return true;
        return (Seconds(Now()) - Seconds(*mapTime)) * 1000.0 >= options.settleMs;
    };
    while (!ended && !settled()) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == damageEvent + XDamageNotify) {
                const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
                const Window window = damage.drawable;
                if (!firstDamage.count(window)) firstDamage[window] = Now();
                if (target && window == *target && !paintTime) paintTime = firstDamage[window];
            } else if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
                // Under a window manager the client is reparented into a frame; its own map
                // event then reaches us only through its structure events.
                const Window window = event.xcreatewindow.window;
                watch(window);
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display, window, &attributes) &&
                    attributes.map_state != IsUnmapped && !attributes.override_redirect) {
                    mapped.insert(window);
                    if (isTarget(window)) found(window);
                }
            } else if (event.type == MapNotify && !event.xmap.override_redirect) {
                const Window window = event.xmap.window;
                mapped.insert(window);
                if (isTarget(window)) found(window);
            } else if (event.type == PropertyNotify && !options.title.empty() &&
                       mapped.count(event.xproperty.window)) {
                // A title set after the map.
                if (isTarget(event.xproperty.window)) found(event.xproperty.window);
            } else if (event.type == UnmapNotify || event.type == DestroyNotify) {
                mapped.erase(event.type == UnmapNotify ? event.xunmap.window
                                                       : event.xdestroywindow.window);
            }
        }
        if (settled()) break;
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            ended = true;
            break;
        }
        if (Seconds(Now()) > deadline) break;
        pollfd wait{fd, POLLIN, 0};
        poll(&wait, 1, 5);
    }

    if (!settled()) {
        std::fprintf(stderr, "startup_probe: %s: %s\n", command[0],
                     ended      ? "the program ended before its window was mapped and painted"
                     : !mapTime ? "no window was mapped in time"
                                : "the window was not painted in time");
        if (ended)
            kill(-pid, SIGKILL); // whatever it left behind
        else
            Stop(pid);
        return 1;
    }
    const long peakKb = PeakResidentKb(windowOwner);
    if (options.stopSignal) {
        kill(pid, options.stopSignal);
        // A profiler writes its output first; give it time.
        if (!Reaped(pid, options.timeout)) Stop(pid);
    } else {
        Stop(pid);
    }
    XCloseDisplay(display);

    const double start = Seconds(*execTime);
    std::printf("map_ms=%.3f paint_ms=%.3f vmhwm_kb=%ld pid=%d\n",
                (Seconds(*mapTime) - start) * 1000.0, (Seconds(*paintTime) - start) * 1000.0,
                peakKb, pid);
    return 0;
}

// Signals reach the event loop through a pipe: the handler only writes one byte.
#include "platform/QuitSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tintor {

namespace {
int wakeFds[2] = {-1, -1};

void HandleSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(wakeFds[1], &byte, 1);
}
} // namespace

void OnQuitSignals(std::function<void()> onQuit) {
    if (wakeFds[0] >= 0 || ::pipe2(wakeFds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(wakeFds[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [onQuit] {
        char bytes[16];
        while (::read(wakeFds[0], bytes, sizeof bytes) > 0) {
        }
        onQuit();
    });
    struct sigaction action = {};
    action.sa_handler = HandleSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

} // namespace tintor

#include "app/termination.h"

#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int wakeFds[2] = {-1, -1};

void onTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(wakeFds[0], &byte, 1);
}

} // namespace

void closeOnTermination(QWidget* window) {
    if (wakeFds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, wakeFds) != 0) return;
    auto* notifier = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window] {
        char byte;
        [[maybe_unused]] const auto read = ::read(wakeFds[1], &byte, 1);
        window->close();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
}

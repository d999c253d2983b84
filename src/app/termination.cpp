#include "app/termination.h"

#include "app/main_window.h"
#include "core/app_error.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

int wakeFds[2] = {-1, -1};

void onTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(wakeFds[0], &byte, 1);
}

void tell(const QString& text) {
    std::fprintf(stderr, "vantrel: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace

int saveUnattended(MainWindow& window, const QString& stateDir) {
    try {
        window.save();
        return 0;
    } catch (const AppError& refused) {
        try {
            const QString rescued = window.dataFile().rescue(stateDir);
            tell(u"%1; the data were written to %2"_s.arg(refused.message(), rescued));
        } catch (const AppError& alsoRefused) {
            tell(u"%1; no rescue copy either: %2"_s.arg(refused.message(), alsoRefused.message()));
        }
        return 1;
    }
}

void saveOnTermination(MainWindow& window, const QString& stateDir) {
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, &window,
                     [&window, stateDir](QSessionManager&) {
                         if (const int status = saveUnattended(window, stateDir)) QCoreApplication::exit(status);
                     });

    if (wakeFds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeFds) != 0) return;
    auto* notifier = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window, stateDir] {
        char byte;
        [[maybe_unused]] const auto read = ::read(wakeFds[1], &byte, 1);
        // Every event loop ends, a modal box's as well.
        QCoreApplication::exit(saveUnattended(window, stateDir));
    });
    struct sigaction action = {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

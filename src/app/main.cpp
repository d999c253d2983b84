// Vantrel's entry: the application, the main window, the three dialogs, the event loop.

#include "app/single_instance.h"
#include "app/termination.h"
#include "app/translation.h"
#include "app/windows.h"
#include "platform/linux_platform.h"
#include "tools/reminder_toast.h"

#include <QApplication>
#include <QTranslator>

#include <cstdio>

namespace {

// The variable naming the display the windowing platform connects to; none for a
// platform without one (offscreen, vnc, ...), which the user chose.
const char* displayVariable() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform.startsWith("xcb")) return "DISPLAY";
    if (platform.startsWith("wayland")) return "WAYLAND_DISPLAY";
    return nullptr;
}

} // namespace

int main(int argc, char* argv[]) {
    // The window places itself and hides at the screen's edge, which Wayland does not
    // allow a client: run through XWayland unless the user chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // Without a display Qt would abort with advice that does not help; say what is missing.
    if (const char* variable = displayVariable(); variable && qEnvironmentVariableIsEmpty(variable)) {
        std::fprintf(stderr, "凡特睿需要图形桌面：环境变量 %s 未设置。\n"
                             "Vantrel needs a graphical desktop: the %s variable is not set.\n",
                     variable, variable);
        return 1;
    }

    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setQuitOnLastWindowClosed(false);

    // The interface is Chinese whatever the system's language, the standard buttons too.
    QTranslator qtTranslation;
    installChineseTranslation(qtTranslation);
    QFont font = QApplication::font();
    font.setPixelSize(12);
    QApplication::setFont(font);

    ReminderToast toast;
    LinuxPlatform desktop;
    Platform platform = desktop.bundle(toast);
    // A second start for the same data file shows the running window and ends, writing nothing.
    SingleInstance instance(platform.paths.dataFile());
    switch (instance.claim()) {
    case SingleInstance::Claim::First: break;
    case SingleInstance::Claim::HandedOver: return 0;
    case SingleInstance::Claim::Unanswered:
        qCritical("Vantrel already runs on %s but does not answer.", qPrintable(platform.paths.dataFile()));
        return 1;
    }
    Windows windows(platform);
    MainWindow& window = windows.main;
    QObject::connect(&instance, &SingleInstance::showRequested, &window, &MainWindow::bringBack);

    QObject::connect(&window, &MainWindow::closed, &app, &QCoreApplication::quit);
    // The session ends or the process is told to: keep what was entered, with no box.
    saveOnTermination(window, platform.paths.stateDir());

    window.show();
    return app.exec();
}

// Vantrel's entry: the application, the main window, the three dialogs, the event loop.

#include "about/about_dialog.h"
#include "about/update_dialog.h"
#include "app/main_window.h"
#include "app/termination.h"
#include "app/translation.h"
#include "launch/title_editor.h"
#include "platform/linux_platform.h"

#include <QApplication>
#include <QSessionManager>
#include <QTranslator>

int main(int argc, char* argv[]) {
    // The window places itself and hides at the screen's edge, which Wayland does not
    // allow a client: run through XWayland unless the user chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");

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

    LinuxPlatform desktop;
    Platform platform = desktop.bundle();
    MainWindow window(platform);
    AboutDialog about;
    TitleEditor titleEditor(platform.dialogs);
    UpdateDialog update;

    window.attachTitleEditor(titleEditor);
    QObject::connect(&window, &MainWindow::closed, &app, &QCoreApplication::quit);
    // The desktop session is ending: keep what was entered, as a close would.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.FormClose(); });
    closeOnTermination(&window);

    window.show();
    return app.exec();
}

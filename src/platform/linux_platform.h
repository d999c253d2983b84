#pragma once
// The ports as they work on a Linux desktop, bundled for the windows; the dialogs and
// the icons here need widgets, the rest lives in the logic library.

#include "core/ports.h"
#include "platform/linux_shell.h"
#include "platform/linux_shutdown.h"
#include "platform/linux_system.h"
#include "platform/linux_system_probe.h"
#include "platform/qt_sound.h"

#include <QFileIconProvider>

class QtDialogs : public Dialogs {
public:
    void errorBox(QWidget* owner, const QString& message) override;
    void message(QWidget* owner, const QString& text, const QString& caption) override;
    bool yesNo(QWidget* owner, const QString& text, const QString& caption) override;
    QString inputBox(QWidget* owner, const QString& caption, const QString& prompt,
                     const QString& defaultText) override;
    std::optional<QString> openFile(QWidget* owner) override;
};

// A desktop entry shows its own icon; any other file the icon of its type.
class DesktopIconSource : public IconSource {
public:
    QImage largeIcon(const QString& path) override;

private:
    QFileIconProvider provider_;
};

class LinuxPlatform {
public:
    // The reminder toast is a widget of the tools page's own, made by the caller.
    Platform bundle(Toast& toast) {
        return {paths_, dialogs_, icons_, clock_, memory_, shell_, probe_, shutdown_, sound_, toast};
    }

private:
    ApplicationPaths paths_;
    QtDialogs dialogs_;
    DesktopIconSource icons_;
    SystemClock clock_;
    ProcMemory memory_;
    LinuxShell shell_;
    LinuxSystemProbe probe_;
    LogindShutdown shutdown_{clock_};
    QtSound sound_;
};

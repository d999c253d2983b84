#pragma once
// The ports as they work on a Linux desktop, bundled for the windows; the dialogs and
// the icons here need widgets, the rest lives in the logic library.

#include "core/ports.h"
#include "platform/linux_shell.h"
#include "platform/linux_shutdown.h"
#include "platform/linux_system.h"
#include "platform/linux_system_probe.h"
#include "platform/qt_sound.h"
#include "platform/qt_downloader.h"
#include "platform/xcb_hotkey.h"

#include <QFileIconProvider>
#include <QMimeDatabase>

// Icons of files as a file manager shows them: a desktop entry its own icon, a folder the
// folder icon, any other file the icon its MIME type names in the icon theme.
class FileIcons : public QFileIconProvider {
public:
    // Where the desktop names no icon theme (no platform theme, as under a bare window
    // manager) the XDG icon folders are searched; the Adwaita theme fills in whatever
    // the user's theme lacks.
    FileIcons();
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;

private:
    QMimeDatabase mimeTypes_;
};

class QtDialogs : public Dialogs {
public:
    // Without a locale of the user's own (C/POSIX) Qt's own texts that follow the default
    // locale, such as the file types in the file dialog, come in Chinese like the rest.
    QtDialogs();
    void errorBox(QWidget* owner, const QString& message) override;
    void message(QWidget* owner, const QString& text, const QString& caption) override;
    bool yesNo(QWidget* owner, const QString& text, const QString& caption) override;
    QString inputBox(QWidget* owner, const QString& caption, const QString& prompt,
                     const QString& defaultText) override;
    // Opens in the home folder, later in the folder of the file chosen last.
    std::optional<QString> openFile(QWidget* owner) override;

private:
    FileIcons icons_;
    QString folder_;
};

class DesktopIconSource : public IconSource {
public:
    // The icon at 32 x 32 pixels.
    QImage largeIcon(const QString& path) override;

private:
    FileIcons icons_;
};

class LinuxPlatform {
public:
    // The reminder toast is a widget of the tools page's own, made by the caller.
    Platform bundle(Toast& toast) {
        return {paths_, dialogs_, icons_, clock_, memory_, shell_, probe_, shutdown_, sound_, toast, downloader_, hotKey_};
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
    QtDownloader downloader_;
    XcbHotKey hotKey_;
};

#pragma once
// The services the program takes from the operating system, each a small abstract class.
// The windows receive them bundled in a Platform at construction; Linux implementations
// live beside this file, recording fakes in tests/support.

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QKeyCombination>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

// The executable's folder and the files beside it; the backup copy of the data file.
class Paths {
public:
    virtual ~Paths() = default;
    // The executable's folder, ending in a separator, so that file names can be appended.
    virtual QString appDir() const = 0;
    QString dataFile() const { return appDir() + QStringLiteral("data.ini"); }
    // The user's folder for what the program keeps of its own, ending in a separator;
    // a save that data.ini refused goes there when the executable's folder refuses it too.
    virtual QString stateDir() const = 0;
    // The one backup of the data file, the same wherever the program lies.
    virtual QString backupFile() const = 0;
};

// Modal boxes and prompts, each owned by the window whose control was clicked.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The toolkit's standard error box, for failures raised inside a handler.
    virtual void errorBox(QWidget* owner, const QString& message) = 0;
    // A box with an OK button and no icon.
    virtual void message(QWidget* owner, const QString& text, const QString& caption) = 0;
    // A Yes/No question with no icon; true only for Yes.
    virtual bool yesNo(QWidget* owner, const QString& text, const QString& caption) = 0;
    // A one-line prompt with OK and Cancel; Cancel returns the default text.
    virtual QString inputBox(QWidget* owner, const QString& caption, const QString& prompt,
                             const QString& defaultText) = 0;
    // The file-open dialog offering every file; nothing when the user cancels.
    virtual std::optional<QString> openFile(QWidget* owner) = 0;
};

// A file's large icon as the user's desktop shows it.
class IconSource {
public:
    virtual ~IconSource() = default;
    // The icon at its own size (32 x 32 for the usual large icon); a null image when the
    // desktop has none for the path.
    virtual QImage largeIcon(const QString& path) = 0;
};

// The local date and time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

struct MemoryStatus {
    quint64 totalPhysical = 0;
    quint64 availablePhysical = 0;
    quint64 totalVirtual = 0;
    quint64 availableVirtual = 0;
};

// Memory totals and the trim of the process's working set.
class Memory {
public:
    virtual ~Memory() = default;
    virtual MemoryStatus status() = 0;
    // Hands memory the process no longer uses back to the system.
    virtual void trimWorkingSet() = 0;
};

// How the started program's window should show, as the callers ask for it.
enum class ShowMode { Hide = 0, ShowNormal = 1, Show = 5, Restore = 9 };

// Hands a file, program, web address or command to the desktop, which picks the handler.
// The caller never waits for it nor looks at the outcome.
class Shell {
public:
    virtual ~Shell() = default;
    // An empty verb asks for the target's default action.
    virtual void ShellLaunch(QWidget* owner, const QString& verb, const QString& target,
                             const QString& params, ShowMode show) = 0;
    // Starts a program with its argument list in a working folder, each argument reaching
    // the program unchanged.
    virtual void startProgram(const QString& program, const QStringList& arguments,
                              const QString& folder) = 0;
};

// The CPUID instruction's four result registers.
struct CpuidRegisters {
    quint32 eax = 0, ebx = 0, ecx = 0, edx = 0;
};

// A drive: its name where a drive letter would stand, and its sizes in bytes.
struct DriveSpace {
    QString name;
    quint64 totalBytes = 0;
    quint64 freeBytes = 0;
};

// What the machine is: processor, system, local address, display adapter, drives, disk.
class SystemProbe {
public:
    virtual ~SystemProbe() = default;
    // CPUID with the function number in EAX; nothing on a processor without the instruction.
    virtual std::optional<CpuidRegisters> cpuid(quint32 function) = 0;
    virtual int processorCount() = 0;
    // The operating system's name as the system itself gives it.
    virtual QString osName() = 0;
    // The machine's address on the local network in dotted-decimal form; raises AppError
    // with the resolver's message when there is none.
    virtual QString localAddress() = 0;
    // The first display adapter's name; nothing when the machine has none.
    virtual std::optional<QString> displayAdapter() = 0;
    // The drives in the order they are listed, each with its total and free bytes.
    virtual QList<DriveSpace> drives() = 0;
    // The first disk's serial number as the disk gives it, blanks included; empty when it
    // cannot be read.
    virtual QByteArray diskSerial() = 0;
};

// Powering the machine off or restarting it, through the system.
enum class PowerAction { PowerOff, Reboot };

class ShutdownProgram {
public:
    virtual ~ShutdownProgram() = default;
    // Asks the system to power off or restart `seconds` from now; the request stays with
    // the system when the program ends. A refusal raises AppError with the system's words.
    virtual void schedule(PowerAction action, qint64 seconds) = 0;
    // Calls off a pending request, if there is one; the system's answer is not looked at.
    virtual void cancel() = 0;
};

// Plays a sound file without waiting for its end.
class Sound {
public:
    virtual ~Sound() = default;
    // Opens `file`, closing the one opened before, and starts playing it. When the file
    // cannot be opened or played, `failed` receives the player's message, possibly later.
    virtual void play(const QString& file, std::function<void(const QString&)> failed) = 0;
};

// Reminder pop-ups that keep coming back until the user ticks them off.
class Toast {
public:
    virtual ~Toast() = default;
    // Adds one more message; `text` is asked for it each time it is about to show.
    virtual void addMessage(std::function<QString()> text) = 0;
};

// Fetches one web page, waiting until the transfer ends; the windows keep painting meanwhile
// but take no input.
class Downloader {
public:
    virtual ~Downloader() = default;
    // Saves the page at `url` to the file `path` and returns its body. Nothing on any
    // failure (no whole answer in time, an error status, a body too large), and then no
    // file lies at `path`. A page that arrived is returned also when `path` cannot be
    // written; no file is left then either.
    virtual std::optional<QByteArray> DownloadToFile(const QString& url, const QString& path) = 0;
    // Ends the running download as failed; does nothing when none runs.
    virtual void abort() = 0;
};

// One key combination taken from the whole desktop: its presses reach the program
// whichever window has the keyboard.
class HotKey {
public:
    virtual ~HotKey() = default;
    // Whether this desktop lets a program take keys at all (a pure Wayland session does not).
    virtual bool available() = 0;
    // Takes `key`, giving back any key taken before; false when the desktop refuses it,
    // because another program or the window manager holds it.
    virtual bool grab(QKeyCombination key) = 0;
    // What to run, on the user-interface thread, each time the key is pressed.
    void onPress(std::function<void()> handler) { pressed_ = std::move(handler); }

protected:
    void press() {
        if (pressed_) pressed_();
    }

private:
    std::function<void()> pressed_;
};

struct Platform {
    Paths& paths;
    Dialogs& dialogs;
    IconSource& icons;
    Clock& clock;
    Memory& memory;
    Shell& shell;
    SystemProbe& probe;
    ShutdownProgram& shutdown;
    Sound& sound;
    Toast& toast;
    Downloader& downloader;
    HotKey& hotKey;
};

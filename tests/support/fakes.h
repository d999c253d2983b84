#pragma once
// Recording fakes of the platform ports: tests script the answers and check the calls.

#include "core/ports.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>

// The executable's folder, the state folder and the home of the backup, all temporary.
class FakePaths : public Paths {
public:
    FakePaths();
    QString appDir() const override;
    QString stateDir() const override;
    QString backupFile() const override;
    QTemporaryDir dir;
    // The executable's folder, ending in a separator, when a test names one; else `dir`.
    QString folder;
    QTemporaryDir state;
    QTemporaryDir home;   // where the backup lies
};

class FakeDialogs : public Dialogs {
public:
    struct Call {
        QString kind;  // "error", "message", "yesNo", "input", "openFile"
        QWidget* owner = nullptr;
        QString text;     // message text, or the prompt of an input box
        QString caption;
    };

    void errorBox(QWidget* owner, const QString& message) override;
    void message(QWidget* owner, const QString& text, const QString& caption) override;
    bool yesNo(QWidget* owner, const QString& text, const QString& caption) override;
    QString inputBox(QWidget* owner, const QString& caption, const QString& prompt,
                     const QString& defaultText) override;
    std::optional<QString> openFile(QWidget* owner) override;

    // Scripted answers, taken in order; when a queue is empty the answer is No, the
    // default text, or a cancelled file dialog.
    std::deque<bool> yesNoAnswers;
    std::deque<QString> inputAnswers;
    std::deque<std::optional<QString>> openFileAnswers;

    QList<Call> calls;
    QStringList errors() const;
};

class FakeIconSource : public IconSource {
public:
    QImage largeIcon(const QString& path) override;
    QColor fill = Qt::red;      // a 32 x 32 icon of this colour, with a transparent corner
    bool none = false;          // answer a null image
    QStringList requested;
};

class FakeClock : public Clock {
public:
    QDateTime now() const override { return time; }
    QDateTime time{QDate(2026, 12, 11), QTime(9, 30, 15)};
};

class FakeMemory : public Memory {
public:
    MemoryStatus status() override { return current; }
    void trimWorkingSet() override { ++trims; }
    MemoryStatus current{512ull << 20, 188ull << 20, 2048ull << 20, 1792ull << 20};
    int trims = 0;
};

class FakeShell : public Shell {
public:
    struct Call {
        QWidget* owner;
        QString verb, target, params;
        ShowMode show;
    };
    void ShellLaunch(QWidget* owner, const QString& verb, const QString& target,
                     const QString& params, ShowMode show) override {
        calls.push_back({owner, verb, target, params, show});
    }
    struct Start {
        QString program;
        QStringList arguments;
        QString folder;
    };
    void startProgram(const QString& program, const QStringList& arguments,
                      const QString& folder) override {
        started.push_back({program, arguments, folder});
    }
    QList<Call> calls;
    QList<Start> started;
};

// A machine described by the test; every query is counted.
class FakeSystemProbe : public SystemProbe {
public:
    std::optional<CpuidRegisters> cpuid(quint32 function) override;
    int processorCount() override { ++queries; return processors; }
    QString osName() override { ++queries; return os; }
    QString localAddress() override;
    std::optional<QString> displayAdapter() override { ++queries; return adapter; }
    QList<DriveSpace> drives() override { ++queries; return driveList; }
    QByteArray diskSerial() override { ++queries; return serial; }

    // The 48 brand bytes as the extended functions 0x80000002..4 give them.
    void setBrand(const QByteArray& brand);

    bool hasCpuid = true;
    QMap<quint32, CpuidRegisters> registers;  // a function not set answers zeros
    int processors = 4;
    QString os = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
    QString address = QStringLiteral("192.168.1.20");
    QString addressError;  // when set, the address query fails with this message
    std::optional<QString> adapter = QStringLiteral("Intel Corporation UHD Graphics 620");
    QList<DriveSpace> driveList;
    QByteArray serial;
    int queries = 0;
};

// Records each request as "poweroff <seconds>", "reboot <seconds>" or "cancel"; a set
// refusal is raised for schedule() as the system's message.
class FakeShutdownProgram : public ShutdownProgram {
public:
    void schedule(PowerAction action, qint64 seconds) override;
    void cancel() override { requests << QStringLiteral("cancel"); }
    QString refusal;
    QStringList requests;
};

// Records the files it is asked to play; a set failure goes to the caller's handler.
class FakeSound : public Sound {
public:
    void play(const QString& file, std::function<void(const QString&)> failed) override {
        played << file;
        if (!failure.isEmpty()) failed(failure);
    }
    QString failure;
    QStringList played;
};

// Keeps the added messages; texts() asks each for its text now, as a showing would.
class FakeToast : public Toast {
public:
    void addMessage(std::function<QString()> text) override { messages.push_back(std::move(text)); }
    QStringList texts() const;
    QList<std::function<QString()>> messages;
};

// Answers every download with the scripted page, saved to the file as the real one saves
// it, or fails when there is none. A download aborted while it waits fails.
class FakeDownloader : public Downloader {
public:
    struct Call {
        QString url, path;
    };
    std::optional<QByteArray> DownloadToFile(const QString& url, const QString& path) override;
    void abort() override { aborted_ = true; }

    std::optional<QByteArray> page;
    std::function<void()> whileWaiting;  // runs inside each download's wait
    QList<Call> calls;

private:
    bool aborted_ = false;
};

// A desktop that grants each key unless told another program holds it; press() plays
// the user pressing the key taken.
class FakeHotKey : public HotKey {
public:
    bool available() override { return usable; }
    bool grab(QKeyCombination key) override {
        tried.push_back(key);
        held.reset();
        if (!usable || taken.contains(key)) return false;
        held = key;
        return true;
    }
    using HotKey::press;

    bool usable = true;                  // false: a desktop without grabs (pure Wayland)
    QList<QKeyCombination> taken;        // keys other programs hold
    QList<QKeyCombination> tried;
    std::optional<QKeyCombination> held;
};

// All fakes at once, bundled as the windows take them.
struct FakePlatform {
    FakePaths paths;
    FakeDialogs dialogs;
    FakeIconSource icons;
    FakeClock clock;
    FakeMemory memory;
    FakeShell shell;
    FakeSystemProbe probe;
    FakeShutdownProgram shutdown;
    FakeSound sound;
    FakeToast toast;
    FakeDownloader downloader;
    FakeHotKey hotKey;
    Platform bundle() { return {paths, dialogs, icons, clock, memory, shell, probe, shutdown, sound, toast, downloader, hotKey}; }
};

#pragma once
// Recording fakes of the platform ports: tests script the answers and check the calls.

#include "core/ports.h"

#include <QColor>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>

class FakePaths : public Paths {
public:
    FakePaths();
    QString appDir() const override;
    QTemporaryDir dir;
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
    QList<Call> calls;
};

// All fakes at once, bundled as the windows take them.
struct FakePlatform {
    FakePaths paths;
    FakeDialogs dialogs;
    FakeIconSource icons;
    FakeClock clock;
    FakeMemory memory;
    FakeShell shell;
    Platform bundle() { return {paths, dialogs, icons, clock, memory, shell}; }
};

// Start-up to first frame of the real window against a bare Qt window, and the save.

#include "app/main_window.h"
#include "platform/linux_platform.h"
#include "tools/reminder_toast.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

class FolderPaths : public Paths {
public:
    explicit FolderPaths(QString dir) : dir_(std::move(dir)) {}
    QString appDir() const override { return dir_ + u'/'; }
    QString stateDir() const override { return dir_ + u"/state/"_s; }
    QString backupFile() const override { return dir_ + u"/data.bak"_s; }

private:
    QString dir_;
};

// The desktop's services with the data in a folder of the benchmark's own.
struct DesktopPlatform {
    explicit DesktopPlatform(const QString& dir) : paths(dir) {}
    FolderPaths paths;
    QtDialogs dialogs;
    DesktopIconSource icons;
    SystemClock clock;
    ProcMemory memory;
    LinuxShell shell;
    LinuxSystemProbe probe;
    LogindShutdown shutdown{clock};
    QtSound sound;
    ReminderToast toast;
    QtDownloader downloader;
    XcbHotKey hotKey;
    Platform bundle() { return {paths, dialogs, icons, clock, memory, shell, probe, shutdown, sound, toast, downloader, hotKey}; }
};

// Ends the process on the first paint of the watched window.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            std::fputs("painted\n", stdout);
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

// 50 occupied program slots in five shown groups, each pointing at a real program.
void writeData(const QString& dir) {
    QStringList programs = QDir(u"/usr/bin"_s).entryList(QDir::Files, QDir::Name);
    QByteArray ini = "[main]\r\n";
    for (int g = 1; g <= 5; ++g) ini += "show_" + QByteArray::number(g) + "=1\r\n";
    for (int g = 1; g <= 5; ++g) {
        const QByteArray t = "t" + QByteArray::number(g);
        ini += "[" + t + "]\r\n";
        for (int n = 1; n <= 10; ++n) {
            const QByteArray key = "_" + QByteArray::number(n) + "=";
            const QByteArray name = programs.value((g - 1) * 10 + n).toUtf8();
            ini += t + "_now" + key + "1\r\n" + t + "_name" + key + name + "\r\n" + t + "_path" + key +
                   "/usr/bin/" + name + "\r\n" + t + "_color" + key + "clBlue\r\n";
        }
    }
    QFile file(dir + u"/data.ini"_s);
    file.open(QIODevice::WriteOnly);
    file.write(ini);
    QDir(dir).mkdir(u"icons"_s);
}

int child(const QString& mode, const QString& dir, int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaint watch;
    if (mode == u"--bare"_s || mode == u"--label"_s) {
        QWidget window(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
        window.setFixedSize(224, 513);
        // The same bare window with one line of Chinese text: the share of start-up that
        // any window with text pays for its fonts.
        if (mode == u"--label"_s) new QLabel(u"欢迎使用凡特睿!"_s, &window);
        window.installEventFilter(&watch);
        window.show();
        return app.exec();
    }
    DesktopPlatform desktop(dir);
    Platform platform = desktop.bundle();
    MainWindow window(platform);
    window.installEventFilter(&watch);
    window.show();
    return app.exec();
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double timeChild(const QString& program, const QStringList& args) {
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, args);
    process.waitForFinished(30000);
    const double ms = timer.nsecsElapsed() / 1e6;
    if (!process.readAllStandardOutput().contains("painted")) qFatal("the child did not paint");
    return ms;
}

double saveMilliseconds(const QString& dir, int argc, char** argv) {
    QApplication app(argc, argv);
    DesktopPlatform desktop(dir);
    Platform platform = desktop.bundle();
    MainWindow window(platform);
    QList<double> runs;
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!window.FormClose()) qFatal("the save failed");
        runs << timer.nsecsElapsed() / 1e6;
    }
    return median(runs);
}

} // namespace

int main(int argc, char** argv) {
    Q_INIT_RESOURCE(resources);
    if (argc == 3) return child(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), argc, argv);

    QTemporaryDir dir;
    writeData(dir.path());
    const QString self = QString::fromLocal8Bit(argv[0]);
    QList<double> bare, label, real;
    for (int i = 0; i < 15; ++i) {
        bare << timeChild(self, {u"--bare"_s, dir.path()});
        label << timeChild(self, {u"--label"_s, dir.path()});
        real << timeChild(self, {u"--vantrel"_s, dir.path()});
    }
    const double bareMs = median(bare), realMs = median(real);
    std::printf("start-up to first frame: vantrel %.1f ms, bare Qt window %.1f ms, ratio %.2f\n",
                realMs, bareMs, realMs / bareMs);
    std::printf("  (bare window with one text label: %.1f ms)\n", median(label));
    std::printf("full save of data.ini: %.2f ms\n", saveMilliseconds(dir.path(), argc, argv));
    return 0;
}

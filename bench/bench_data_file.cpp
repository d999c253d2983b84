// Memory and time of data.ini at its largest: files as big as the reader takes, of the
// shapes that cost a line-by-line reader most, each loaded and saved (all keys written,
// one atomic replacement) in a fresh process, whose peak resident memory above what it
// held before the load is set against the size of the file.

#include "store/data_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

// A full file as a save writes it, repeated (under other section names) up to `bytes`.
QByteArray realistic(qsizetype bytes) {
    QByteArray one;
    for (int g = 1; g <= 5; ++g) {
        one += "[t" + QByteArray::number(g) + "]\r\n";
        for (int n = 1; n <= 10; ++n)
            one += "t_name_" + QByteArray::number(n) + "=计算器\r\nt_path_" + QByteArray::number(n) +
                   "=/usr/bin/gnome-calculator\r\n";
    }
    QByteArray out;
    for (int copy = 0; out.size() + one.size() <= bytes; ++copy) out += QByteArray(one).replace("[t", "[c" + QByteArray::number(copy) + "t");
    return out;
}

QByteArray repeated(QByteArray (*line)(int), qsizetype bytes) {
    QByteArray out;
    for (int i = 0;; ++i) {
        const QByteArray next = line(i);
        if (out.size() + next.size() > bytes) return out;
        out += next;
    }
}

struct Shape {
    const char* name;
    QByteArray (*make)(qsizetype bytes);
};

const Shape kShapes[] = {
    {"full data files, repeated", realistic},
    {"empty lines (CR LF)", [](qsizetype bytes) { return repeated([](int) -> QByteArray { return "\r\n"; }, bytes); }},
    {"empty lines (CR)", [](qsizetype bytes) { return QByteArray(bytes, '\r'); }},
    {"one line", [](qsizetype bytes) { return "[set]\r\ntoumingdu=" + QByteArray(bytes - 20, '7'); }},
    {"distinct keys", [](qsizetype bytes) {
         return "[set]\r\n" + repeated([](int i) { return "k" + QByteArray::number(i) + "=\n"; }, bytes - 7);
     }},
    {"distinct sections", [](qsizetype bytes) {
         return repeated([](int i) { return "[s" + QByteArray::number(i) + "]\n"; }, bytes);
     }},
};

qint64 statusKilobytes(const char* field) {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(qstrlen(field)).trimmed().split(' ').front().toLongLong();
    return 0;
}

// In the child: load and save the file, print "<peak KiB above the start> <load ms> <save ms>".
int measure(const QString& path) {
    const qint64 before = statusKilobytes("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    SettingsFile file(path);
    AppSettings settings;
    LaunchModel model;
    loadData(file, settings, model);
    const double loadMs = timer.nsecsElapsed() / 1e6;
    timer.restart();
    applyLoadedState(model, settings);
    saveData(file, settings, model);
    const double saveMs = timer.nsecsElapsed() / 1e6;
    std::printf("%lld %.1f %.1f\n", statusKilobytes("VmHWM:") - before, loadMs, saveMs);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 2) return measure(QString::fromLocal8Bit(argv[1]));

    QTemporaryDir dir;
    const QString path = dir.filePath(u"data.ini"_s);
    std::printf("%-28s %10s %14s %8s %9s %9s\n", "data.ini", "size KiB", "peak +KiB", "ratio", "load ms",
                "save ms");
    for (const Shape& shape : kShapes) {
        const QByteArray content = shape.make(SettingsFile::kMaxFileBytes);
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(content);
        file.close();
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {path});
        child.waitForFinished(-1);
        const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
        if (figures.size() != 3) qFatal("the measuring process failed");
        const double peak = figures[0].toDouble();
        std::printf("%-28s %10lld %14.0f %8.2f %9s %9s\n", shape.name, qint64(content.size() >> 10), peak,
                    peak * 1024 / content.size(), figures[1].constData(), figures[2].constData());
    }
    return 0;
}

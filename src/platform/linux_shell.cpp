#include "platform/linux_shell.h"

#include "platform/desktop_entry.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace {

bool start(const QString& program, const QStringList& args) {
    return !program.isEmpty() && QProcess::startDetached(program, args);
}

void xdgOpen(const QString& target) {
    start(QStandardPaths::findExecutable(u"xdg-open"_s), {target});
}

// "www.example.com", "example.com:8080/path?q": a dotted host name, perhaps a port, then
// perhaps a path, query or fragment.
bool looksLikeWebHost(const QString& target) {
    static const QRegularExpression host(
        uR"(^[A-Za-z0-9-]+(\.[A-Za-z0-9-]+)+(:[0-9]+)?([/?#].*)?$)"_s,
        QRegularExpression::DotMatchesEverythingOption);
    return host.match(target).hasMatch();
}

bool launchDesktopEntry(const QString& path) {
    const auto entry = readDesktopEntry(path);
    if (!entry) return false;
    QStringList args = desktopExecArguments(entry->exec);
    if (args.isEmpty()) return false;
    if (entry->terminal) {
        const QString terminal = QStandardPaths::findExecutable(u"x-terminal-emulator"_s);
        if (!terminal.isEmpty()) args = QStringList{terminal, u"-e"_s} + args;
    }
    const QString program = args.takeFirst();
    return start(program, args);
}

} // namespace

void LinuxShell::ShellLaunch(QWidget*, const QString&, const QString& target,
                             const QString& params, ShowMode) {
    // Addresses with a scheme ("https:", "mailto:", "file:"…) name no local path and go to
    // xdg-open as they are, like any missing target; a typed host gets "http://" first.
    const QFileInfo info(target);
    if (!info.exists()) return xdgOpen(looksLikeWebHost(target) ? u"http://"_s + target : target);
    if (info.isFile() && info.suffix() == u"desktop"_s) {
        if (!launchDesktopEntry(target)) xdgOpen(target);
        return;
    }
    // A file that cannot be executed after all (a picture on a FAT stick, where every
    // file carries the execute bit) goes to its handler instead.
    if (info.isFile() && info.isExecutable() &&
        start(info.absoluteFilePath(), QProcess::splitCommand(params)))
        return;
    xdgOpen(target);
}

void LinuxShell::startProgram(const QString& program, const QStringList& arguments,
                              const QString& folder) {
    QProcess::startDetached(program, arguments, folder);
}

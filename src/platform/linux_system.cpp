#include "platform/linux_system.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <malloc.h>

using namespace Qt::Literals::StringLiterals;

QString ApplicationPaths::appDir() const {
    return QCoreApplication::applicationDirPath() + u'/';
}

QString ApplicationPaths::stateDir() const {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative value is no base folder and is ignored.
    if (!QDir::isAbsolutePath(base)) base = QDir::homePath() + u"/.local/state"_s;
    return base + u"/vantrel/"_s;
}

QString ApplicationPaths::backupFile() const { return QDir::homePath() + u"/data.bak"_s; }

MemoryStatus ProcMemory::status() {
    QFile file(u"/proc/meminfo"_s);
    if (!file.open(QIODevice::ReadOnly)) return {};
    quint64 total = 0, available = 0, commitLimit = 0, committed = 0;
    const std::pair<QByteArray, quint64*> fields[] = {
        {"MemTotal:", &total}, {"MemAvailable:", &available},
        {"CommitLimit:", &commitLimit}, {"Committed_AS:", &committed}};
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() < 2) continue;
        for (const auto& [name, value] : fields)
            if (parts[0] == name) *value = parts[1].toULongLong() * 1024;
    }
    return {total, available, commitLimit, commitLimit > committed ? commitLimit - committed : 0};
}

void ProcMemory::trimWorkingSet() { malloc_trim(0); }

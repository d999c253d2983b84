#pragma once
// Small helpers for tests that work on real files in a temporary folder.

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>

#include <unistd.h>

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes a file or folder refuse writes for as long as it lives: read-only permissions, and
// for root, whom permissions do not stop, the immutable attribute where the file system
// has one. effective() says whether a write is really refused here.
class WriteProtected {
public:
    explicit WriteProtected(QString path) : path_(std::move(path)), permissions_(QFile::permissions(path_)) {
        QFile::setPermissions(path_, permissions_ & ~(QFile::WriteOwner | QFile::WriteUser |
                                                      QFile::WriteGroup | QFile::WriteOther));
        if (geteuid() == 0)
            immutable_ = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path_}) == 0;
    }
    ~WriteProtected() {
        if (immutable_) QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path_});
        QFile::setPermissions(path_, permissions_);
    }
    WriteProtected(const WriteProtected&) = delete;
    WriteProtected& operator=(const WriteProtected&) = delete;

    bool effective() const {
        if (QFileInfo(path_).isDir()) {
            QFile probe(path_ + QStringLiteral("/.write-probe"));
            if (!probe.open(QIODevice::WriteOnly)) return true;
            probe.remove();
            return false;
        }
        QFile file(path_);
        return !file.open(QIODevice::Append);
    }

private:
    QString path_;
    QFile::Permissions permissions_;
    bool immutable_ = false;
};

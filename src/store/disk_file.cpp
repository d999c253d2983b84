#include "store/disk_file.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// What a replacement's temporary file adds to the name of the file it replaces, before
// six random letters or digits.
const QString kReplaceInfix = u".saving-"_s;

// The file a replacement writes: the end of the link when the path is one.
QString replacedFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink()) return path;
    return info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
}

QString refusal(int error) {
    if (error == EACCES || error == EPERM) return u"没有读取它的权限"_s;
    return u"读取出错（%1）"_s.arg(qt_error_string(error));
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

bool writeAndSync(QFile& file, const QByteArray& bytes) {
    return file.write(bytes) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0;
}

} // namespace

FileRead readWholeFile(const QString& path, qint64 maxBytes) {
    FileRead result;
    // Not blocking: opening a pipe would otherwise wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT) result = {FileRead::Outcome::Refused, {}, refusal(errno)};
        return result;
    }
    const auto refuse = [&](const QString& reason) {
        result = {FileRead::Outcome::Refused, {}, reason};
    };
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        refuse(refusal(errno));
    } else if (!S_ISREG(info.st_mode)) {
        refuse(u"它不是普通文件"_s);
    } else {
        const QString tooLarge = u"它大于 %1 MiB"_s.arg(maxBytes >> 20);
        if (info.st_size > maxBytes) {
            refuse(tooLarge);
        } else {
            // Read to the end, not to the size seen: the file may be growing.
            result.bytes.reserve(info.st_size + 1);
            char chunk[64 * 1024];
            for (;;) {
                const ssize_t got = ::read(fd, chunk, sizeof chunk);
                if (got < 0 && errno == EINTR) continue;
                if (got < 0) {
                    refuse(refusal(errno));
                    break;
                }
                if (got == 0) {
                    result.outcome = FileRead::Outcome::Read;
                    break;
                }
                if (result.bytes.size() + got > maxBytes) {
                    refuse(tooLarge);
                    break;
                }
                result.bytes.append(chunk, got);
            }
        }
    }
    ::close(fd);
    return result;
}

bool replaceFile(const QString& path, const QByteArray& bytes) {
    const QString target = replacedFile(path);
    const QByteArray nativeTarget = QFile::encodeName(target);
    struct stat existing {};
    const bool exists = ::stat(nativeTarget.constData(), &existing) == 0;
    // A file its owner made read-only is refused, though its folder would take the rename.
    if (exists && ::access(nativeTarget.constData(), W_OK) != 0) return false;

    // Where the file system allows, the temporary file has no name until it is complete
    // (Qt names it when asked for its name, right before the rename).
    QTemporaryFile temp(target + kReplaceInfix + u"XXXXXX"_s);
    if (!temp.open()) return false;
    // Held until the end, so that a start of another copy leaves the file alone.
    ::flock(temp.handle(), LOCK_EX);
    // Some file systems have no permissions to set; the write goes on without.
    [[maybe_unused]] const int chmodded =
        ::fchmod(temp.handle(), exists ? existing.st_mode & 07777 : 0666 & ~currentUmask());
    if (!writeAndSync(temp, bytes)) return false;
    if (::rename(QFile::encodeName(temp.fileName()).constData(), nativeTarget.constData()) != 0) return false;
    temp.setAutoRemove(false);
    return true;
}

QString writeNewFile(const QString& folder, const QString& prefix, const QByteArray& bytes) {
    QTemporaryFile file(QDir(folder).filePath(prefix + u"XXXXXX"_s));
    if (!file.open() || !writeAndSync(file, bytes)) return {};
    file.setAutoRemove(false);
    return file.fileName();
}

void removeReplaceLeftovers(const QString& path) {
    const QFileInfo replaced(replacedFile(path));
    const QRegularExpression ours(u"^%1%2[A-Za-z0-9]{6}$"_s.arg(
        QRegularExpression::escape(replaced.fileName()), QRegularExpression::escape(kReplaceInfix)));
    const QDir folder = replaced.dir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks)) {
        if (!ours.match(name).hasMatch()) continue;
        const QByteArray native = QFile::encodeName(folder.filePath(name));
        const int fd = ::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat info {};
        // A replacement under way holds its lock; one that was killed holds none.
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(native.constData());
        ::close(fd);
    }
}

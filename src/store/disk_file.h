#pragma once
// How the data file meets the disk: read whole and bounded, never blocking on what is no
// regular file; replaced in one atomic step; a copy written to a new file; and the
// temporary files of a replacement that was killed midway removed again.

#include <QByteArray>
#include <QString>

struct FileRead {
    enum class Outcome { Read, Missing, Refused };
    Outcome outcome = Outcome::Missing;
    QByteArray bytes;  // the whole file when read
    QString reason;    // why it was refused, for the user
};

// Reads the regular file at `path`, links followed, when it holds at most `maxBytes`.
// A missing file (or a link to nothing) is Missing; anything else that cannot be read
// whole is Refused with the reason.
FileRead readWholeFile(const QString& path, qint64 maxBytes);

// Replaces the file at `path` (the file a link points to, when it is a link) with `bytes`:
// written to a temporary file beside it, flushed to the disk, then renamed over it, with
// the permissions of the file it replaces. False when the system refuses; the file is
// then as it was and no temporary file remains.
bool replaceFile(const QString& path, const QByteArray& bytes);

// Writes `bytes` to a new file in `folder`, named `prefix` and six random letters or
// digits, and returns its path; empty when the folder refuses.
QString writeNewFile(const QString& folder, const QString& prefix, const QByteArray& bytes);

// Removes the temporary files that replaceFile(path, ...) left when it was killed midway,
// and only those: regular files of its own name pattern that no running replacement holds.
void removeReplaceLeftovers(const QString& path);

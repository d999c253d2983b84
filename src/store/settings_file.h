#pragma once
// The INI data file. Reading follows the profile-file rules: section and key names in any
// letter case, the value after the first "=" with blanks and one pair of matching quotes
// removed, at most 2047 bytes. Writing replaces a key's line in place or adds it at the
// end of its section (a missing section goes at the end of the file) and keeps every
// other line, byte for byte, in its order.
//
// A missing section is appended after the file's last line with no blank line before
// it, so a first save into a missing file gives exactly
//   "[set]\r\ntoumingdu=255\r\n...[main]\r\nshow_1=0\r\n..."
// A missing key goes after the last non-blank line of its section, so blank lines that
// separate sections stay in front of the next section. Values are written as given,
// except that CR and LF, which would end the line and could smuggle in keys, are written
// as spaces.
//
// Only a regular file (links followed) of at most kMaxFileBytes is read. A file that is
// there but cannot be read whole (a folder, a pipe, a device, too large, no permission, a
// UTF-16 or UTF-32 text) reads as empty, loadProblem() says why, and it is never written
// over during this run: commit() then leaves it alone.
//
// Encoding: a byte-order mark decides (UTF-8 or GB18030, a superset of GBK). Without one
// the file is UTF-8 unless its bytes that are no UTF-8 are at least as many as those of
// its UTF-8 characters, as in a GBK file from Windows; then it is GB18030. A character
// cut by the end of a line counts for neither, so a file cut short keeps its encoding.
// Each line is decoded on its own; bytes invalid in the file's encoding read as U+FFFD.
// Changed and added lines are written in the file's encoding, a new file in UTF-8, and
// should a save leave bytes from which the next start would choose the other encoding,
// the save puts the byte-order mark of this one in front. CR, LF and CR LF end a line
// when read; every line is written with CR LF.
//
// The file is held once, as read; reads decode the lines they need from it, writes are
// kept beside it until commit() replaces the file on disk in one atomic step (a
// temporary file beside it renamed over it), so a refused write leaves it whole.

#include <QByteArray>
#include <QString>
#include <memory>

class SettingsFile {
public:
    // The largest file read: far above a full data file (about 20 KB) with room for the
    // user's own notes.
    static constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

    // Opening reads nothing and cannot fail.
    explicit SettingsFile(QString path);
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    const QString& path() const { return path_; }

    QString readText(QStringView section, QStringView key, const QString& defaultValue);
    qint32 readInteger(QStringView section, QStringView key, qint32 defaultValue);
    void writeText(QStringView section, QStringView key, const QString& value);
    void writeInteger(QStringView section, QStringView key, qint32 value);

    // For the user, when the first read found the file but could not read it: the file,
    // the reason, and that this run leaves it alone; empty otherwise. The first use of the
    // file reads it and, before that, removes the temporary files that a save killed
    // midway left beside it.
    QString loadProblem();
    // Whether the file is read and written as UTF-8 (otherwise GB18030).
    bool isUtf8();

    // Reads the file afresh from disk, dropping writes that were not committed. A file
    // refused at the first read stays refused.
    void reload();
    // Writes the file to disk atomically; does nothing when the first read refused it.
    // Raises AppError("Unable to write to <path>") when the system refuses, and the load
    // problem when the last reload could not read the file; the file is then unchanged.
    void commit();
    // Writes what commit() would write into a new file "data.ini.rescue-XXXXXX" beside the
    // data file or, where that folder refuses, in `fallbackDir` (made when missing), and
    // returns its path. Raises AppError when neither takes it.
    QString rescue(const QString& fallbackDir);

private:
    struct Document;
    Document& document();
    void load();

    QString path_;
    std::unique_ptr<Document> document_;
    QString problem_;              // why the last read could not read the file
    bool refusedAtStart_ = false;  // the first read could not: never write it
};

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
// Encoding: a file that is valid UTF-8 is read and written as UTF-8, any other as
// GB18030 (a superset of GBK); a new file is UTF-8. CR, LF and CR LF end a line when
// read; every line is written with CR LF. Lines the writes did not change are written
// back with their original bytes; a leading UTF-8 byte-order mark is kept.
//
// The file is read once, on first use (a missing or unreadable one reads as empty), and
// the reads of start-up are served from that copy. Writes change the copy; commit()
// replaces the file on disk in one atomic step, so a refused write leaves it whole.

#include <QByteArray>
#include <QString>
#include <memory>

class SettingsFile {
public:
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

    // Reads the file afresh from disk, dropping writes that were not committed.
    void reload();
    // Writes the copy to disk atomically. Raises AppError("Unable to write to <path>")
    // when the system refuses; the file on disk is then unchanged.
    void commit();

private:
    struct Document;
    Document& document();

    QString path_;
    std::unique_ptr<Document> document_;
};

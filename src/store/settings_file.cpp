#include "store/settings_file.h"

#include "core/app_error.h"
#include "core/integer_text.h"
#include "store/disk_file.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <optional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// The longest value a read returns, in bytes of the file's encoding.
constexpr qsizetype kMaxValueBytes = 2047;

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");
constexpr QByteArrayView kGb18030Bom("\x84\x31\x95\x33");
constexpr quint32 kNone = 0xFFFFFFFF;

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isBlankByte(char c) { return c == ' ' || c == '\t'; }

QStringView trimBlanks(QStringView text) {
    while (!text.isEmpty() && isBlank(text.front())) text = text.mid(1);
    while (!text.isEmpty() && isBlank(text.back())) text.chop(1);
    return text;
}

// Calls visit(start, end) for each line of `bytes` from `from` on, without its line end,
// until visit returns false. CR, LF and CR LF end a line.
template <typename Visit>
void forEachLine(QByteArrayView bytes, qsizetype from, Visit visit) {
    qsizetype start = from;
    for (qsizetype i = from; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        if (!visit(start, i)) return;
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) visit(start, bytes.size());
}

// The bytes that belong to complete UTF-8 characters of more than one byte, and those
// that belong to none. A character cut by the end of its line counts for neither.
struct Utf8Tally {
    qsizetype multiByte = 0;
    qsizetype invalid = 0;
};

Utf8Tally tallyUtf8(QByteArrayView bytes) {
    Utf8Tally tally;
    const auto byteAt = [&](qsizetype i) { return quint8(bytes[i]); };
    for (qsizetype i = 0; i < bytes.size();) {
        const quint8 lead = byteAt(i);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // The length of the character and the range of its second byte, which rules out
        // overlong forms, surrogates and values past U+10FFFF.
        int length = 0;
        quint8 low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) length = 3, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
        else if (lead >= 0xF0 && lead <= 0xF4) length = 4, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
        int good = 1;
        while (length > 0 && good < length && i + good < bytes.size()) {
            const quint8 next = byteAt(i + good);
            if (next < (good == 1 ? low : 0x80) || next > (good == 1 ? high : 0xBF)) break;
            ++good;
        }
        if (length > 0 && good == length) {
            tally.multiByte += length;
            i += length;
        } else if (length > 0 && (i + good == bytes.size() || bytes[i + good] == '\r' || bytes[i + good] == '\n')) {
            i += good;
        } else {
            ++tally.invalid;
            ++i;
        }
    }
    return tally;
}

bool chooseUtf8(QByteArrayView bytes) {
    if (bytes.startsWith(kUtf8Bom)) return true;
    if (bytes.startsWith(kGb18030Bom)) return false;
    const Utf8Tally tally = tallyUtf8(bytes);
    return tally.invalid == 0 || tally.multiByte > tally.invalid;
}

quint32 nameHash(QStringView lowered, quint32 seed) { return quint32(qHash(lowered, size_t(seed))); }
// Header lines are hashed with a seed no section offset reaches.
constexpr quint32 kHeaderSeed = kNone;

QString unreadable(const QString& path, const QString& reason) {
    return u"无法读取数据文件 %1：%2。"_s.arg(path, reason);
}

} // namespace

struct SettingsFile::Document {
    QByteArray content;      // the file as read
    qsizetype bomSize = 0;   // the byte-order mark in front of the first line
    bool utf8 = true;
    QStringDecoder decoder;
    QStringEncoder encoder;

    // The lines the reads look for, found by the hash of their lower-cased name: section
    // headers (section == line) and keys (section: the offset of their header). Sorted
    // by hash, then by offset, so that the first of equal names comes first.
    struct Entry {
        quint32 hash;
        quint32 line;
        quint32 section;
    };
    std::vector<Entry> index;
    std::vector<quint32> headers;  // the header lines in file order

    // What the writes changed: the text now in place of a line, and lines added after the
    // last non-blank line of a section or, for a new section, at the end of the file.
    struct Added {
        QString key;  // lower-cased
        QString text;
    };
    struct Addition {
        quint32 after;   // the line they follow; kNone for a new section
        QString header;  // the header line of a new section
        QList<Added> lines;
    };
    QHash<quint32, QString> replaced;
    std::vector<Addition> additions;
    QHash<QString, size_t> additionOf;  // lower-cased section name -> addition

    explicit Document(bool isUtf8)
        : utf8(isUtf8),
          decoder(isUtf8 ? QStringDecoder(QStringConverter::Utf8, kFlags) : QStringDecoder("GB18030", kFlags)),
          encoder(isUtf8 ? QStringEncoder(QStringConverter::Utf8, kFlags) : QStringEncoder("GB18030", kFlags)) {}

    static constexpr QStringConverter::Flags kFlags =
        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

    static std::unique_ptr<Document> parse(QByteArray bytes);

    qsizetype lineEnd(qsizetype start) const {
        qsizetype end = start;
        while (end < content.size() && content[end] != '\r' && content[end] != '\n') ++end;
        return end;
    }
    QByteArray encode(QStringView text) { return encoder.encode(text); }
    QString decode(qsizetype start, qsizetype end) {
        return decoder.decode(QByteArrayView(content).sliced(start, end - start));
    }
    // The text of the line at `start`; the first line without its byte-order mark.
    QString lineText(quint32 start) { return decode(start == 0 ? bomSize : start, lineEnd(start)); }

    // The lower-cased name of a header line; nothing for any other line.
    static std::optional<QString> headerName(QStringView text) {
        const QStringView trimmed = trimBlanks(text);
        if (trimmed.size() < 2 || trimmed.front() != u'[' || trimmed.back() != u']') return std::nullopt;
        return trimBlanks(trimmed.sliced(1, trimmed.size() - 2)).toString().toLower();
    }
    // The lower-cased key of a line, empty when it has none; "=" is a byte of no
    // character of either encoding, so the key's bytes end at the first "=" byte.
    QString keyName(qsizetype start, qsizetype end) {
        const qsizetype equals = QByteArrayView(content).sliced(start, end - start).indexOf('=');
        if (equals < 0) return {};
        return trimBlanks(decode(start, start + equals)).toString().toLower();
    }

    template <typename Match>
    quint32 findEntry(quint32 hash, Match match) const {
        auto it = std::lower_bound(index.begin(), index.end(), hash,
                                   [](const Entry& e, quint32 h) { return e.hash < h; });
        for (; it != index.end() && it->hash == hash; ++it)
            if (match(*it)) return it->line;
        return kNone;
    }
    quint32 findSection(const QString& lowered) {
        return findEntry(nameHash(lowered, kHeaderSeed), [&](const Entry& e) {
            return e.section == e.line && headerName(lineText(e.line)) == lowered;
        });
    }
    quint32 findKey(quint32 section, const QString& lowered) {
        return findEntry(nameHash(lowered, section), [&](const Entry& e) {
            return e.section == section && e.line != section && keyName(e.line, lineEnd(e.line)) == lowered;
        });
    }

    // The last non-blank line of the section whose header is at `header`.
    quint32 lastFilledLine(quint32 header) const {
        const auto next = std::upper_bound(headers.begin(), headers.end(), header);
        const qsizetype stop = next == headers.end() ? content.size() : *next;
        quint32 last = header;
        forEachLine(content, header, [&](qsizetype start, qsizetype end) {
            if (start >= stop) return false;
            if (std::any_of(content.begin() + start, content.begin() + end, [](char c) { return !isBlankByte(c); }))
                last = quint32(start);
            return true;
        });
        return last;
    }

    std::optional<QString> find(QStringView section, QStringView key) {
        const QString sectionName = section.toString().toLower();
        const QString keyName = key.toString().toLower();
        if (const quint32 header = findSection(sectionName); header != kNone) {
            if (const quint32 line = findKey(header, keyName); line != kNone) {
                const auto r = replaced.constFind(line);
                return r != replaced.cend() ? *r : lineText(line);
            }
        }
        if (const auto a = additionOf.constFind(sectionName); a != additionOf.cend())
            for (const Added& added : additions[*a].lines)
                if (added.key == keyName) return added.text;
        return std::nullopt;
    }

    void write(QStringView section, QStringView key, const QString& text) {
        const QString sectionName = section.toString().toLower();
        const QString keyName = key.toString().toLower();
        const quint32 header = findSection(sectionName);
        if (header != kNone) {
            if (const quint32 line = findKey(header, keyName); line != kNone) {
                // The line keeps its own bytes for as long as it says the same.
                if (text == lineText(line))
                    replaced.remove(line);
                else
                    replaced.insert(line, text);
                return;
            }
        }
        auto a = additionOf.constFind(sectionName);
        if (a == additionOf.cend()) {
            a = additionOf.insert(sectionName, additions.size());
            additions.push_back(header != kNone ? Addition{lastFilledLine(header), {}, {}}
                                                : Addition{kNone, u"[%1]"_s.arg(section), {}});
        }
        QList<Added>& lines = additions[*a].lines;
        for (Added& added : lines)
            if (added.key == keyName) {
                added.text = text;
                return;
            }
        lines.append({keyName, text});
    }

    // The value cut to kMaxValueBytes without splitting a character.
    QString limited(QStringView value) {
        // No character takes more than four bytes per UTF-16 unit in either encoding.
        if (value.size() <= kMaxValueBytes / 4 || encode(value).size() <= kMaxValueBytes)
            return value.toString();
        qsizetype bytes = 0;
        for (qsizetype i = 0; i < value.size();) {
            const qsizetype units =
                value[i].isHighSurrogate() && i + 1 < value.size() && value[i + 1].isLowSurrogate() ? 2 : 1;
            bytes += encode(value.sliced(i, units)).size();
            if (bytes > kMaxValueBytes) return value.first(i).toString();
            i += units;
        }
        return value.toString();
    }

    QByteArray bytes() {
        QHash<quint32, const Addition*> following;
        for (const Addition& addition : additions)
            if (addition.after != kNone) following.insert(addition.after, &addition);
        QByteArray out;
        out.reserve(content.size() + content.size() / 8 + 64);
        const auto put = [&](const QString& text) { out.append(encode(text)).append("\r\n"); };
        const auto putAdded = [&](const Addition& addition) {
            for (const Added& added : addition.lines) put(added.text);
        };
        forEachLine(content, 0, [&](qsizetype start, qsizetype end) {
            if (const auto r = replaced.constFind(quint32(start)); r != replaced.cend())
                put(*r);
            else
                out.append(content.constData() + start, end - start).append("\r\n");
            if (const auto a = following.constFind(quint32(start)); a != following.cend()) putAdded(**a);
            return true;
        });
        for (const Addition& addition : additions)
            if (addition.after == kNone) {
                put(addition.header);
                putAdded(addition);
            }
        // The next start must choose this encoding again wherever that changes a character.
        const bool pinned = out.startsWith(kUtf8Bom) || out.startsWith(kGb18030Bom);
        const bool ascii = std::all_of(out.cbegin(), out.cend(), [](char c) { return quint8(c) < 0x80; });
        if (!pinned && !ascii && chooseUtf8(out) != utf8) out.prepend(utf8 ? kUtf8Bom : kGb18030Bom);
        return out;
    }
};

std::unique_ptr<SettingsFile::Document> SettingsFile::Document::parse(QByteArray bytes) {
    auto document = std::make_unique<Document>(chooseUtf8(bytes));
    Document& doc = *document;
    doc.content = std::move(bytes);
    const QByteArrayView bom = doc.utf8 ? kUtf8Bom : kGb18030Bom;
    doc.bomSize = doc.content.startsWith(bom) ? bom.size() : 0;

    quint32 section = kNone;
    forEachLine(doc.content, 0, [&](qsizetype start, qsizetype end) {
        const qsizetype from = start == 0 ? doc.bomSize : start;
        const auto text = QByteArrayView(doc.content).sliced(from, end - from);
        const qsizetype first = std::find_if_not(text.begin(), text.end(), isBlankByte) - text.begin();
        // Only a line whose first non-blank byte is "[" can be a header: no character
        // of either encoding starts with that byte.
        if (first < text.size() && text[first] == '[') {
            if (const auto name = headerName(doc.decode(from, end))) {
                section = quint32(start);
                doc.headers.push_back(section);
                doc.index.push_back({nameHash(*name, kHeaderSeed), section, section});
                return true;
            }
        }
        if (section != kNone) {
            const QString key = doc.keyName(from, end);
            if (!key.isEmpty()) doc.index.push_back({nameHash(key, section), quint32(start), section});
        }
        return true;
    });
    std::stable_sort(doc.index.begin(), doc.index.end(),
                     [](const Entry& a, const Entry& b) { return a.hash < b.hash; });
    doc.index.shrink_to_fit();
    doc.headers.shrink_to_fit();
    return document;
}

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {}

SettingsFile::~SettingsFile() = default;

void SettingsFile::load() {
    document_.reset();  // the old copy goes before the new one is read
    problem_.clear();
    FileRead read = readWholeFile(path_, kMaxFileBytes);
    if (read.outcome == FileRead::Outcome::Read &&
        (read.bytes.startsWith("\xFF\xFE") || read.bytes.startsWith("\xFE\xFF") ||
         read.bytes.startsWith(QByteArrayView("\0\0\xFE\xFF", 4))))
        read = {FileRead::Outcome::Refused, {}, u"它是 UTF-16 或 UTF-32 文本"_s};
    if (read.outcome == FileRead::Outcome::Refused) problem_ = unreadable(path_, read.reason);
    document_ = Document::parse(std::move(read.bytes));
}

SettingsFile::Document& SettingsFile::document() {
    if (!document_) {
        removeReplaceLeftovers(path_);
        load();
        refusedAtStart_ = !problem_.isEmpty();
    }
    return *document_;
}

QString SettingsFile::loadProblem() {
    document();
    return refusedAtStart_ ? problem_ + u"本次以默认设置运行，关闭时不会改写这个文件。"_s : QString();
}

bool SettingsFile::isUtf8() { return document().utf8; }

QString SettingsFile::readText(QStringView section, QStringView key, const QString& defaultValue) {
    Document& doc = document();
    const std::optional<QString> line = doc.find(section, key);
    if (!line) return defaultValue;
    QStringView value = trimBlanks(QStringView(*line).sliced(line->indexOf(u'=') + 1));
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return doc.limited(value);
}

qint32 SettingsFile::readInteger(QStringView section, QStringView key, qint32 defaultValue) {
    const QString text = readText(section, key, QString());
    const bool prefixed = text.size() > 2 && text.startsWith(u"0x"_s, Qt::CaseInsensitive);
    return parseInteger(prefixed ? u"$"_s + text.mid(2) : text).value_or(defaultValue);
}

void SettingsFile::writeText(QStringView section, QStringView key, const QString& value) {
    // A line break inside a value would end the line early and could start a key of its
    // own on the next one; it is written as a blank instead.
    QString text = key.toString() + u'=' + value;
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    document().write(section, key, text);
}

void SettingsFile::writeInteger(QStringView section, QStringView key, qint32 value) {
    writeText(section, key, QString::number(value));
}

void SettingsFile::reload() {
    document();  // the first read decides whether the file may ever be written
    load();
}

void SettingsFile::commit() {
    Document& doc = document();
    if (refusedAtStart_) return;
    if (!problem_.isEmpty()) throw AppError(problem_);
    if (!replaceFile(path_, doc.bytes())) throw AppError(u"Unable to write to "_s + path_);
}

QString SettingsFile::rescue(const QString& fallbackDir) {
    const QByteArray bytes = document().bytes();
    const QString prefix = QFileInfo(path_).fileName() + u".rescue-"_s;
    QString written = writeNewFile(QFileInfo(path_).absolutePath(), prefix, bytes);
    if (written.isEmpty() && QDir().mkpath(fallbackDir)) written = writeNewFile(fallbackDir, prefix, bytes);
    if (written.isEmpty()) throw AppError(u"Unable to write to %1 or to %2"_s.arg(path_, fallbackDir));
    return written;
}

#include "store/settings_file.h"

#include "core/app_error.h"
#include "core/integer_text.h"

#include <QFile>
#include <QHash>
#include <QList>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// The longest value a read returns, in bytes of the file's encoding.
constexpr qsizetype kMaxValueBytes = 2047;

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

QStringView trimBlanks(QStringView text) {
    while (!text.isEmpty() && isBlank(text.front())) text = text.mid(1);
    while (!text.isEmpty() && isBlank(text.back())) text.chop(1);
    return text;
}

// One line as it lies in the file, without its line end, and as text.
struct Line {
    QByteArray raw;
    QString text;
};

// A section: its header line first (except for the lines before the first section),
// then every line up to the next header.
struct Block {
    QList<Line> lines;
    qsizetype lastFilled = -1;        // the last line that is not blank
    QHash<QString, qsizetype> keys; // lower-cased key -> line; the first line of a key wins
};

} // namespace

struct SettingsFile::Document {
    QStringEncoder encoder{QStringEncoder::Utf8, QStringConverter::Flag::Stateless};
    std::vector<Block> blocks{Block{}};  // blocks[0]: the lines before the first section
    QHash<QString, size_t> sections;     // lower-cased name -> block; the first one wins

    void addLine(QByteArray raw, QString text) {
        const QStringView trimmed = trimBlanks(text);
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            const QString name = trimBlanks(trimmed.sliced(1, trimmed.size() - 2)).toString().toLower();
            if (!sections.contains(name)) sections.insert(name, blocks.size());
            blocks.emplace_back();
        }
        Block& block = blocks.back();
        const qsizetype index = block.lines.size();
        if (!trimmed.isEmpty()) block.lastFilled = index;
        if (&block != &blocks.front()) {
            if (const qsizetype equals = trimmed.indexOf(u'='); equals > 0) {
                const QStringView key = trimBlanks(trimmed.first(equals));
                const QString name = key.toString().toLower();
                if (!name.isEmpty() && !block.keys.contains(name)) block.keys.insert(name, index);
            }
        }
        block.lines.append({std::move(raw), std::move(text)});
    }

    const Line* find(QStringView section, QStringView key) const {
        const auto s = sections.constFind(section.toString().toLower());
        if (s == sections.cend()) return nullptr;
        const Block& block = blocks[*s];
        const auto k = block.keys.constFind(key.toString().toLower());
        return k == block.keys.cend() ? nullptr : &block.lines[*k];
    }

    QByteArray encode(QStringView text) { return encoder.encode(text); }

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

    static std::unique_ptr<Document> load(const QString& path);

    QByteArray bytes() const {
        QByteArray out;
        for (const Block& block : blocks)
            for (const Line& line : block.lines) out.append(line.raw).append("\r\n");
        return out;
    }
};

// A file that is valid UTF-8 (a leading byte-order mark included) is UTF-8, any other
// GB18030. Lines end at CR, LF or CR LF; neither byte occurs inside a character of
// either encoding, so the bytes are split first and each line decoded on its own.
std::unique_ptr<SettingsFile::Document> SettingsFile::Document::load(const QString& path) {
    auto document = std::make_unique<Document>();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return document;
    const QByteArray content = file.readAll();

    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString whole = utf8(content);  // converts only when taken as a QString
    const bool isUtf8 = !utf8.hasError();
    QStringDecoder decoder = isUtf8 ? QStringDecoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless)
                                    : QStringDecoder("GB18030", QStringConverter::Flag::Stateless);
    if (!isUtf8) document->encoder = QStringEncoder("GB18030", QStringConverter::Flag::Stateless);

    const auto addLine = [&](qsizetype from, qsizetype to) {
        QByteArray raw = content.sliced(from, to - from);
        QString text = decoder.decode(raw);
        if (from == 0 && text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
        document->addLine(std::move(raw), std::move(text));
    };
    qsizetype start = 0;
    for (qsizetype i = 0; i < content.size(); ++i) {
        const char c = content[i];
        if (c != '\r' && c != '\n') continue;
        addLine(start, i);
        if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < content.size()) addLine(start, content.size());
    return document;
}

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {}

SettingsFile::~SettingsFile() = default;

SettingsFile::Document& SettingsFile::document() {
    if (!document_) document_ = Document::load(path_);
    return *document_;
}

QString SettingsFile::readText(QStringView section, QStringView key, const QString& defaultValue) {
    Document& doc = document();
    const Line* line = doc.find(section, key);
    if (!line) return defaultValue;
    QStringView value = trimBlanks(QStringView(line->text).sliced(line->text.indexOf(u'=') + 1));
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
    Document& doc = document();
    const QString sectionName = section.toString().toLower();
    auto s = doc.sections.constFind(sectionName);
    if (s == doc.sections.cend()) {
        // A new section goes straight after the last line, with no blank line before it.
        const QString header = u"[%1]"_s.arg(section);
        Block added;
        added.lines.append({doc.encode(header), header});
        added.lastFilled = 0;
        s = doc.sections.insert(sectionName, doc.blocks.size());
        doc.blocks.push_back(std::move(added));
    }
    Block& block = doc.blocks[*s];

    // A line break inside a value would end the line early and could start a key of its
    // own on the next one; it is written as a blank instead.
    QString text = key.toString() + u'=' + value;
    text.replace(u'\r', u' ').replace(u'\n', u' ');

    const QString keyName = key.toString().toLower();
    if (const auto k = block.keys.constFind(keyName); k != block.keys.cend()) {
        Line& line = block.lines[*k];
        if (line.text != text) line = {doc.encode(text), text};
        return;
    }
    // Added after the section's last filled line, so that the blank lines that part it
    // from the next section stay in front of that section. Only blank lines follow the
    // insertion point, so no key's line index moves.
    const qsizetype index = block.lastFilled + 1;
    block.lines.insert(index, {doc.encode(text), text});
    block.keys.insert(keyName, index);
    block.lastFilled = index;
}

void SettingsFile::writeInteger(QStringView section, QStringView key, qint32 value) {
    writeText(section, key, QString::number(value));
}

void SettingsFile::reload() { document_ = Document::load(path_); }

void SettingsFile::commit() {
    QSaveFile file(path_);
    const QByteArray bytes = document().bytes();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw AppError(u"Unable to write to "_s + path_);
}

#include "fuzz/checks.h"

#include "about/version_page.h"
#include "core/color_text.h"
#include "core/integer_text.h"
#include "store/settings_file.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <cstdlib>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Key {
    const char16_t* section;
    const char16_t* key;
};

// Keys whose values the round trip compares; the first ones it also writes.
const Key kKeys[] = {
    {u"set", u"skin"},      {u"main", u"name_1"},    {u"t1", u"t1_path_1"},   {u"added", u"added_1"},
    {u"set", u"toumingdu"}, {u"main", u"show_1"},    {u"t1", u"t1_name_1"},   {u"web", u"web_name_1"},
    {u"", u"stray"},        {u"main", u"web_name1"},
};
const QString kWritten[] = {u"3"_s, u"工作 x"_s, u"/usr/bin/a b"_s, u"新"_s};
constexpr qsizetype kWrittenCount = std::size(kWritten);

const QByteArrayView kBoms[] = {"\xEF\xBB\xBF", "\x84\x31\x95\x33"};

// The lines of a file as the reader splits them, a leading byte-order mark left out.
QList<QByteArrayView> linesOf(QByteArrayView bytes) {
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        lines.append(bytes.sliced(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.append(bytes.sliced(start));
    for (QByteArrayView bom : kBoms)
        if (!lines.isEmpty() && lines.front().startsWith(bom)) lines.front() = lines.front().sliced(bom.size());
    return lines;
}

QString shown(QByteArrayView line) { return QString::fromLatin1(line.toByteArray().toPercentEncoding()); }

} // namespace

QString checkSettingsRoundTrip(QByteArrayView input) {
    // In memory where the system offers it: a save flushes its file to the disk.
    static QTemporaryDir dir((QDir(u"/dev/shm"_s).exists() ? u"/dev/shm"_s : QDir::tempPath()) + u"/vantrel-fuzz-XXXXXX"_s);
    const QString path = dir.filePath(u"data.ini"_s);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(input.data(), input.size()) != input.size())
            return u"cannot write the input"_s;
    }
    SettingsFile before(path);
    if (!before.loadProblem().isEmpty()) return {};  // such a file is never written
    const bool utf8 = before.isUtf8();
    QString values[std::size(kKeys)];
    for (size_t k = 0; k < std::size(kKeys); ++k) values[k] = before.readText(kKeys[k].section, kKeys[k].key, u"-"_s);

    for (qsizetype k = 0; k < kWrittenCount; ++k) {
        before.writeText(kKeys[k].section, kKeys[k].key, kWritten[k]);
        values[k] = kWritten[k];
    }
    before.commit();

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return u"the save left no file"_s;
    const QByteArray saved = file.readAll();
    SettingsFile after(path);
    if (after.isUtf8() != utf8) return u"the save changed the encoding"_s;
    for (size_t k = 0; k < std::size(kKeys); ++k) {
        const QString value = after.readText(kKeys[k].section, kKeys[k].key, u"-"_s);
        if (value != values[k])
            return u"[%1] %2 reads '%3' instead of '%4'"_s.arg(QStringView(kKeys[k].section), QStringView(kKeys[k].key),
                                                             value, values[k]);
    }

    // Every line of the input is in the output in its order, except the lines of the keys
    // written, which may give way to the lines that the writes made.
    constexpr auto kStateless = QStringConverter::Flag::Stateless;
    QStringDecoder decoder = utf8 ? QStringDecoder(QStringDecoder::Utf8, kStateless) : QStringDecoder("GB18030", kStateless);
    QStringEncoder encoder = utf8 ? QStringEncoder(QStringEncoder::Utf8, kStateless) : QStringEncoder("GB18030", kStateless);
    QList<QByteArray> made;
    for (qsizetype k = 0; k < kWrittenCount; ++k) {
        made.append(encoder.encode(u"[%1]"_s.arg(QStringView(kKeys[k].section))));
        made.append(encoder.encode(QStringView(kKeys[k].key).toString() + u'=' + kWritten[k]));
    }
    const auto writtenKeyLine = [&](QByteArrayView line) {
        const qsizetype equals = line.indexOf('=');
        if (equals < 0) return false;
        const QString key = QString(decoder.decode(line.first(equals))).trimmed().toLower();
        for (qsizetype k = 0; k < kWrittenCount; ++k)
            if (key == QStringView(kKeys[k].key)) return true;
        return false;
    };
    const QList<QByteArrayView> original = linesOf(input), output = linesOf(saved);
    qsizetype i = 0;
    for (const QByteArrayView line : output) {
        if (i < original.size() && original[i] == line) {
            ++i;
        } else if (made.contains(line)) {
            if (i < original.size() && writtenKeyLine(original[i])) ++i;
        } else {
            return u"line '%1' of the output is no line of the input"_s.arg(shown(line));
        }
    }
    if (i < original.size()) return u"line '%1' of the input is lost"_s.arg(shown(original[i]));
    return {};
}

namespace {

// The integer rule told plainly: an optional sign and decimal digits within 32 bits, or
// "$" and one to eight hexadecimal digits taken as the 32-bit pattern.
std::optional<qint32> referenceInteger(const QString& text) {
    const QByteArray latin = text.toLatin1();
    if (QString::fromLatin1(latin) != text) return std::nullopt;
    if (latin.startsWith('$')) {
        const QByteArray digits = latin.mid(1);
        if (digits.isEmpty() || digits.size() > 8) return std::nullopt;
        for (char c : digits)
            if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
        return qint32(std::strtoul(digits.constData(), nullptr, 16));
    }
    QByteArray digits = latin.startsWith('-') || latin.startsWith('+') ? latin.mid(1) : latin;
    if (digits.isEmpty()) return std::nullopt;
    for (char c : digits)
        if (c < '0' || c > '9') return std::nullopt;
    while (digits.size() > 1 && digits.startsWith('0')) digits.remove(0, 1);
    if (digits.size() > 10) return std::nullopt;
    const qint64 value = (latin.startsWith('-') ? -1 : 1) * std::strtoll(digits.constData(), nullptr, 10);
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max()) return std::nullopt;
    return qint32(value);
}

} // namespace

QString checkTexts(QByteArrayView input) {
    const QString text = QString::fromUtf8(input);
    if (parseInteger(text) != referenceInteger(text)) return u"'%1' reads as another integer"_s.arg(text);

    if (input.size() >= 4) {
        const ColorValue value = quint8(input[0]) | quint8(input[1]) << 8 | quint8(input[2]) << 16 |
                                 ColorValue(quint8(input[3])) << 24;
        const QString written = ColorText::fromColor(value);
        if (ColorText::toColor(written) != value) return u"%1 is written as '%2', which reads otherwise"_s.arg(value).arg(written);
    }
    if (const std::optional<ColorValue> colour = ColorText::toColor(text)) {
        const QString name = ColorText::fromColor(*colour);
        const bool asInteger = referenceInteger(text) && ColorValue(*referenceInteger(text)) == *colour;
        if (!asInteger && name.compare(text, Qt::CaseInsensitive) != 0)
            return u"'%1' reads as colour %2, written '%3'"_s.arg(text).arg(*colour).arg(name);
    } else if (referenceInteger(text)) {
        return u"'%1' is an integer but no colour"_s.arg(text);
    }
    return {};
}

namespace {

// TextBetween told plainly: where the start marker first stands, then the first place
// from the second character after it where the end marker stands.
QString referenceBetween(QStringView line, QStringView start, QStringView end) {
    if (start.isEmpty() || end.isEmpty()) return {};
    for (qsizetype p = 0; p + start.size() <= line.size(); ++p) {
        if (line.sliced(p, start.size()) != start) continue;
        const qsizetype from = p + start.size();
        for (qsizetype q = from + 1; q + end.size() <= line.size(); ++q)
            if (line.sliced(q, end.size()) == end) return line.sliced(from, q - from).toString();
        return {};
    }
    return {};
}

QString shownVersion(const std::optional<QString>& version) {
    return version ? u"'%1'"_s.arg(*version) : u"none"_s;
}

} // namespace

QString checkVersionPage(QByteArrayView input) {
    const QByteArray page = input.toByteArray();
    const QString text = pageText(page);
    std::optional<QString> expected;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != u'\r' && text[i] != u'\n') continue;
        const QStringView line = QStringView(text).sliced(start, i - start);
        if (line.contains(u"<title>") && line.contains(u"</title>")) {
            expected = referenceBetween(line, u"最新版本", u"</title>");
            break;
        }
        if (i + 1 < text.size() && text[i] == u'\r' && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    const std::optional<QString> latest = latestVersion(page);
    if (latest != expected)
        return u"the page announces %1 instead of %2"_s.arg(shownVersion(latest), shownVersion(expected));

    const qsizetype first = input.indexOf('\0');
    const qsizetype second = first < 0 ? -1 : input.indexOf('\0', first + 1);
    if (second < 0) return {};
    const QString line = pageText(input.first(first).toByteArray());
    const QString startMarker = pageText(input.sliced(first + 1, second - first - 1).toByteArray());
    const QString endMarker = pageText(input.sliced(second + 1).toByteArray());
    const QString between = TextBetween(line, startMarker, endMarker);
    if (between != referenceBetween(line, startMarker, endMarker))
        return u"between '%1' and '%2' in '%3' stands '%4'"_s.arg(startMarker, endMarker, line, between);
    return {};
}

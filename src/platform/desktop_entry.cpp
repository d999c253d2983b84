#include "platform/desktop_entry.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace {

// \s \n \t \r \\ of a string value; any other backslash stays for the Exec quoting rules.
QString unescapeString(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        switch (value[i + 1].unicode()) {
        case 's': out += u' '; break;
        case 'n': out += u'\n'; break;
        case 't': out += u'\t'; break;
        case 'r': out += u'\r'; break;
        case '\\': out += u'\\'; break;
        default: out += c; continue;
        }
        ++i;
    }
    return out;
}

} // namespace

std::optional<DesktopEntry> readDesktopEntry(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    DesktopEntry entry;
    QString type;
    bool inGroup = false;
    for (const QString& rawLine : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        if (line.startsWith(u'[')) {
            inGroup = line == u"[Desktop Entry]"_s;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inGroup || equals < 0) continue;
        const QString key = line.left(equals).trimmed();
        const QString value = unescapeString(line.mid(equals + 1).trimmed());
        if (key == u"Type"_s) type = value;
        else if (key == u"Name"_s) entry.name = value;
        else if (key == u"Icon"_s) entry.icon = value;
        else if (key == u"Exec"_s) entry.exec = value;
        else if (key == u"Terminal"_s) entry.terminal = value == u"true"_s;
    }
    if (type != u"Application"_s || entry.exec.isEmpty()) return std::nullopt;
    return entry;
}

QStringList desktopExecArguments(const QString& exec) {
    static const QString reserved = u"\t\n'\\><~|&;$*?#()`"_s;
    static const QString escapable = u"\"`$\\"_s;
    static const QString droppedCodes = u"fFuUickdDnNvm"_s;

    QStringList args;
    QString current;
    bool inArgument = false;  // something, perhaps an empty quoted string, has begun an argument
    bool quoted = false;
    bool onlyCodes = true;    // nothing but dropped field codes so far in this argument
    bool hadCode = false;
    const auto finish = [&] {
        if (inArgument && !(onlyCodes && hadCode)) args << current;
        current.clear();
        inArgument = hadCode = false;
        onlyCodes = true;
    };

    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (c == u'%') {
            const QChar code = i + 1 < exec.size() ? exec[i + 1] : QChar();
            ++i;
            inArgument = true;
            if (code == u'%') {
                current += u'%';
                onlyCodes = false;
            } else if (!code.isNull() && droppedCodes.contains(code)) {
                hadCode = true;
            } else {
                return {};
            }
        } else if (quoted) {
            if (c == u'"') {
                quoted = false;
            } else if (c == u'\\') {
                if (i + 1 == exec.size() || !escapable.contains(exec[i + 1])) return {};
                current += exec[++i];
            } else {
                current += c;
            }
        } else if (c == u' ') {
            finish();
        } else if (c == u'"') {
            quoted = inArgument = true;
            onlyCodes = false;
        } else if (reserved.contains(c)) {
            return {};
        } else {
            current += c;
            inArgument = true;
            onlyCodes = false;
        }
    }
    if (quoted) return {};
    finish();
    if (!args.isEmpty() && args.first().isEmpty()) return {};
    return args;
}

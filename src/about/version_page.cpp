#include "about/version_page.h"

#include <QList>
#include <QStringDecoder>

using namespace Qt::Literals::StringLiterals;

QString TextBetween(QStringView line, QStringView startMarker, QStringView endMarker) {
    if (startMarker.isEmpty() || endMarker.isEmpty()) return {};
    const qsizetype start = line.indexOf(startMarker);
    if (start < 0) return {};
    const qsizetype from = start + startMarker.size();
    // The character right after the start marker is never where the end marker begins.
    const qsizetype end = line.indexOf(endMarker, from + 1);
    if (end < 0) return {};
    return line.sliced(from, end - from).toString();
}

QString pageText(const QByteArray& page) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(page);
    if (!utf8.hasError()) return text;
    QStringDecoder gb18030("GB18030", QStringConverter::Flag::Stateless);
    return gb18030(page);
}

std::optional<QString> latestVersion(const QByteArray& page) {
    QString text = pageText(page);
    text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    for (QStringView line : QStringView(text).split(u'\n'))
        if (line.contains(u"<title>") && line.contains(u"</title>"))
            return TextBetween(line, u"最新版本", u"</title>");
    return std::nullopt;
}

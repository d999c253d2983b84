#include "core/integer_text.h"

#include "core/app_error.h"

using namespace Qt::Literals::StringLiterals;

namespace {

int hexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

} // namespace

std::optional<qint32> parseInteger(QStringView text) {
    if (text.startsWith(u'$')) {
        const QStringView digits = text.mid(1);
        if (digits.isEmpty() || digits.size() > 8) return std::nullopt;
        quint32 pattern = 0;
        for (QChar c : digits) {
            const int digit = hexDigit(c.unicode());
            if (digit < 0) return std::nullopt;
            pattern = pattern << 4 | quint32(digit);
        }
        return qint32(pattern);
    }

    const bool negative = text.startsWith(u'-');
    const QStringView digits = (negative || text.startsWith(u'+')) ? text.mid(1) : text;
    if (digits.isEmpty()) return std::nullopt;
    // Accumulated as a magnitude so that -2147483648 fits; stops as soon as it cannot.
    const qint64 limit = negative ? qint64(1) << 31 : (qint64(1) << 31) - 1;
    qint64 magnitude = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9') return std::nullopt;
        magnitude = magnitude * 10 + (c.unicode() - u'0');
        if (magnitude > limit) return std::nullopt;
    }
    return qint32(negative ? -magnitude : magnitude);
}

AppError notAnInteger(const QString& text) {
    return AppError(u"'%1' is not a valid integer value"_s.arg(text));
}

qint32 toInteger(const QString& text) {
    if (const auto value = parseInteger(text)) return *value;
    throw notAnInteger(text);
}

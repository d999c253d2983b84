#pragma once
// The outside services the "查/搜" page opens in the browser, and the addresses it builds
// for them: eight search rows of services and four online lookups.

#include <QList>
#include <QString>
#include <optional>

// One item of a row's service list. The host is where the service lives today; the
// prefix and suffix are fixed and wrap the user's text.
struct SearchService {
    QString item;
    QString host;
    QString prefix;
    QString suffix = {};
};

// One search row: its caption and its services in list order.
struct SearchCategory {
    QString caption;
    QList<SearchService> services;
};

// The eight rows, top to bottom.
const QList<SearchCategory>& searchCategories();

// "http://" + host + prefix + text + suffix, the text exactly as typed: nothing is
// trimmed, quoted or percent-encoded.
QString SearchAddress(const QString& host, const QString& prefix, const QString& text,
                      const QString& suffix = {});

// Why a search with this text and list index (-1 for none) may not go ahead, or nothing.
// An empty text is reported before a missing selection.
std::optional<QString> searchRefusal(const QString& text, int serviceIndex);

// A lookup page opened for the typed text; an empty text is refused with emptyMessage.
struct OnlineLookup {
    QString host;
    QString prefix;
    QString emptyMessage;
};

namespace Lookups {
extern const OnlineLookup ip;
extern const OnlineLookup mobile;
extern const OnlineLookup idCard;
extern const OnlineLookup dictionary;
} // namespace Lookups

#pragma once
// The update server's page and how the latest version is read from it.

#include <QByteArray>
#include <QString>
#include <optional>

// The text that follows the first startMarker, up to the endMarker found from the second
// character after the start marker on; empty when either marker is empty or missing.
// Nothing is trimmed.
QString TextBetween(QStringView line, QStringView startMarker, QStringView endMarker);

// The page as text: UTF-8 when its bytes are valid UTF-8 (a byte-order mark dropped),
// GB18030, the superset of GBK, otherwise.
QString pageText(const QByteArray& page);

// The latest version a page announces. Its title line is the first line holding both
// "<title>" and "</title>"; the version is what stands between "最新版本" and "</title>"
// there, empty when the marker is missing. Nothing when the page has no title line.
// Lines end at CR, LF or CR LF.
std::optional<QString> latestVersion(const QByteArray& page);

#pragma once
// The product's own addresses, the only ones the program knows.

#include <QString>

// The update server's root page, which the version check fetches.
inline const QString kUpdatePage = QStringLiteral("https://update.vantrel.example/");
// The product's web site: the download button and the about dialog's web link open it.
inline const QString kProductSite = QStringLiteral("https://www.vantrel.example/");
// The team's mail address, shown and linked in the about dialog.
inline const QString kContactMail = QStringLiteral("team@vantrel.example");

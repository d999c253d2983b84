#pragma once

#include <QString>

// The product's version, as the tray hint, the caption strip and the dialogs show it.
inline const QString kVersion = QStringLiteral("v1.3");

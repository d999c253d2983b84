#pragma once
// Whole numbers typed by the user or stored as text.

#include "core/app_error.h"

#include <QString>
#include <optional>

// A signed decimal integer with an optional sign, or hexadecimal after a leading "$"
// (up to eight digits, taken as the 32-bit pattern). Nothing when the text is empty,
// malformed, or a decimal that does not fit 32 bits.
std::optional<qint32> parseInteger(QStringView text);

// The standard conversion error: "'<text>' is not a valid integer value".
AppError notAnInteger(const QString& text);

// The same, raising AppError("'<text>' is not a valid integer value") when it fails.
qint32 toInteger(const QString& text);

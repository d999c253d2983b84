#pragma once
// The colour picker's texts: the "#RRGGBB" it shows and the colour text the user types.

#include "core/color_text.h"

#include <QString>

// "#" and two upper-case hex digits each for red, green and blue (0 to 255).
QString RgbHexText(int red, int green, int blue);

// Component 0 (red), 1 (green) or 2 (blue) of a colour value.
int rgbComponent(ColorValue value, int index);

// The colour a typed text names: characters 2-3 are red, 4-5 green, 6-7 blue (counting
// from 1); the first character and any after the seventh are ignored. The pairs are read
// as the colour text "$00BBGGRR"; when that is no hex number, raises AppError with the
// standard conversion error for it. A text shorter than seven characters raises the same
// error for the typed text.
ColorValue readColorText(const QString& text);

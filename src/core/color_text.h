#pragma once
// A colour as text: one of 52 identifiers such as "clBlack", or "$" and eight hexadecimal
// digits; and back. A colour value has the layout 0x00BBGGRR; 0xFF0000nn names the
// desktop's colour number nn, 0x1FFFFFFF is clNone and 0x20000000 clDefault.

#include <QColor>
#include <QPalette>
#include <QString>
#include <optional>

using ColorValue = quint32;

namespace ColorText {

// The plain colour value 0x00BBGGRR of three components 0..255.
constexpr ColorValue rgb(int red, int green, int blue) {
    return ColorValue(red) | ColorValue(green) << 8 | ColorValue(blue) << 16;
}

inline constexpr ColorValue clBlack = 0x00000000;
inline constexpr ColorValue clWindowText = 0xFF000008;

// The identifier when the value has one, otherwise "$" and eight upper-case hex digits.
QString fromColor(ColorValue value);
// An identifier in any letter case, or an integer (decimal, or hex after "$").
std::optional<ColorValue> toColor(QStringView text);

// What a colour value looks like on this desktop: desktop colour numbers map onto the
// palette's roles; clNone and clDefault give the palette's text colour.
QColor displayColor(ColorValue value, const QPalette& palette);
// The plain colour value of a displayed colour.
ColorValue fromQColor(const QColor& color);

} // namespace ColorText

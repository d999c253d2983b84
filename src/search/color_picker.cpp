#include "search/color_picker.h"

#include "app/app_error.h"

using namespace Qt::Literals::StringLiterals;

namespace {

[[noreturn]] void notAnInteger(const QString& text) {
    throw AppError(u"'%1' is not a valid integer value"_s.arg(text));
}

} // namespace

QString RgbHexText(int red, int green, int blue) {
    return QString::asprintf("#%02X%02X%02X", red, green, blue);
}

ColorValue rgbColor(int red, int green, int blue) {
    return ColorValue(blue) << 16 | ColorValue(green) << 8 | ColorValue(red);
}

int rgbComponent(ColorValue value, int index) {
    return int(value >> (8 * index) & 0xFF);
}

ColorValue readColorText(const QString& text) {
    if (text.size() < 7) notAnInteger(text);
    const QString colorText = u"$00"_s + text.mid(5, 2) + text.mid(3, 2) + text.mid(1, 2);
    const std::optional<ColorValue> value = ColorText::toColor(colorText);
    if (!value) notAnInteger(colorText);
    return *value;
}

#include "search/color_picker.h"

#include "core/integer_text.h"

using namespace Qt::Literals::StringLiterals;

QString RgbHexText(int red, int green, int blue) {
    return QString::asprintf("#%02X%02X%02X", red, green, blue);
}

int rgbComponent(ColorValue value, int index) {
    return int(value >> (8 * index) & 0xFF);
}

ColorValue readColorText(const QString& text) {
    if (text.size() < 7) throw notAnInteger(text);
    const QString colorText = u"$00"_s + text.mid(5, 2) + text.mid(3, 2) + text.mid(1, 2);
    const std::optional<ColorValue> value = ColorText::toColor(colorText);
    if (!value) throw notAnInteger(colorText);
    return *value;
}

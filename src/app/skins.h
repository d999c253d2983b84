#pragma once
// The six skins as the menu and the header's squares offer them, by index 0..5.

#include "core/color_text.h"

#include <QString>
#include <array>
#include <optional>

struct Skin {
    QString caption;      // the menu item's caption and the square's hint
    QString square;       // the header square's designed name
    ColorValue colour;    // the square's colour
    QString sheet;        // the style sheet among the resources
};

inline const std::array<Skin, 6>& skins() {
    using namespace Qt::Literals::StringLiterals;
    static const std::array<Skin, 6> table{{
        {u"橙色旋风"_s, u"FlatSpeedButton106"_s, 23221, u":/skins/orange_whirl.qss"_s},
        {u"黑酷风格"_s, u"FlatSpeedButton107"_s, 0x000000, u":/skins/black_cool.qss"_s},
        // the desktop's inactive-caption colour
        {u"黑色诱惑"_s, u"FlatSpeedButton108"_s, 0xFF000003, u":/skins/black_allure.qss"_s},
        {u"灰白机器"_s, u"FlatSpeedButton109"_s, 0x808080, u":/skins/grey_white.qss"_s},
        {u"蓝色水晶"_s, u"FlatSpeedButton152"_s, 0xFF0000, u":/skins/blue_crystal.qss"_s},
        {u"银色品位"_s, u"FlatSpeedButton153"_s, 0xC0C0C0, u":/skins/silver.qss"_s},
    }};
    return table;
}

// The skin the window has before any is chosen: "黑酷风格".
inline constexpr int kDesignedSkin = 1;

// The style sheet of skin 0..5, which styles the window, its dialogs and every kind of
// control they hold.
QString skinStyleSheet(int index);

// The skin a stored index names; nothing for a value outside 0..5, which keeps the
// designed look with no skin marked.
inline std::optional<int> skinIndex(qint32 stored) {
    if (stored < 0 || stored >= int(skins().size())) return std::nullopt;
    return stored;
}

#include "core/color_text.h"

#include "core/integer_text.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace ColorText {

namespace {

constexpr ColorValue kSystemBase = 0xFF000000;
constexpr ColorValue clNone = 0x1FFFFFFF;
constexpr ColorValue clDefault = 0x20000000;

struct Named {
    ColorValue value;
    const char16_t* name;
};

const std::array<Named, 52> kNames{{
    {rgb(0, 0, 0), u"clBlack"},
    {rgb(128, 0, 0), u"clMaroon"},
    {rgb(0, 128, 0), u"clGreen"},
    {rgb(128, 128, 0), u"clOlive"},
    {rgb(0, 0, 128), u"clNavy"},
    {rgb(128, 0, 128), u"clPurple"},
    {rgb(0, 128, 128), u"clTeal"},
    {rgb(128, 128, 128), u"clGray"},
    {rgb(192, 192, 192), u"clSilver"},
    {rgb(255, 0, 0), u"clRed"},
    {rgb(0, 255, 0), u"clLime"},
    {rgb(255, 255, 0), u"clYellow"},
    {rgb(0, 0, 255), u"clBlue"},
    {rgb(255, 0, 255), u"clFuchsia"},
    {rgb(0, 255, 255), u"clAqua"},
    {rgb(255, 255, 255), u"clWhite"},
    {rgb(192, 220, 192), u"clMoneyGreen"},
    {rgb(166, 202, 240), u"clSkyBlue"},
    {rgb(255, 251, 240), u"clCream"},
    {rgb(160, 160, 164), u"clMedGray"},
    {kSystemBase + 0, u"clScrollBar"},
    {kSystemBase + 1, u"clBackground"},
    {kSystemBase + 2, u"clActiveCaption"},
    {kSystemBase + 3, u"clInactiveCaption"},
    {kSystemBase + 4, u"clMenu"},
    {kSystemBase + 5, u"clWindow"},
    {kSystemBase + 6, u"clWindowFrame"},
    {kSystemBase + 7, u"clMenuText"},
    {kSystemBase + 8, u"clWindowText"},
    {kSystemBase + 9, u"clCaptionText"},
    {kSystemBase + 10, u"clActiveBorder"},
    {kSystemBase + 11, u"clInactiveBorder"},
    {kSystemBase + 12, u"clAppWorkSpace"},
    {kSystemBase + 13, u"clHighlight"},
    {kSystemBase + 14, u"clHighlightText"},
    {kSystemBase + 15, u"clBtnFace"},
    {kSystemBase + 16, u"clBtnShadow"},
    {kSystemBase + 17, u"clGrayText"},
    {kSystemBase + 18, u"clBtnText"},
    {kSystemBase + 19, u"clInactiveCaptionText"},
    {kSystemBase + 20, u"clBtnHighlight"},
    {kSystemBase + 21, u"cl3DDkShadow"},
    {kSystemBase + 22, u"cl3DLight"},
    {kSystemBase + 23, u"clInfoText"},
    {kSystemBase + 24, u"clInfoBk"},
    {kSystemBase + 26, u"clHotLight"},
    {kSystemBase + 27, u"clGradientActiveCaption"},
    {kSystemBase + 28, u"clGradientInactiveCaption"},
    {kSystemBase + 29, u"clMenuHighlight"},
    {kSystemBase + 30, u"clMenuBar"},
    {clNone, u"clNone"},
    {clDefault, u"clDefault"},
}};

// The palette role that stands in for each desktop colour number; number 25 has no
// colour of its own and, like any number past the table, shows as the window text.
struct SystemRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};
const std::array<SystemRole, 31> kSystemRoles{{
    {QPalette::Active, QPalette::Button},            // scroll bar
    {QPalette::Active, QPalette::Window},            // desktop background
    {QPalette::Active, QPalette::Highlight},         // active caption
    {QPalette::Inactive, QPalette::Highlight},       // inactive caption
    {QPalette::Active, QPalette::Window},            // menu
    {QPalette::Active, QPalette::Base},              // window
    {QPalette::Active, QPalette::Shadow},            // window frame
    {QPalette::Active, QPalette::WindowText},        // menu text
    {QPalette::Active, QPalette::WindowText},        // window text
    {QPalette::Active, QPalette::HighlightedText},   // caption text
    {QPalette::Active, QPalette::Window},            // active border
    {QPalette::Active, QPalette::Window},            // inactive border
    {QPalette::Active, QPalette::Dark},              // application work space
    {QPalette::Active, QPalette::Highlight},         // highlight
    {QPalette::Active, QPalette::HighlightedText},   // highlighted text
    {QPalette::Active, QPalette::Button},            // button face
    {QPalette::Active, QPalette::Dark},              // button shadow
    {QPalette::Disabled, QPalette::WindowText},      // grey text
    {QPalette::Active, QPalette::ButtonText},        // button text
    {QPalette::Inactive, QPalette::HighlightedText}, // inactive caption text
    {QPalette::Active, QPalette::Light},             // button highlight
    {QPalette::Active, QPalette::Shadow},            // 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 3-D light
    {QPalette::Active, QPalette::ToolTipText},       // info text
    {QPalette::Active, QPalette::ToolTipBase},       // info background
    {QPalette::Active, QPalette::WindowText},        // (no colour)
    {QPalette::Active, QPalette::Link},              // hot-tracked item
    {QPalette::Active, QPalette::Highlight},         // gradient of the active caption
    {QPalette::Inactive, QPalette::Highlight},       // gradient of the inactive caption
    {QPalette::Active, QPalette::Highlight},         // menu highlight
    {QPalette::Active, QPalette::Window},            // menu bar
}};

} // namespace

QString fromColor(ColorValue value) {
    for (const Named& named : kNames)
        if (named.value == value) return QString::fromUtf16(named.name);
    return u"$%1"_s.arg(value, 8, 16, QChar(u'0')).toUpper();
}

std::optional<ColorValue> toColor(QStringView text) {
    for (const Named& named : kNames)
        if (text.compare(QStringView(named.name), Qt::CaseInsensitive) == 0) return named.value;
    if (const auto value = parseInteger(text)) return ColorValue(*value);
    return std::nullopt;
}

QColor displayColor(ColorValue value, const QPalette& palette) {
    if ((value & 0xFF000000) == kSystemBase) {
        const ColorValue index = value & 0x00FFFFFF;
        if (index < kSystemRoles.size())
            return palette.color(kSystemRoles[index].group, kSystemRoles[index].role);
        return palette.color(QPalette::Active, QPalette::WindowText);
    }
    if (value == clNone || value == clDefault)
        return palette.color(QPalette::Active, QPalette::WindowText);
    return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

ColorValue fromQColor(const QColor& color) {
    return rgb(color.red(), color.green(), color.blue());
}

} // namespace ColorText

// ColorText: colour values to text and back, and how values look on this desktop.
#include "core/color_text.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr ColorValue rgb(quint32 red, quint32 green, quint32 blue) { return red | green << 8 | blue << 16; }
constexpr ColorValue sys(quint32 index) { return 0xFF000000 + index; }

struct Identifier {
    const char16_t* name;
    ColorValue value;
};

const Identifier kIdentifiers[] = {
    {u"clBlack", rgb(0, 0, 0)},
    {u"clMaroon", rgb(128, 0, 0)},
    {u"clGreen", rgb(0, 128, 0)},
    {u"clOlive", rgb(128, 128, 0)},
    {u"clNavy", rgb(0, 0, 128)},
    {u"clPurple", rgb(128, 0, 128)},
    {u"clTeal", rgb(0, 128, 128)},
    {u"clGray", rgb(128, 128, 128)},
    {u"clSilver", rgb(192, 192, 192)},
    {u"clRed", rgb(255, 0, 0)},
    {u"clLime", rgb(0, 255, 0)},
    {u"clYellow", rgb(255, 255, 0)},
    {u"clBlue", rgb(0, 0, 255)},
    {u"clFuchsia", rgb(255, 0, 255)},
    {u"clAqua", rgb(0, 255, 255)},
    {u"clWhite", rgb(255, 255, 255)},
    {u"clMoneyGreen", rgb(192, 220, 192)},
    {u"clSkyBlue", rgb(166, 202, 240)},
    {u"clCream", rgb(255, 251, 240)},
    {u"clMedGray", rgb(160, 160, 164)},
    {u"clScrollBar", sys(0)},
    {u"clBackground", sys(1)},
    {u"clActiveCaption", sys(2)},
    {u"clInactiveCaption", sys(3)},
    {u"clMenu", sys(4)},
    {u"clWindow", sys(5)},
    {u"clWindowFrame", sys(6)},
    {u"clMenuText", sys(7)},
    {u"clWindowText", sys(8)},
    {u"clCaptionText", sys(9)},
    {u"clActiveBorder", sys(10)},
    {u"clInactiveBorder", sys(11)},
    {u"clAppWorkSpace", sys(12)},
    {u"clHighlight", sys(13)},
    {u"clHighlightText", sys(14)},
    {u"clBtnFace", sys(15)},
    {u"clBtnShadow", sys(16)},
    {u"clGrayText", sys(17)},
    {u"clBtnText", sys(18)},
    {u"clInactiveCaptionText", sys(19)},
    {u"clBtnHighlight", sys(20)},
    {u"cl3DDkShadow", sys(21)},
    {u"cl3DLight", sys(22)},
    {u"clInfoText", sys(23)},
    {u"clInfoBk", sys(24)},
    {u"clHotLight", sys(26)},
    {u"clGradientActiveCaption", sys(27)},
    {u"clGradientInactiveCaption", sys(28)},
    {u"clMenuHighlight", sys(29)},
    {u"clMenuBar", sys(30)},
    {u"clNone", 0x1FFFFFFF},
    {u"clDefault", 0x20000000},
};

TEST(ColorText, EveryIdentifierRoundTripsByValueAndByTextInAnyCase) {
    for (const Identifier& id : kIdentifiers) {
        const QString name = QString::fromUtf16(id.name);
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(ColorText::fromColor(id.value), name);
        EXPECT_EQ(ColorText::toColor(name), id.value);
        EXPECT_EQ(ColorText::toColor(name.toLower()), id.value);
        EXPECT_EQ(ColorText::toColor(name.toUpper()), id.value);
    }
    EXPECT_EQ(ColorText::clBlack, rgb(0, 0, 0));
    EXPECT_EQ(ColorText::clWindowText, sys(8));
}

TEST(ColorText, ValuesWithoutIdentifierAreWrittenAsEightUpperCaseHexDigits) {
    const std::pair<ColorValue, QString> cases[] = {
        {rgb(0x12, 0x34, 0x56), u"$00563412"_s},
        {rgb(0xAB, 0xCD, 0xEF), u"$00EFCDAB"_s},
        {rgb(1, 0, 0), u"$00000001"_s},
        {sys(25), u"$FF000019"_s},  // a desktop colour number with no name
        {sys(31), u"$FF00001F"_s},
        {0xFFFFFFFF, u"$FFFFFFFF"_s},
    };
    for (const auto& [value, text] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(ColorText::fromColor(value), text);
        EXPECT_EQ(ColorText::toColor(text), value);
    }
}

TEST(ColorText, ReadsIdentifiersAndIntegers) {
    const std::pair<QString, std::optional<ColorValue>> cases[] = {
        {u"clblack"_s, rgb(0, 0, 0)},
        {u"0"_s, rgb(0, 0, 0)},
        {u"255"_s, rgb(255, 0, 0)},
        {u"clRed"_s, rgb(255, 0, 0)},
        {u"$ff"_s, rgb(255, 0, 0)},
        {u"$00563412"_s, rgb(0x12, 0x34, 0x56)},
        {u"5649426"_s, rgb(0x12, 0x34, 0x56)},
        {u"-16777208"_s, sys(8)},
        {u""_s, std::nullopt},
        {u"cl"_s, std::nullopt},
        {u"clBlak"_s, std::nullopt},
        {u"red"_s, std::nullopt},
        {u" clRed"_s, std::nullopt},
        {u"$"_s, std::nullopt},
        {u"$GG"_s, std::nullopt},
        {u"$123456789"_s, std::nullopt},
        {u"#FF0000"_s, std::nullopt},
        {u"12abc"_s, std::nullopt},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(ColorText::toColor(text), value);
    }
    // Black read in any form is written back by its name.
    EXPECT_EQ(ColorText::fromColor(*ColorText::toColor(u"0")), u"clBlack"_s);
}

TEST(ColorText, DisplaysPlainColoursAsRgbAndDesktopColoursThroughThePalette) {
    // Every role of every group gets a colour of its own, so a wrong role shows.
    QPalette palette;
    int n = 0;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            palette.setColor(group, QPalette::ColorRole(role), QColor::fromRgb(n++, 7, 9));
    const QColor windowText = palette.color(QPalette::Active, QPalette::WindowText);

    const std::pair<ColorValue, QColor> cases[] = {
        {rgb(0x12, 0x34, 0x56), QColor(0x12, 0x34, 0x56)},
        {rgb(255, 251, 240), QColor(255, 251, 240)},
        {sys(8), windowText},
        {sys(7), windowText},
        {sys(18), palette.color(QPalette::Active, QPalette::ButtonText)},
        {sys(5), palette.color(QPalette::Active, QPalette::Base)},
        {sys(15), palette.color(QPalette::Active, QPalette::Button)},
        {sys(13), palette.color(QPalette::Active, QPalette::Highlight)},
        {sys(14), palette.color(QPalette::Active, QPalette::HighlightedText)},
        {sys(17), palette.color(QPalette::Disabled, QPalette::WindowText)},
        {sys(23), palette.color(QPalette::Active, QPalette::ToolTipText)},
        {sys(24), palette.color(QPalette::Active, QPalette::ToolTipBase)},
        {sys(25), windowText},
        {sys(200), windowText},
        {0x1FFFFFFF, windowText},
        {0x20000000, windowText},
    };
    for (const auto& [value, shown] : cases) {
        SCOPED_TRACE(ColorText::fromColor(value).toStdString());
        EXPECT_EQ(ColorText::displayColor(value, palette), shown);
    }
}

TEST(ColorText, DisplayedColourGivesBackItsValue) {
    for (ColorValue value : {rgb(0, 0, 0), rgb(0x12, 0x34, 0x56), rgb(255, 0, 0), rgb(0, 0, 255), rgb(255, 255, 255)}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(ColorText::fromQColor(ColorText::displayColor(value, QPalette())), value);
    }
    EXPECT_EQ(ColorText::fromQColor(QColor(0x12, 0x34, 0x56, 0x80)), rgb(0x12, 0x34, 0x56));
}

} // namespace

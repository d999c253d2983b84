// The six skins: what start-up makes of the stored index, choosing from the menu and from
// the header's squares, what is written back, and the style sheets themselves.

#include "app/skins.h"
#include "support/window_fixture.h"

#include <QApplication>

class Skins : public MainWindowTest {
protected:
    // The menu items checked and the squares pressed, by index.
    QList<int> checkedItems() const {
        QList<int> out;
        for (int k = 0; k < 6; ++k)
            if (checked(u"N_%1"_s.arg(k))) out << k;
        return out;
    }
    QList<int> pressedSquares() const {
        QList<int> out;
        for (int k = 0; k < 6; ++k)
            if (find<QToolButton>(skins()[k].square)->isChecked()) out << k;
        return out;
    }
    QByteArray savedSkin() {
        window->close();
        const QByteArray saved = readFile(dataPath());
        const qsizetype at = saved.indexOf("skin=");
        return saved.mid(at, saved.indexOf("\r\n", at) - at);
    }
};

TEST_F(Skins, StartUpAppliesTheStoredSkinOrKeepsTheDesignedOne) {
    const struct {
        QByteArray ini;
        QList<int> marked;
        int inForce;
        QByteArray written;
    } cases[] = {
        {"", {1}, 1, "skin=1"},
        {"[set]\r\nskin=0\r\n", {0}, 0, "skin=0"},
        {"[set]\r\nskin=5\r\n", {5}, 5, "skin=5"},
        {"[set]\r\nskin=7\r\n", {}, 1, "skin=7"},
        {"[set]\r\nskin=-1\r\n", {}, 1, "skin=-1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ini.toStdString());
        QFile::remove(dataPath());
        start(c.ini);
        EXPECT_EQ(checkedItems(), c.marked);
        EXPECT_EQ(pressedSquares(), c.marked);
        EXPECT_EQ(qApp->styleSheet(), skinStyleSheet(c.inForce));
        EXPECT_EQ(savedSkin(), c.written);
    }
}

TEST_F(Skins, MenuChoosesOneSkinAndPressesItsSquare) {
    start("[set]\r\nskin=7\r\n");
    for (int k : {5, 0, 3}) {
        SCOPED_TRACE(k);
        find<QAction>(u"N_%1"_s.arg(k))->trigger();
        EXPECT_EQ(checkedItems(), QList<int>{k});
        EXPECT_EQ(pressedSquares(), QList<int>{k});
        EXPECT_EQ(qApp->styleSheet(), skinStyleSheet(k));
    }
    // Choosing the skin in force keeps it marked.
    find<QAction>(u"N_3"_s)->trigger();
    EXPECT_EQ(checkedItems(), QList<int>{3});
    EXPECT_EQ(savedSkin(), "skin=3");
}

TEST_F(Skins, SquaresReleaseEachOtherAndMayAllBeUp) {
    start();
    click(skins()[4].square);
    EXPECT_EQ(pressedSquares(), QList<int>{4});
    EXPECT_EQ(checkedItems(), QList<int>{4});
    EXPECT_EQ(qApp->styleSheet(), skinStyleSheet(4));
    // The pressed square clicked again: all squares up, the same skin applied and marked.
    click(skins()[4].square);
    EXPECT_TRUE(pressedSquares().isEmpty());
    EXPECT_EQ(checkedItems(), QList<int>{4});
    EXPECT_EQ(qApp->styleSheet(), skinStyleSheet(4));
    EXPECT_EQ(savedSkin(), "skin=4");
}

TEST_F(Skins, APressedSquareKeepsItsColourInsideARedFrame) {
    start();
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        auto* square = find<QToolButton>(skins()[k].square);
        const QColor swatch = ColorText::displayColor(skins()[k].colour, square->palette());
        for (bool pressed : {false, true}) {
            square->setChecked(pressed);
            const QImage image = square->grab().toImage();
            EXPECT_EQ(image.pixelColor(4, 4), swatch);
            EXPECT_EQ(image.pixelColor(0, 4) == QColor(Qt::red), pressed);
        }
    }
}

TEST(SkinSheets, EachStylesEveryKindOfControlInItsOwnColours) {
    const QStringList kinds{u"#TForm1"_s,        u"QDialog"_s,      u"QMenu"_s,       u"QTabBar::tab"_s,
                            u"QTabWidget::pane"_s, u"QPushButton"_s, u"QToolButton"_s, u"QLineEdit"_s,
                            u"QComboBox"_s,     u"QCheckBox"_s,    u"QRadioButton"_s, u"QSlider"_s,
                            u"QScrollBar"_s,    u"QProgressBar"_s, u"QGroupBox"_s,    u"#FlatPanel2"_s,
                            u"#FlatPanel6"_s,   u"QStatusBar"_s};
    QStringList seen;
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        const QString sheet = skinStyleSheet(k);
        ASSERT_FALSE(sheet.isEmpty());
        EXPECT_TRUE(sheet.contains(skins()[k].caption));
        for (const QString& kind : kinds) EXPECT_TRUE(sheet.contains(kind)) << kind.toStdString();
        EXPECT_FALSE(seen.contains(sheet));
        seen << sheet;
    }
}

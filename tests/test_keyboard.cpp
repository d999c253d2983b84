// The keyboard in the real main window on fakes: the find line, the keys of the slots,
// group tabs and pages, and the desktop-wide key that summons the window.

#include "launch/find_line.h"
#include "store/hotkey_setting.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTest>

namespace {

const QByteArray kSlots =
    "[main]\r\nshow_1=1\r\nname_1=常用\r\nshow_3=1\r\nweb_show_1=1\r\nweb_name1=网站\r\n"
    "[t1]\r\nt1_now_1=1\r\nt1_name_1=微信\r\nt1_path_1=/opt/wechat/wechat\r\n"
    "t1_now_2=1\r\nt1_name_2=wx工具\r\nt1_path_2=/usr/bin/wxtool\r\n"
    "[t3]\r\nt3_now_4=1\r\nt3_name_4=文档\r\nt3_path_4=/home/u/doc.odt\r\n"
    "[web]\r\nweb_now_1=1\r\nweb_name_1=维基\r\nweb_path_1=wiki.example\r\n";

// The window shown and holding the keyboard, as the user sees it.
class KeyboardTest : public MainWindowTest {
protected:
    void SetUp() override {
        start(kSlots);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        line = find<FindLine>(u"FindLine"_s);
    }
    QLineEdit* edit() const { return line->findChild<QLineEdit*>(u"FindEdit"_s); }
    QListWidget* results() const { return line->findChild<QListWidget*>(u"FindResults"_s); }
    QStringList shownNames() const {
        QStringList names;
        for (int row = 0; row < results()->count(); ++row)
            names << results()->item(row)->text().section(u'\n', 0, 0);
        return names;
    }
    // Types into the control with the keyboard: the first key wherever the focus is,
    // the rest into the find line it opens.
    void type(QWidget* focus, const QString& text) {
        focus->setFocus();
        QTest::keyClicks(focus, text.left(1));
        QTest::keyClicks(edit(), text.mid(1));
    }

    FindLine* line = nullptr;
};

} // namespace

TEST(FindLineKeys, LettersAndDigitsOpenIt) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
        bool opens;
    } cases[] = {
        {Qt::Key_W, Qt::NoModifier, "w", true},
        {Qt::Key_W, Qt::ShiftModifier, "W", true},
        {Qt::Key_7, Qt::KeypadModifier, "7", true},
        {Qt::Key_W, Qt::ControlModifier, "\x17", false},
        {Qt::Key_W, Qt::AltModifier, "w", false},
        {Qt::Key_W, Qt::MetaModifier, "w", false},
        {Qt::Key_Space, Qt::NoModifier, " ", false},
        {Qt::Key_Period, Qt::NoModifier, ".", false},
        {Qt::Key_Return, Qt::NoModifier, "\r", false},
        {Qt::Key_F2, Qt::NoModifier, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, QString::fromLatin1(c.text));
        EXPECT_EQ(opensFindLine(event), c.opens);
    }
}

TEST_F(KeyboardTest, EnterOpensWhatAClickOpens) {
    // What a click on each launch button hands to the shell...
    for (const QString& button : {u"Button2"_s, u"Button101"_s}) click(button);
    ASSERT_EQ(fake.shell.calls.size(), 2);

    // ...the find line hands over the same way, from every group of both kinds.
    const QStringList all{u"微信"_s, u"wx工具"_s, u"文档"_s, u"维基"_s};   // group order
    const struct {
        const char* typed;
        QList<Qt::Key> moves;
        QStringList names;
        int call;
    } cases[] = {
        {"wx", {}, {u"wx工具"_s, u"微信"_s}, 0},
        {"wj", {}, {u"维基"_s}, 1},
        {"w", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}, all, 1},
        {"w", QList<Qt::Key>(6, Qt::Key_Down), all, 1},   // Down stops at the last
        {"w", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, all, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const QString typed = QString::fromUtf8(c.typed);
        type(find(u"Button1"_s), typed);
        EXPECT_EQ(edit()->text(), typed);
        EXPECT_EQ(shownNames(), c.names);
        for (Qt::Key key : c.moves) QTest::keyClick(edit(), key);
        const qsizetype before = fake.shell.calls.size();
        QTest::keyClick(edit(), Qt::Key_Return);
        ASSERT_EQ(fake.shell.calls.size(), before + 1);
        const FakeShell::Call& call = fake.shell.calls.back();
        const FakeShell::Call& clicked = fake.shell.calls[c.call];
        EXPECT_EQ(std::tie(call.owner, call.verb, call.target, call.params, call.show),
                  std::tie(clicked.owner, clicked.verb, clicked.target, clicked.params, clicked.show));
        EXPECT_FALSE(line->isVisible());
    }
}

TEST_F(KeyboardTest, EscapeOrEmptyingClosesAndGivesTheKeyboardBack) {
    QWidget* slot = find(u"Button1"_s);
    type(slot, u"q"_s);
    EXPECT_TRUE(line->isVisible());
    EXPECT_TRUE(edit()->hasFocus());
    EXPECT_TRUE(results()->isHidden());   // nothing matches "q"
    QTest::keyClick(edit(), Qt::Key_Return);
    EXPECT_TRUE(line->isVisible());
    QTest::keyClick(edit(), Qt::Key_Escape);
    EXPECT_FALSE(line->isVisible());
    EXPECT_TRUE(slot->hasFocus());

    type(slot, u"w"_s);
    QTest::keyClick(edit(), Qt::Key_Backspace);
    EXPECT_FALSE(line->isVisible());
    EXPECT_TRUE(fake.shell.calls.isEmpty());
}

TEST_F(KeyboardTest, TypingFindsOnlyWhereNoEditOrDialogTakesTheKeys) {
    click(u"SpeedButton1"_s);   // the title editor, a window of its own, opens
    QWidget* editor = &windows->editor;
    ASSERT_TRUE(editor->isVisible());
    const struct {
        const char* name;
        int page;
        QWidget* focus;
        const char* pageName;   // where the find line opens; none when it must not
        QString editText;       // what the focused edit holds afterwards
    } cases[] = {
        {"a slot", 0, find(u"Button1"_s), "TabSheet6", {}},
        {"a search button", 2, find(u"Button11"_s), "TabSheet9", {}},
        {"a search edit", 2, find(u"Edit1"_s), nullptr, u"w"_s},
        {"the title editor", 0, editor->findChild<QLineEdit*>(u"Edit1"_s), nullptr, u"微信w"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        find<QTabWidget>(u"PageControl2"_s)->setCurrentIndex(c.page);
        c.focus->window()->activateWindow();
        c.focus->setFocus();
        QTest::keyClick(c.focus, Qt::Key_W);
        EXPECT_EQ(line->isVisible(), c.pageName != nullptr);
        if (c.pageName) {
            EXPECT_EQ(line->parentWidget()->objectName(), QString::fromLatin1(c.pageName));
        }
        if (auto* typedInto = qobject_cast<QLineEdit*>(c.focus)) {
            EXPECT_EQ(typedInto->text(), c.editText);
        }
        line->close();
    }
}

TEST_F(KeyboardTest, SlotKeysOpenAskAndSwitchTabs) {
    // Enter and Space open a focused filled slot; Delete asks before emptying it, and
    // only a filled one.
    QWidget* filled = find(u"Button1"_s);
    filled->setFocus();
    QTest::keyClick(filled, Qt::Key_Return);
    QTest::keyClick(filled, Qt::Key_Space);
    ASSERT_EQ(fake.shell.calls.size(), 2);
    EXPECT_EQ(fake.shell.calls[1].target, u"/opt/wechat/wechat"_s);

    QTest::keyClick(filled, Qt::Key_Delete);
    ASSERT_EQ(fake.dialogs.calls.size(), 1);
    EXPECT_EQ(fake.dialogs.calls[0].text, u"确定要删除吗?"_s);
    EXPECT_EQ(text(u"Button1"_s), u"微信"_s);   // answered No

    QWidget* empty = find(u"Button3"_s);
    empty->setFocus();
    QTest::keyClick(empty, Qt::Key_Delete);
    EXPECT_EQ(fake.dialogs.calls.size(), 1);

    // Ctrl+PgDn and Ctrl+PgUp step through the shown groups 1 and 3, round the end.
    auto* tabs = find<QTabWidget>(u"PageControl1"_s);
    const int steps[][2] = {{Qt::Key_PageDown, 2}, {Qt::Key_PageDown, 0}, {Qt::Key_PageUp, 2}};
    for (const auto& [key, index] : steps) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::ControlModifier);
        EXPECT_EQ(tabs->currentIndex(), index);
    }
}

TEST_F(KeyboardTest, CtrlDigitsOpenThePages) {
    auto* pages = find<QTabWidget>(u"PageControl2"_s);
    for (int page : {4, 2, 0, 3, 1}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_1 + page), Qt::ControlModifier);
        EXPECT_EQ(pages->currentIndex(), page);
    }
}

TEST_F(KeyboardTest, TabFollowsTheLayout) {
    // Header, page tabs, group tabs, the open group's slot rows (empty ones show only
    // their launch button), the "菜单" button, the toolbar, and round again.
    const QStringList expected{
        u"FlatSpeedButton106"_s, u"FlatSpeedButton107"_s, u"FlatSpeedButton108"_s,
        u"FlatSpeedButton109"_s, u"FlatSpeedButton152"_s, u"FlatSpeedButton153"_s,
        u"PageControl2 tabs"_s, u"PageControl1 tabs"_s,
        u"Button1"_s, u"SpeedButton1"_s, u"SpeedButton11"_s, u"Button2"_s, u"SpeedButton2"_s,
        u"SpeedButton12"_s, u"Button3"_s, u"Button4"_s, u"Button5"_s, u"Button6"_s, u"Button7"_s,
        u"Button8"_s, u"Button9"_s, u"Button10"_s,
        u"SpeedButton125"_s, u"SpeedButton101"_s, u"SpeedButton102"_s, u"SpeedButton103"_s,
        u"SpeedButton123"_s, u"SpeedButton124"_s, u"SpeedButton104"_s, u"SpeedButton105"_s,
        u"ScrollBar1"_s};
    EXPECT_EQ(QApplication::focusWidget(), find<QTabWidget>(u"PageControl2"_s)->tabBar());
    find(u"ScrollBar1"_s)->setFocus();
    QStringList walked;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        walked << (qobject_cast<QTabBar*>(focus) ? focus->parentWidget()->objectName() + u" tabs"_s
                                                  : focus->objectName());
    }
    EXPECT_EQ(walked, expected);
}

TEST_F(KeyboardTest, TheKeyHidesTheWindowInUseAndBringsItBack) {
    fake.hotKey.press();
    EXPECT_FALSE(window->isVisible());
    fake.hotKey.press();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));

    // Behind another window it comes forward rather than hide.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    fake.hotKey.press();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

TEST_F(MainWindowTest, TheKeyInForceIsNamedAndKeptWithoutAnyBox) {
    const struct {
        const char* name;
        QByteArray ini;
        bool usable;
        QList<QKeyCombination> taken;
        std::optional<QKeyCombination> held;
        QString statusTip, trayTip;
        QByteArray kept;
    } cases[] = {
        {"free", {}, true, {}, kDefaultHotKey, u"按 Alt+Space 显示或隐藏凡特睿"_s,
         u"凡特睿(Vantrel) v1.3"_s, "summon=Alt+Space"},
        {"held by the window manager", {}, true, {kDefaultHotKey}, kFallbackHotKey,
         u"按 Ctrl+Alt+Space 显示或隐藏凡特睿"_s, u"凡特睿(Vantrel) v1.3"_s, "summon=Alt+Space"},
        {"stored", "[hotkey]\r\nsummon=Meta+V\r\n", true, {}, QKeyCombination(Qt::MetaModifier, Qt::Key_V),
         u"按 Meta+V 显示或隐藏凡特睿"_s, u"凡特睿(Vantrel) v1.3"_s, "summon=Meta+V"},
        {"no grabs on this desktop", {}, false, {}, std::nullopt, {},
         u"凡特睿(Vantrel) v1.3\n此桌面不支持全局热键"_s, "summon=Alt+Space"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake.hotKey.usable = c.usable;
        fake.hotKey.taken = c.taken;
        fake.hotKey.held.reset();
        QFile::remove(dataPath());
        start(c.ini);
        EXPECT_EQ(fake.hotKey.held, c.held);
        EXPECT_EQ(find(u"StatusBar1"_s)->toolTip(), c.statusTip);
        EXPECT_EQ(find<QSystemTrayIcon>(u"bsTrayIcon1"_s)->toolTip(), c.trayTip);
        EXPECT_TRUE(fake.dialogs.calls.isEmpty());

        ASSERT_TRUE(window->close());
        // The key asked for is kept in its own section, once, beside all the others.
        const QByteArray saved = readFile(dataPath());
        EXPECT_EQ(saved.count("[hotkey]"), 1);
        EXPECT_TRUE(saved.contains("[hotkey]\r\n" + c.kept + "\r\n"));
        EXPECT_TRUE(saved.contains("[set]\r\ntoumingdu=255\r\n"));
        EXPECT_TRUE(saved.contains("\r\nweb3_path_10=\r\n"));
    }
}

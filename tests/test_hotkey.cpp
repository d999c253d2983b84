// The key that summons the window: which key is taken and the fallback when the desktop
// refuses it, what a press does in each state of the window, the key's place in data.ini,
// and the X11 grab against a private X server.

#include "app/summon_key.h"
#include "platform/xcb_hotkey.h"
#include "store/hotkey_setting.h"
#include "support/fakes.h"
#include "support/fixtures.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <xcb/xcb_keysyms.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QKeyCombination kAltSpace = kDefaultHotKey;
const QKeyCombination kMetaV{Qt::MetaModifier, Qt::Key_V};

} // namespace

TEST(SummonKey, TakesTheWantedKeyOrFallsBack) {
    struct Case {
        const char* name;
        bool usable;
        QList<QKeyCombination> taken;
        QKeyCombination wanted;
        std::optional<QKeyCombination> active;
        QList<QKeyCombination> tried;
        QString statusTip, trayNote;
    };
    const Case cases[] = {
        {"free", true, {}, kAltSpace, kAltSpace, {kAltSpace}, u"按 Alt+Space 显示或隐藏凡特睿"_s, {}},
        {"held by the window manager", true, {kAltSpace}, kAltSpace, kFallbackHotKey,
         {kAltSpace, kFallbackHotKey}, u"按 Ctrl+Alt+Space 显示或隐藏凡特睿"_s, {}},
        {"own key free", true, {kAltSpace}, kMetaV, kMetaV, {kMetaV}, u"按 Meta+V 显示或隐藏凡特睿"_s, {}},
        {"both held", true, {kAltSpace, kFallbackHotKey}, kAltSpace, std::nullopt,
         {kAltSpace, kFallbackHotKey}, {}, u"全局热键已被其他程序占用"_s},
        {"fallback wanted and held", true, {kFallbackHotKey}, kFallbackHotKey, std::nullopt,
         {kFallbackHotKey}, {}, u"全局热键已被其他程序占用"_s},
        {"no grabs on this desktop", false, {}, kAltSpace, std::nullopt, {}, {}, u"此桌面不支持全局热键"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeHotKey port;
        port.usable = c.usable;
        port.taken = c.taken;
        SummonKey key(port);
        key.start(c.wanted);
        EXPECT_EQ(key.active(), c.active);
        EXPECT_EQ(port.held, c.active);
        EXPECT_EQ(port.tried, c.tried);
        EXPECT_EQ(key.statusTip(), c.statusTip);
        EXPECT_EQ(key.trayNote(), c.trayNote);
    }
}

TEST(SummonKey, HidesOnlyTheWindowInUse) {
    struct Case {
        const char* name;
        WindowLook look;
        SummonAction action;
    };
    const Case cases[] = {
        {"active", {.visible = true, .active = true}, SummonAction::Hide},
        {"in the tray", {}, SummonAction::Show},
        {"minimised", {.visible = true, .minimized = true}, SummonAction::Show},
        {"behind other windows", {.visible = true}, SummonAction::Show},
        {"behind the screen edge", {.visible = true, .active = true, .behindEdge = true}, SummonAction::Show},
        {"behind the edge, inactive", {.visible = true, .behindEdge = true}, SummonAction::Show},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(summonAction(c.look), c.action);
    }
}

TEST(HotKeySetting, ReadsItsOwnSectionAndFallsBackToAltSpace) {
    struct Case {
        QByteArray ini;
        QKeyCombination key;
    };
    const Case cases[] = {
        {"", kAltSpace},
        {"[hotkey]\r\nsummon=Ctrl+Shift+K\r\n", QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_K)},
        {"[HOTKEY]\r\nSUMMON=meta+v\r\n", kMetaV},
        {"[hotkey]\r\nsummon=Alt+F2\r\n", QKeyCombination(Qt::AltModifier, Qt::Key_F2)},
        // No modifier, two chords, nonsense, nothing: the default.
        {"[hotkey]\r\nsummon=K\r\n", kAltSpace},
        {"[hotkey]\r\nsummon=Shift+K\r\n", kAltSpace},
        {"[hotkey]\r\nsummon=Ctrl+K, Ctrl+L\r\n", kAltSpace},
        {"[hotkey]\r\nsummon=Alt+Nokey\r\n", kAltSpace},
        {"[hotkey]\r\nsummon=\r\n", kAltSpace},
        // The key of another section is not this one.
        {"[set]\r\nsummon=Ctrl+K\r\n", kAltSpace},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(u"data.ini"_s);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ini.toStdString());
        writeFile(path, c.ini);
        SettingsFile file(path);
        EXPECT_EQ(readHotKey(file), c.key);
    }
}

TEST(HotKeySetting, WritesItsSectionWithoutTouchingTheOthers) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"data.ini"_s);
    const QByteArray before = "[set]\r\ntoumingdu=200\r\n; own note\r\n[main]\r\nshow_1=1\r\n";
    writeFile(path, before);
    SettingsFile file(path);
    EXPECT_TRUE(writeHotKey(file, kFallbackHotKey));
    file.commit();
    EXPECT_EQ(readFile(path), before + "[hotkey]\r\nsummon=Ctrl+Alt+Space\r\n");

    SettingsFile again(path);
    EXPECT_EQ(readHotKey(again), kFallbackHotKey);
    EXPECT_FALSE(writeHotKey(again, kFallbackHotKey));
    EXPECT_TRUE(writeHotKey(again, kAltSpace));
    again.commit();
    EXPECT_EQ(readFile(path), before + "[hotkey]\r\nsummon=Alt+Space\r\n");
}

// An X server of the test's own, so that no grab ever touches the user's display.
class PrivateXServer : public testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(u"Xvfb"_s).isEmpty()) GTEST_SKIP() << "Xvfb is not installed";
        // -displayfd: the server picks a free display and writes its number to stdout.
        server.start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-nolisten"_s, u"tcp"_s, u"-screen"_s,
                                 u"0"_s, u"64x64x24"_s});
        ASSERT_TRUE(server.waitForReadyRead(30000)) << "Xvfb did not start";
        display = ":" + server.readLine().trimmed();
        windowManager = connect();
        ours = connect();
    }
    void TearDown() override {
        for (xcb_connection_t* connection : {windowManager, ours})
            if (connection) xcb_disconnect(connection);
        server.terminate();
        server.waitForFinished();
    }

    xcb_connection_t* connect() {
        xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
        EXPECT_EQ(xcb_connection_has_error(connection), 0);
        return connection;
    }
    // One round trip: the server has handled everything the client sent before. Requests
    // of two clients reach the server in no set order otherwise.
    static void sync(xcb_connection_t* connection) {
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
    xcb_window_t root() const { return xcb_setup_roots_iterator(xcb_get_setup(ours)).data->root; }
    xcb_keycode_t spaceKey() const {
        xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(ours);
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, ' ');
        const xcb_keycode_t code = codes ? codes[0] : 0;
        std::free(codes);
        xcb_key_symbols_free(symbols);
        return code;
    }
    // Whether another client may take the key now, as the window manager would try.
    bool othersMayGrab(uint16_t modifiers) {
        sync(ours);
        const xcb_void_cookie_t cookie =
            xcb_grab_key_checked(windowManager, 0, root(), modifiers, spaceKey(),
                                 XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        xcb_generic_error_t* error = xcb_request_check(windowManager, cookie);
        std::free(error);
        if (!error) xcb_ungrab_key(windowManager, spaceKey(), root(), modifiers);
        return !error;
    }
    xcb_key_press_event_t keyEvent(uint8_t type, xcb_window_t window, xcb_timestamp_t time) const {
        xcb_key_press_event_t event{};
        event.response_type = type;
        event.time = time;
        event.detail = spaceKey();
        event.event = window;
        event.root = root();
        event.state = XCB_MOD_MASK_1;
        return event;
    }

    QProcess server;
    QByteArray display;
    xcb_connection_t* windowManager = nullptr;
    xcb_connection_t* ours = nullptr;
};

TEST_F(PrivateXServer, FallsBackWhenTheWindowManagerHoldsAltSpace) {
    // The window manager holds Alt+Space, with Num Lock on only.
    xcb_grab_key(windowManager, 0, root(), XCB_MOD_MASK_1 | XCB_MOD_MASK_2, spaceKey(),
                 XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    sync(windowManager);

    {
        XcbHotKey port(ours);
        SummonKey key(port);
        key.start(kAltSpace);
        ASSERT_EQ(key.active(), kFallbackHotKey);
        // The refused key is given back whole; the fallback is held in every lock state.
        EXPECT_TRUE(othersMayGrab(XCB_MOD_MASK_1));
        for (uint16_t lock : std::initializer_list<uint16_t>{0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2})
            EXPECT_FALSE(othersMayGrab(XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | lock)) << lock;
    }
    // Gone with the program.
    EXPECT_TRUE(othersMayGrab(XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1));
}

TEST_F(PrivateXServer, HoldingTheKeyIsOnePress) {
    XcbHotKey port(ours);
    int presses = 0;
    port.onPress([&presses] { ++presses; });
    ASSERT_TRUE(port.grab(kAltSpace));

    const struct {
        uint8_t type;
        xcb_timestamp_t time;
        bool onRoot;
        bool handled;
        int presses;
    } steps[] = {
        {XCB_KEY_PRESS, 100, true, true, 1},
        {XCB_KEY_PRESS, 130, true, true, 1},      // repeating as presses alone
        {XCB_KEY_RELEASE, 160, true, true, 1},    // repeating as release and press at once
        {XCB_KEY_PRESS, 160, true, true, 1},
        {XCB_KEY_RELEASE, 190, true, true, 1},
        {XCB_KEY_PRESS, 250, false, false, 1},    // Space typed into a window, not the grab
        {XCB_KEY_PRESS, 300, true, true, 2},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.time);
        const xcb_key_press_event_t event = keyEvent(step.type, step.onRoot ? root() : root() + 1, step.time);
        EXPECT_EQ(port.handle(reinterpret_cast<const xcb_generic_event_t*>(&event)), step.handled);
        EXPECT_EQ(presses, step.presses);
    }

    port.release();
    const xcb_key_press_event_t event = keyEvent(XCB_KEY_PRESS, root(), 400);
    EXPECT_FALSE(port.handle(reinterpret_cast<const xcb_generic_event_t*>(&event)));
    EXPECT_EQ(presses, 2);
    EXPECT_TRUE(othersMayGrab(XCB_MOD_MASK_1));
}

#include "platform/xcb_hotkey.h"

#include <QGuiApplication>

#include <xcb/xcb_keysyms.h>
#define XK_MISCELLANY
#include <X11/keysymdef.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>

namespace {

// Caps Lock and Num Lock (Mod2 on every usual keymap) in every combination.
constexpr std::array<uint16_t, 4> kLocks{0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                         XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

uint16_t maskOf(Qt::KeyboardModifiers modifiers) {
    uint16_t mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & Qt::ControlModifier) mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & Qt::AltModifier) mask |= XCB_MOD_MASK_1;
    if (modifiers & Qt::MetaModifier) mask |= XCB_MOD_MASK_4;
    return mask;
}

// The X key symbol of a key: printable ASCII keys carry their (lower-case) character,
// function and editing keys their own symbols. 0 for keys not offered.
xcb_keysym_t keysymOf(Qt::Key key) {
    if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde) return QChar(key).toLower().unicode();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35) return XK_F1 + (key - Qt::Key_F1);
    static constexpr std::array<std::pair<Qt::Key, xcb_keysym_t>, 11> others{{
        {Qt::Key_Escape, XK_Escape}, {Qt::Key_Tab, XK_Tab}, {Qt::Key_Return, XK_Return},
        {Qt::Key_Insert, XK_Insert}, {Qt::Key_Delete, XK_Delete}, {Qt::Key_Home, XK_Home},
        {Qt::Key_End, XK_End}, {Qt::Key_PageUp, XK_Page_Up}, {Qt::Key_PageDown, XK_Page_Down},
        {Qt::Key_Pause, XK_Pause}, {Qt::Key_Print, XK_Print}}};
    for (auto [qtKey, symbol] : others)
        if (qtKey == key) return symbol;
    return 0;
}

xcb_connection_t* applicationConnection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

} // namespace

XcbHotKey::XcbHotKey() : XcbHotKey(applicationConnection()) {
    if (connection_) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        watching_ = true;
    }
}

XcbHotKey::XcbHotKey(xcb_connection_t* connection) : connection_(connection) {
    if (connection_) root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
}

XcbHotKey::~XcbHotKey() {
    release();
    if (watching_ && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool XcbHotKey::grab(QKeyCombination key) {
    release();
    const xcb_keysym_t symbol = keysymOf(key.key());
    if (!connection_ || symbol == 0) return false;

    std::unique_ptr<xcb_key_symbols_t, decltype(&xcb_key_symbols_free)> symbols(
        xcb_key_symbols_alloc(connection_), &xcb_key_symbols_free);
    if (xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols.get(), symbol)) {
        for (xcb_keycode_t* code = codes; *code != XCB_NO_SYMBOL; ++code) codes_.push_back(*code);
        std::free(codes);
    }
    modifiers_ = maskOf(key.keyboardModifiers());

    // Events of the key are reported on the root window, also while a window of this
    // program has the keyboard. All requests first, then their answers: one round trip.
    std::vector<xcb_void_cookie_t> cookies;
    for (xcb_keycode_t code : codes_)
        for (uint16_t lock : kLocks)
            cookies.push_back(xcb_grab_key_checked(connection_, 0, root_, modifiers_ | lock, code,
                                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    bool refused = codes_.empty();
    for (xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
            refused = true;
            std::free(error);
        }
    }
    if (refused) release();
    return !refused;
}

void XcbHotKey::release() {
    if (connection_ && !codes_.empty()) {
        // Only this client's own grabs are given back; a refused one was never ours.
        for (xcb_keycode_t code : codes_)
            for (uint16_t lock : kLocks) xcb_ungrab_key(connection_, code, root_, modifiers_ | lock);
        xcb_flush(connection_);
    }
    codes_.clear();
    down_ = false;
    releasedAt_.reset();
}

bool XcbHotKey::handle(const xcb_generic_event_t* event) {
    const uint8_t type = event->response_type & ~0x80;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE) return false;
    const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
    if (key->event != root_ || std::find(codes_.begin(), codes_.end(), key->detail) == codes_.end())
        return false;
    // A key held down repeats either as presses alone or, unless the server is asked
    // otherwise, as releases each followed by a press of the same time.
    if (type == XCB_KEY_RELEASE) {
        down_ = false;
        releasedAt_ = key->time;
    } else if (!down_) {
        down_ = true;
        if (key->time != releasedAt_) press();
    }
    return true;
}

bool XcbHotKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    return eventType == "xcb_generic_event_t" && handle(static_cast<xcb_generic_event_t*>(message));
}

#pragma once
// The desktop-wide key on X11, XWayland included: a passive grab of the key on the root
// window, once for each state of Caps Lock and Num Lock, so that those locks do not stop it.

#include "core/ports.h"

#include <QAbstractNativeEventFilter>

#include <xcb/xcb.h>

#include <optional>
#include <vector>

class XcbHotKey : public HotKey, private QAbstractNativeEventFilter {
public:
    // On the application's own X connection, whose events it watches. Without one (a
    // pure Wayland session, the offscreen platform) no key can be taken.
    XcbHotKey();
    // On the given connection; its owner hands the events to handle().
    explicit XcbHotKey(xcb_connection_t* connection);
    ~XcbHotKey() override;
    XcbHotKey(const XcbHotKey&) = delete;
    XcbHotKey& operator=(const XcbHotKey&) = delete;

    bool available() override { return connection_ != nullptr; }
    bool grab(QKeyCombination key) override;
    // Gives back the key taken, if any.
    void release();

    // Reports a press of the key taken; holding it down reports one press. True when the
    // event belonged to the key.
    bool handle(const xcb_generic_event_t* event);

private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    bool watching_ = false;
    std::vector<xcb_keycode_t> codes_;   // the keys that carry the key's symbol
    uint16_t modifiers_ = 0;
    bool down_ = false;
    std::optional<xcb_timestamp_t> releasedAt_;
};

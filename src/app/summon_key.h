#pragma once
// The key that summons the window from anywhere: which key is taken, what the window does
// when it is pressed, and what the status bar and the tray say about it.

#include "core/ports.h"

#include <QKeyCombination>

// Taken instead when the desktop refuses the stored key (window managers often hold
// Alt+Space for their window menu).
inline constexpr QKeyCombination kFallbackHotKey{Qt::ControlModifier | Qt::AltModifier, Qt::Key_Space};

class SummonKey {
public:
    explicit SummonKey(HotKey& port) : port_(port) {}

    // Takes `wanted`, or the fallback when the desktop refuses it. Where no key can be
    // taken at all the feature stays off; that is no error.
    void start(QKeyCombination wanted);
    // The key asked for, which the data file keeps, and the key taken, if any.
    QKeyCombination wanted() const { return wanted_; }
    std::optional<QKeyCombination> active() const { return active_; }

    // The status bar's tooltip: the key that summons the window, empty while none does.
    QString statusTip() const;
    // A line for the tray's tooltip saying why no key summons the window; empty while
    // one does.
    QString trayNote() const;

private:
    HotKey& port_;
    QKeyCombination wanted_;
    bool available_ = false;
    std::optional<QKeyCombination> active_;
};

// What the window looks like when the key is pressed.
struct WindowLook {
    bool visible = false;      // shown, not hidden in the tray
    bool minimized = false;
    bool active = false;       // it has the keyboard
    bool behindEdge = false;   // auto-hidden up behind the screen's top edge
};

enum class SummonAction { Show, Hide };

// Hides the window the user is looking at and working in; in every other case (hidden,
// minimised, in the tray, behind the edge, behind other windows) brings it forward.
SummonAction summonAction(const WindowLook& look);

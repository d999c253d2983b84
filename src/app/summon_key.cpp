#include "app/summon_key.h"

#include "store/hotkey_setting.h"

using namespace Qt::Literals::StringLiterals;

void SummonKey::start(QKeyCombination wanted) {
    wanted_ = wanted;
    active_.reset();
    available_ = port_.available();
    if (!available_) return;
    if (port_.grab(wanted))
        active_ = wanted;
    else if (wanted != kFallbackHotKey && port_.grab(kFallbackHotKey))
        active_ = kFallbackHotKey;
}

QString SummonKey::statusTip() const {
    return active_ ? u"按 %1 显示或隐藏凡特睿"_s.arg(hotKeyText(*active_)) : QString();
}

QString SummonKey::trayNote() const {
    if (active_) return {};
    return available_ ? u"全局热键已被其他程序占用"_s : u"此桌面不支持全局热键"_s;
}

SummonAction summonAction(const WindowLook& look) {
    const bool inUse = look.visible && !look.minimized && look.active && !look.behindEdge;
    return inUse ? SummonAction::Hide : SummonAction::Show;
}

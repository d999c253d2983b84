#include "store/hotkey_setting.h"

#include <QKeySequence>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kSection = u"hotkey"_s;
const QString kKey = u"summon"_s;

} // namespace

QKeyCombination readHotKey(SettingsFile& file) {
    const QKeySequence stored =
        QKeySequence::fromString(file.readText(kSection, kKey, {}), QKeySequence::PortableText);
    if (stored.count() != 1) return kDefaultHotKey;
    const QKeyCombination key = stored[0];
    const bool chord = key.keyboardModifiers() &
                       (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return chord && key.key() != Qt::Key_unknown ? key : kDefaultHotKey;
}

bool writeHotKey(SettingsFile& file, QKeyCombination key) {
    const QString text = hotKeyText(key);
    if (file.readText(kSection, kKey, {}) == text) return false;
    file.writeText(kSection, kKey, text);
    return true;
}

QString hotKeyText(QKeyCombination key) {
    return QKeySequence(key).toString(QKeySequence::PortableText);
}

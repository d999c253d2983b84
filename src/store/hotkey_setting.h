#pragma once
// The key that summons the window from anywhere, kept in data.ini in a section of its own
// ([hotkey], summon=Alt+Space), apart from the sections the rest of the program reads.

#include "store/settings_file.h"

#include <QKeyCombination>

inline constexpr QKeyCombination kDefaultHotKey{Qt::AltModifier, Qt::Key_Space};

// The stored key; Alt+Space when the key is missing, is no single key combination, or
// holds no Ctrl, Alt or Meta (a plain key taken from the whole desktop would be lost to
// every other program).
QKeyCombination readHotKey(SettingsFile& file);
// Writes the key into the file's copy unless the copy holds it already; true when it
// wrote, and the copy then waits for a commit.
bool writeHotKey(SettingsFile& file, QKeyCombination key);
// The key as the file holds it and the status bar shows it: "Alt+Space", "Ctrl+Alt+Space".
QString hotKeyText(QKeyCombination key);

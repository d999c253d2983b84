#pragma once
// Freedesktop desktop entries (.desktop files): the few keys the launcher needs.

#include <QString>
#include <QStringList>
#include <optional>

struct DesktopEntry {
    QString name;
    QString icon;
    QString exec;
    bool terminal = false;
};

// The [Desktop Entry] group of an application entry, its string escapes resolved; nothing
// when the file cannot be read, is no application or has no Exec. Localised keys are ignored.
std::optional<DesktopEntry> readDesktopEntry(const QString& path);

// The program and its arguments that an Exec value asks for, started with no files: field
// codes for files, URLs, icon, name and location expand to nothing, "%%" to "%". Empty when
// the value is malformed (an unclosed quote, an unquoted reserved character, a bad escape
// inside quotes, an unknown field code) or names no program.
QStringList desktopExecArguments(const QString& exec);

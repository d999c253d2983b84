#pragma once
// The program's four windows, created in their order: the main window, then hidden the
// about dialog, the title editor and the version-update dialog. What one window asks of
// another is wired here, in one place.

#include "about/about_dialog.h"
#include "about/update_dialog.h"
#include "app/main_window.h"
#include "launch/title_editor.h"

struct Windows {
    explicit Windows(Platform& platform);

    MainWindow main;
    AboutDialog about;
    TitleEditor editor;
    UpdateDialog update;
};

#include "app/windows.h"

#include "core/guard.h"

Windows::Windows(Platform& platform) : main(platform) {
    QObject::connect(&main, &MainWindow::titleEditRequested, &editor,
                     [this, &platform](const QString& slotKey, const QString& caption,
                                       ColorValue colour, const QString& iconFile) {
                         guarded(platform.dialogs, &editor,
                                 [&] { editor.edit(slotKey, caption, colour, iconFile); });
                     });
    QObject::connect(&editor, &TitleEditor::titleChosen, &main, &MainWindow::setTitle);
}

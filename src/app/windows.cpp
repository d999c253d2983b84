#include "app/windows.h"

#include "core/guard.h"

Windows::Windows(Platform& platform) : main(platform), about(platform), update(platform) {
    QObject::connect(&main, &MainWindow::titleEditRequested, &editor,
                     [this, &platform](const QString& slotKey, const QString& caption,
                                       ColorValue colour, const QString& iconFile) {
                         guarded(platform.dialogs, &editor,
                                 [&] { editor.edit(slotKey, caption, colour, iconFile); });
                     });
    QObject::connect(&editor, &TitleEditor::titleChosen, &main, &MainWindow::setTitle);
    QObject::connect(&main, &MainWindow::aboutRequested, &about, &AboutDialog::present);
    QObject::connect(&main, &MainWindow::updateRequested, &update, &UpdateDialog::present);
    QObject::connect(&about, &AboutDialog::updateRequested, &update, &UpdateDialog::present);
    QObject::connect(&main, &MainWindow::backupRequested, &main, &MainWindow::SpeedButton123Click);
    QObject::connect(&main, &MainWindow::restoreRequested, &main, &MainWindow::SpeedButton124Click);
}

#pragma once
// The main window (TForm1): header, the five pages, toolbar, caption strip, status bar,
// tray icon and menu, and the timers. It owns the settings and the launch model for the
// whole run, reads data.ini when it is created and writes it back when it closes.

#include "app/status_tick.h"
#include "launch/launch_model.h"
#include "core/ports.h"
#include "store/settings_file.h"

#include <QWidget>

class LaunchPage;
class QAction;
class QLabel;
class QMenu;
class QScrollBar;
class QSystemTrayIcon;
class QTabWidget;
class QTimer;
class QToolButton;
class SysInfoPage;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(Platform& platform);
    ~MainWindow() override;

    // The save of the close: writes every key unless a restore happened in this run.
    // False when the file could not be written; the error box has then been shown.
    bool FormClose();
    // The same save with no box: raises AppError when data.ini refuses it.
    void save();
    // The data file the saves write, for a rescue copy when it refused one.
    SettingsFile& dataFile() { return file_; }

    // The title editor's result for a program slot: its launch button takes it.
    void setTitle(int group, int slot, const QString& caption, ColorValue colour);

Q_SIGNALS:
    // The window has closed for good; the program ends.
    void closed();
    // A program slot's edit button: the title editor opens on what the slot shows.
    void titleEditRequested(const QString& slotKey, const QString& caption, ColorValue colour,
                            const QString& iconFile);
    // The toolbar and the menu ask for these; app/windows.cpp answers them.
    void aboutRequested();
    void updateRequested();
    void backupRequested();
    void restoreRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void kaitexiaoTimer();
    void Timer1Timer();
    void ScrollBar1Change(int position);
    void PageControl2Change(int index);
    // The launch page of the open main page, if it is "软件" or "网页".
    LaunchPage* openLaunchPage() const;
    void emitEditRequest(int group, int slot);

    void buildHeader();
    void buildPages();
    void buildToolbar();
    void buildMenu();
    void buildStatusBar();
    QAction* action(const QString& name) const;
    void showToolbar(bool shown);
    void setOpacity(int alpha);

    Platform& platform_;
    AppSettings settings_;
    LaunchModel model_;
    SettingsFile file_;
    bool dataRestored_ = false;
    FadeIn fade_;
    UptimeClock uptime_;

    QTimer* timer1_ = nullptr;
    QTimer* kaitexiao_ = nullptr;
    QLabel* time_ = nullptr;
    QScrollBar* scrollBar1_ = nullptr;
    QList<QToolButton*> skinButtons_;
    QTabWidget* pageControl2_ = nullptr;
    LaunchPage* programPage_ = nullptr;
    LaunchPage* webPage_ = nullptr;
    SysInfoPage* sysInfoPage_ = nullptr;
    QWidget* toolbar_ = nullptr;
    QWidget* captionStrip_ = nullptr;
    QWidget* statusBar_ = nullptr;
    QLabel* statusPanels_[2] = {};
    QMenu* popupMenu_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;
};

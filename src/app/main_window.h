#pragma once
// The main window (TForm1): header, the five pages, toolbar, caption strip, status bar,
// tray icon and menu, and the timers. It owns the settings and the launch model for the
// whole run, reads data.ini when it is created and writes it back when it closes.

#include "app/status_tick.h"
#include "app/summon_key.h"
#include "launch/launch_model.h"
#include "core/ports.h"
#include "store/settings_file.h"

#include <QWidget>

class FindLine;
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

    // Backup and restore, asked for by SpeedButton123/N4 and SpeedButton124/N5.
    void SpeedButton123Click();
    void SpeedButton124Click();

    // Another start of the program for the same data file asks this window to show itself,
    // also from the tray or from behind the screen's edge.
    void bringBack();

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
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

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

    // The display toggles of the menu.
    void N6Click(bool checked);
    void N7Click(bool checked);
    void N8Click(bool checked);
    void N10Click(bool checked);
    // A skin chosen from the menu (N_0..N_5) or with its square in the header.
    void SkinItemClick(int index);
    void SkinSquareClick(int index);
    void applySkin(int index);

    // Edge auto-hide.
    bool autoHideOn() const;
    int screenTop() const;
    // The window's rectangle on the screen, its frame included while it has one.
    QRect screenRect() const;
    void hideAtEdge();
    void showAtTop(int top);

    void lookForTray();
    // The desktop-wide key: hides the window in use, brings it back from anywhere else.
    void summon();

    Platform& platform_;
    AppSettings settings_;
    LaunchModel model_;
    SettingsFile file_;
    bool dataRestored_ = false;
    bool edgeHidden_ = false;     // hidden behind the top edge, out of the window manager's care
    bool placing_ = false;        // the window is being placed by the program itself
    QPoint placedAt_;             // where the program last put it
    int frameLeft_ = 0;           // the width of the frame's left edge
    int hiddenLeft_ = 0;          // the window's own left edge while hidden
    SummonKey summonKey_;
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
    FindLine* findLine_ = nullptr;
    SysInfoPage* sysInfoPage_ = nullptr;
    QWidget* toolbar_ = nullptr;
    QWidget* captionStrip_ = nullptr;
    QWidget* statusBar_ = nullptr;
    QLabel* statusPanels_[2] = {};
    QMenu* popupMenu_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;
    QTimer* trayWatch_ = nullptr;
};

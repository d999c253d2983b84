#include "app/main_window.h"

#include "app/skins.h"
#include "app/window_rules.h"
#include "core/guard.h"
#include "core/version.h"
#include "launch/find_line.h"
#include "launch/launch_page.h"
#include "search/search_page.h"
#include "store/backup.h"
#include "store/data_file.h"
#include "store/hotkey_setting.h"
#include "sysinfo/sysinfo_page.h"
#include "tools/tool_launchers.h"
#include "tools/tools_page.h"
#include "ui/clickable_label.h"
#include "ui/designed_child.h"
#include "ui/side_tabs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kClientWidth = 224;
constexpr int kStatusHeight = 19;
constexpr int kStripHeight = 19;

const QString kCaptionStripText = u"凡特睿(Vantrel) "_s + kVersion;
const QString kWelcomeText = u"欢迎使用凡特睿!"_s;

} // namespace

MainWindow::MainWindow(Platform& platform)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      platform_(platform),
      file_(platform.paths.dataFile()),
      summonKey_(platform.hotKey) {
    setObjectName(u"TForm1"_s);
    setWindowTitle(u"Vantrel"_s);
    setWindowIcon(QIcon(u":/vantrel.png"_s));
    setAttribute(Qt::WA_StyledBackground);
    move(101, 90);
    // Showing the window at its designed place is no move of the user's.
    placedAt_ = pos();
    // The look the window will wear is in force before any control exists, so that each is
    // styled once: the stored skin, or the designed one for any other value.
    applySkin(skinIndex(file_.readInteger(u"set", u"skin", kDesignedSkin)).value_or(kDesignedSkin));

    buildHeader();
    buildPages();
    buildToolbar();
    buildMenu();
    buildStatusBar();
    // Under a style sheet the children of a status bar do not inherit its font.
    for (QLabel* panel : statusPanels_) panel->setFont(statusBar_->font());

    // The caption strip lies over the status bar, opaque, whole inside the window; the
    // toolbar setting places it.
    auto* strip = designedChild<QLabel>(this, u"FlatPanel6"_s, {0, 496, kClientWidth, kStripHeight});
    captionStrip_ = strip;
    strip->setText(kCaptionStripText);
    strip->setAlignment(Qt::AlignCenter);
    strip->setAutoFillBackground(true);
    strip->setStyleSheet(u"color: navy;"_s);
    strip->hide();

    timer1_ = new QTimer(this);
    timer1_->setObjectName(u"Timer1"_s);
    timer1_->setInterval(1000);
    connect(timer1_, &QTimer::timeout, this, &MainWindow::Timer1Timer);
    timer1_->start();
    kaitexiao_ = new QTimer(this);
    kaitexiao_->setObjectName(u"kaitexiao"_s);
    kaitexiao_->setInterval(1);
    kaitexiao_->setTimerType(Qt::PreciseTimer);
    connect(kaitexiao_, &QTimer::timeout, this, &MainWindow::kaitexiaoTimer);
    FormCreate();
}

MainWindow::~MainWindow() { platform_.hotKey.onPress({}); }

void MainWindow::buildHeader() {
    auto* header = designedChild<QWidget>(this, u"FlatPanel2"_s, {5, 8, 215, 57});
    auto* logo = designedChild<QLabel>(header, u"FlatImage1"_s, {16, 8, 41, 41});
    logo->setPixmap(QPixmap(u":/vantrel.png"_s));
    logo->setScaledContents(true);

    auto* clock = designedChild<ClickableLabel>(header, u"time"_s, {74, 9, 140, 17});
    connect(clock, &ClickableLabel::clicked, this, [this] { launchTool(platform_, this, Tool::Calendar); });
    time_ = clock;
    time_->setText(u"    "_s);
    QFont clockFont(u"宋体"_s);
    clockFont.setPixelSize(12);
    time_->setFont(clockFont);

    scrollBar1_ = designedChild<QScrollBar>(header, u"ScrollBar1"_s, {72, 32, 129, 9});
    scrollBar1_->setOrientation(Qt::Horizontal);
    scrollBar1_->setRange(kMinOpacity, kMaxOpacity);
    scrollBar1_->setSingleStep(2);
    scrollBar1_->setValue(255);
    scrollBar1_->setToolTip(u"透明度"_s);
    // Tab reaches the slider too; the arrow keys move it.
    scrollBar1_->setFocusPolicy(Qt::TabFocus);
    connect(scrollBar1_, &QScrollBar::valueChanged, this, &MainWindow::ScrollBar1Change);

    for (int k = 0; k < int(skins().size()); ++k) {
        auto* square = designedChild<QToolButton>(header, skins()[k].square, {120 + 16 * k, 45, 9, 9});
        square->setCheckable(true);
        square->setToolTip(skins()[k].caption);
        // A pressed square keeps its colour inside a red frame.
        const QColor colour = ColorText::displayColor(skins()[k].colour, palette());
        square->setStyleSheet(u"QToolButton, QToolButton:hover, QToolButton:pressed"
                              u" { background: %1; border: 1px solid gray; border-radius: 0; }"
                              u"QToolButton:checked { background: %1; border: 2px solid red; }"_s
                                  .arg(colour.name()));
        connect(square, &QToolButton::clicked, this, [this, k] { SkinSquareClick(k); });
        skinButtons_ << square;
    }
}

void MainWindow::buildPages() {
    pageControl2_ = new SideTabs({36, 25}, this);
    pageControl2_->setObjectName(u"PageControl2"_s);
    pageControl2_->setGeometry(5, 72, 215, 377);
    QFont tabFont = pageControl2_->font();
    tabFont.setPixelSize(12);
    pageControl2_->tabBar()->setFont(tabFont);

    programPage_ = new LaunchPage(GroupKind::Program, platform_, model_, pageControl2_);
    webPage_ = new LaunchPage(GroupKind::Web, platform_, model_, pageControl2_);
    sysInfoPage_ = new SysInfoPage(platform_, pageControl2_);
    pageControl2_->addTab(programPage_, u"软件"_s);
    pageControl2_->addTab(webPage_, u"网页"_s);
    pageControl2_->addTab(new SearchPage(platform_, pageControl2_), u"查/搜"_s);
    pageControl2_->addTab(new ToolsPage(platform_, pageControl2_), u"辅助"_s);
    pageControl2_->addTab(sysInfoPage_, u"配置"_s);
    connect(programPage_, &LaunchPage::editRequested, this, &MainWindow::emitEditRequest);
    connect(pageControl2_, &QTabWidget::currentChanged, this, &MainWindow::PageControl2Change);

    // Typing a letter or digit opens the find line over the open page (keyPressEvent);
    // Ctrl+1..5 open the pages.
    findLine_ = new FindLine(model_, platform_.paths.appDir(), this);
    connect(findLine_, &FindLine::slotChosen, this, [this](GroupKind kind, int group, int slot) {
        (kind == GroupKind::Program ? programPage_ : webPage_)->openSlot(group, slot);
    });
    for (int page = 0; page < pageControl2_->count(); ++page) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ControlModifier | Qt::Key(Qt::Key_1 + page)), this);
        connect(shortcut, &QShortcut::activated, this, [this, page] { pageControl2_->setCurrentIndex(page); });
    }
    // The keyboard starts on the page tabs, where Left and Right move between pages.
    pageControl2_->setFocus();

    // The anchor below which the "菜单" button opens the menu.
    designedChild<QWidget>(this, u"FlatSpeedButton126"_s, {1, 158, 25, 25})->hide();
}

void MainWindow::buildToolbar() {
    toolbar_ = designedChild<QWidget>(this, u"FlatPanel1"_s, {1, 456, 220, 33});
    const struct {
        QString name, hint, picture;
        int left;
        void (LaunchPage::*groupAction)();
        void (MainWindow::*request)();
    } buttons[] = {
        {u"SpeedButton101"_s, u"添加分组"_s, u"group_add"_s, 7, &LaunchPage::addGroup, nullptr},
        {u"SpeedButton102"_s, u"删除分组"_s, u"group_delete"_s, 37, &LaunchPage::deleteGroup, nullptr},
        {u"SpeedButton103"_s, u"修改标题"_s, u"group_rename"_s, 68, &LaunchPage::renameGroup, nullptr},
        {u"SpeedButton123"_s, u"备份数据"_s, u"backup"_s, 98, nullptr, &MainWindow::backupRequested},
        {u"SpeedButton124"_s, u"还原数据"_s, u"restore"_s, 128, nullptr, &MainWindow::restoreRequested},
        {u"SpeedButton104"_s, u"版本更新"_s, u"update"_s, 158, nullptr, &MainWindow::updateRequested},
        {u"SpeedButton105"_s, u"关于"_s, u"about"_s, 188, nullptr, &MainWindow::aboutRequested},
    };
    for (const auto& b : buttons) {
        auto* button = designedChild<QToolButton>(toolbar_, b.name, {b.left, 4, 25, 25});
        button->setToolTip(b.hint);
        button->setIcon(QIcon(u":/pictures/%1.png"_s.arg(b.picture)));
        button->setAutoRaise(true);
        // The group buttons act on the kind of the open page and on no other page.
        if (b.groupAction)
            connect(button, &QToolButton::clicked, this, [this, action = b.groupAction] {
                if (LaunchPage* page = openLaunchPage()) (page->*action)();
            });
        else
            connect(button, &QToolButton::clicked, this, b.request);
    }
}

void MainWindow::buildMenu() {
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(u"PopupMenu1"_s);
    auto add = [](QMenu* menu, const QString& name, const QString& caption, bool checkable = false) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(name);
        item->setCheckable(checkable);
        return item;
    };
    auto submenu = [&](const QString& name, const QString& caption) {
        QMenu* menu = popupMenu_->addMenu(caption);
        menu->menuAction()->setObjectName(name);
        return menu;
    };

    // Shows the window again, also after it was minimised: it has no taskbar button.
    connect(add(popupMenu_, u"N1"_s, u"显示主界面"_s), &QAction::triggered, this, [this] {
        showNormal();
        raise();
        activateWindow();
    });
    QMenu* tools = submenu(u"N11"_s, u"辅助工具"_s);
    const auto launch = [this](Tool tool) { return [this, tool] { launchTool(platform_, this, tool); }; };
    connect(add(tools, u"N12"_s, u"记事本"_s), &QAction::triggered, this, launch(Tool::Notepad));
    connect(add(tools, u"N13"_s, u"清理系统垃圾"_s), &QAction::triggered, this, launch(Tool::CleanUp));
    connect(add(tools, u"N14"_s, u"万年历"_s), &QAction::triggered, this, launch(Tool::Calendar));
    connect(add(tools, u"N19"_s, u"屏保锁"_s), &QAction::triggered, this, launch(Tool::ScreenLock));
    QMenu* display = submenu(u"N9"_s, u"显示设置"_s);
    connect(add(display, u"N7"_s, u"工具栏"_s, true), &QAction::triggered, this, &MainWindow::N7Click);
    connect(add(display, u"N8"_s, u"编辑按钮"_s, true), &QAction::triggered, this, &MainWindow::N8Click);
    connect(add(display, u"N10"_s, u"删除按钮"_s, true), &QAction::triggered, this, &MainWindow::N10Click);
    QMenu* skinMenu = submenu(u"N15"_s, u"皮肤风格"_s);
    for (int k = 0; k < int(skins().size()); ++k)
        connect(add(skinMenu, u"N_%1"_s.arg(k), skins()[k].caption, true), &QAction::triggered, this,
                [this, k] { SkinItemClick(k); });
    skinMenu->setToolTipsVisible(true);
    action(u"N_5"_s)->setToolTip(u"仿古风格"_s);
    popupMenu_->addSeparator()->setObjectName(u"N17"_s);
    connect(add(popupMenu_, u"N6"_s, u"自动隐藏"_s, true), &QAction::triggered, this, &MainWindow::N6Click);
    connect(add(popupMenu_, u"N4"_s, u"备份数据"_s), &QAction::triggered, this, &MainWindow::backupRequested);
    connect(add(popupMenu_, u"N5"_s, u"还原数据"_s), &QAction::triggered, this, &MainWindow::restoreRequested);
    connect(add(popupMenu_, u"N18"_s, u"版本更新"_s), &QAction::triggered, this, &MainWindow::updateRequested);
    connect(add(popupMenu_, u"N2"_s, u"关于"_s), &QAction::triggered, this, &MainWindow::aboutRequested);
    popupMenu_->addSeparator()->setObjectName(u"N16"_s);
    connect(add(popupMenu_, u"N3"_s, u"退出"_s), &QAction::triggered, this, &QWidget::close);

    // The "菜单" button opens the same menu for desktops without a tray.
    auto* menuPanel = designedChild<QWidget>(this, u"FlatPanel4"_s, {1, 409, 30, 41});
    auto* menuButton = designedChild<QToolButton>(menuPanel, u"SpeedButton125"_s, {0, 0, 30, 41});
    menuButton->setText(u"菜单"_s);
    menuButton->setIcon(QIcon(u":/pictures/menu.png"_s));
    menuButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    menuButton->setAutoRaise(true);
    menuButton->setStyleSheet(u"color: blue;"_s);
    connect(menuButton, &QToolButton::clicked, this, [this] {
        auto* anchor = findChild<QWidget*>(u"FlatSpeedButton126"_s);
        popupMenu_->popup(anchor->mapToGlobal(QPoint(0, 41)));
    });
    // Tab follows the layout: the "菜单" button lies above the toolbar.
    QWidget* before = menuButton;
    for (QToolButton* button : toolbar_->findChildren<QToolButton*>()) {
        setTabOrder(before, button);
        before = button;
    }

    tray_ = new QSystemTrayIcon(QIcon(u":/vantrel.png"_s), this);
    tray_->setObjectName(u"bsTrayIcon1"_s);
    tray_->setToolTip(kCaptionStripText);
    tray_->setContextMenu(popupMenu_);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::MiddleClick)
            popupMenu_->popup(QCursor::pos());
    });
    trayWatch_ = new QTimer(this);
    trayWatch_->setInterval(3000);
    connect(trayWatch_, &QTimer::timeout, this, &MainWindow::lookForTray);
    lookForTray();
}

// A tray may appear at any time, a panel started after login for instance: until there is
// one, look again now and then.
void MainWindow::lookForTray() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        if (!trayWatch_->isActive()) trayWatch_->start();
        return;
    }
    trayWatch_->stop();
    tray_->show();
}

void MainWindow::buildStatusBar() {
    auto* bar = designedChild<QStatusBar>(this, u"StatusBar1"_s, {0, 0, kClientWidth, kStatusHeight});
    statusBar_ = bar;
    bar->setSizeGripEnabled(false);
    // Two sunken panels side by side: the running time as wide as its text at 999 hours,
    // the welcome in the rest. The font is 11 pixels, or smaller where both texts would
    // not fit the window's width in it.
    constexpr int kPanelPadding = 6;  // frames, indent and a gap after the text
    const QString longest = UptimeClock{999, 59, 59}.text().trimmed();
    QFont font = bar->font();
    int uptimeWidth = 0;
    for (int pixels = 11; pixels >= 9; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        uptimeWidth = metrics.horizontalAdvance(longest) + kPanelPadding;
        if (metrics.horizontalAdvance(kWelcomeText) + kPanelPadding + uptimeWidth <= kClientWidth) break;
    }
    bar->setFont(font);
    for (int i = 0; i < 2; ++i) {
        statusPanels_[i] = new QLabel(bar);
        statusPanels_[i]->setObjectName(u"StatusBar1.Panels%1"_s.arg(i));
        statusPanels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusPanels_[i]->setIndent(2);
    }
    statusPanels_[0]->setGeometry(0, 0, kClientWidth - uptimeWidth, kStatusHeight);
    statusPanels_[1]->setGeometry(kClientWidth - uptimeWidth, 0, uptimeWidth, kStatusHeight);
}

QAction* MainWindow::action(const QString& name) const {
    return findChild<QAction*>(name);
}

void MainWindow::FormCreate() {
    kaitexiao_->start();
    fade_ = {};
    dataRestored_ = false;
    uptime_ = {};
    statusPanels_[0]->setText(kWelcomeText);
    // The window is a tool window (see the constructor): it has no taskbar button.

    loadData(file_, settings_, model_);
    // A data file that could not be read is said once, when the window is up.
    if (const QString problem = file_.loadProblem(); !problem.isEmpty())
        QTimer::singleShot(0, this, [this, problem] { platform_.dialogs.message(this, problem, u"提示"_s); });

    // Only a position the slider does not already show reports a change, which stores it back.
    scrollBar1_->setValue(clampOpacity(settings_.toumingdu));

    const bool autoHide = settings_.yincang == 1;
    action(u"N6"_s)->setChecked(autoHide);
    captionStrip_->setVisible(autoHide);
    setOpacity(autoHide ? 180 : windowAlpha(settings_.toumingdu));

    showToolbar(settings_.xianshi_gongjulan == 1);
    action(u"N8"_s)->setChecked(settings_.xianshi_bianji == 1);
    action(u"N10"_s)->setChecked(settings_.xianshi_shanchu == 1);

    if (const auto skin = skinIndex(settings_.skin)) {
        action(u"N_%1"_s.arg(*skin))->setChecked(true);
        skinButtons_[*skin]->setChecked(true);
        applySkin(*skin);
    }

    // The key that summons the window from anywhere; where none can be had, the tray
    // says why, and nothing else does.
    platform_.hotKey.onPress([this] { summon(); });
    summonKey_.start(readHotKey(file_));
    statusBar_->setToolTip(summonKey_.statusTip());
    if (const QString note = summonKey_.trayNote(); !note.isEmpty())
        tray_->setToolTip(kCaptionStripText + u'\n' + note);

    applyLoadedState(model_, settings_);
    programPage_->captureIcons();
    programPage_->showGroups();
    webPage_->showGroups();
}

void MainWindow::showToolbar(bool shown) {
    action(u"N7"_s)->setChecked(shown);
    toolbar_->setVisible(shown);
    const int height = shown ? 513 : 472;
    setFixedSize(kClientWidth, height);
    captionStrip_->move(0, height - kStripHeight);
    statusBar_->setGeometry(0, height - kStatusHeight, kClientWidth, kStatusHeight);
    captionStrip_->raise();
    // A window hidden at the edge keeps its strip on the screen whatever its height.
    if (edgeHidden_) hideAtEdge();
}

void MainWindow::setOpacity(int alpha) { setWindowOpacity(alpha / 255.0); }

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (fade_.fadeLevel == 0) setOpacity(0);
}

void MainWindow::kaitexiaoTimer() {
    if (const auto alpha = fade_.step(settings_.toumingdu))
        setOpacity(*alpha);
    else
        kaitexiao_->stop();
}

void MainWindow::Timer1Timer() {
    sysInfoPage_->showMemory(platform_.memory.status());
    time_->setText(clockText(platform_.clock.now(), QLocale::system()));
    if (uptime_.tick()) platform_.memory.trimWorkingSet();
    statusPanels_[1]->setText(uptime_.text());
}

void MainWindow::ScrollBar1Change(int position) {
    setOpacity(position);
    settings_.toumingdu = position;
}

void MainWindow::PageControl2Change(int index) {
    static_cast<Page*>(pageControl2_->widget(index))->entered();
}

LaunchPage* MainWindow::openLaunchPage() const {
    return dynamic_cast<LaunchPage*>(pageControl2_->currentWidget());
}

void MainWindow::emitEditRequest(int g, int n) {
    const SlotDisplay& shown = model_.group(GroupKind::Program, g).display[n - 1];
    Q_EMIT titleEditRequested(SlotKey(g, n), shown.caption, shown.captionColor,
                              IconPath(platform_.paths.appDir(), g, n));
}

void MainWindow::setTitle(int group, int slot, const QString& caption, ColorValue colour) {
    programPage_->setTitle(group, slot, caption, colour);
}

void MainWindow::N6Click(bool checked) { settings_.yincang = checked ? 1 : 0; }

void MainWindow::N7Click(bool checked) {
    settings_.xianshi_gongjulan = checked ? 1 : 0;
    showToolbar(checked);
}

void MainWindow::N8Click(bool checked) {
    settings_.xianshi_bianji = checked ? 1 : 0;
    switchSlotButtons(model_, SlotButton::Edit, checked);
    programPage_->showGroups();
}

void MainWindow::N10Click(bool checked) {
    settings_.xianshi_shanchu = checked ? 1 : 0;
    switchSlotButtons(model_, SlotButton::Delete, checked);
    programPage_->showGroups();
    webPage_->showGroups();
}

void MainWindow::SkinItemClick(int index) {
    SkinSquareClick(index);
    skinButtons_[index]->setChecked(true);
}

// The square's own pressed state comes from the click: pressing the pressed one again
// leaves every square up, and the skin is applied all the same.
void MainWindow::SkinSquareClick(int index) {
    for (int k = 0; k < int(skins().size()); ++k) {
        action(u"N_%1"_s.arg(k))->setChecked(k == index);
        if (k != index) skinButtons_[k]->setChecked(false);
    }
    applySkin(index);
    settings_.skin = index;
}

// The skin is the application's style sheet, so that menus and dialogs wear it too.
void MainWindow::applySkin(int index) {
    const QString sheet = skinStyleSheet(index);
    if (qApp->styleSheet() != sheet) qApp->setStyleSheet(sheet);
}

bool MainWindow::autoHideOn() const { return action(u"N6"_s)->isChecked() && settings_.yincang == 1; }

int MainWindow::screenTop() const { return screen() ? screen()->geometry().top() : 0; }

QRect MainWindow::screenRect() const { return edgeHidden_ ? geometry() : frameGeometry(); }

void MainWindow::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (!autoHideOn()) return;
    if (const auto top = AutoHide::topOnEnter(screenRect(), screenTop())) showAtTop(*top);
    captionStrip_->hide();
    setOpacity(windowAlpha(settings_.toumingdu));
}

void MainWindow::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (!autoHideOn() || !AutoHide::topOnLeave(QCursor::pos(), screenRect(), screenTop())) return;
    hideAtEdge();
    captionStrip_->show();
    setOpacity(AutoHide::kHiddenOpacity);
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // What the frame adds on the left, learnt while the window has it: after the frame comes
    // back, the window system tells it only later.
    if (!edgeHidden_ && frameGeometry().left() != geometry().left())
        frameLeft_ = geometry().left() - frameGeometry().left();
    // The program's own placing, and the window system's echo of it, are no moves of the
    // user; nor is the window manager's placing of the window while it first shows and fades in.
    if (placing_ || pos() == placedAt_ || kaitexiao_->isActive()) return;
    if (edgeHidden_) {
        // A window manager that lets go of the window may still put it back where it had it.
        hideAtEdge();
        return;
    }
    if (settings_.yincang == 1 && AutoHide::topOnLeave(QCursor::pos(), screenRect(), screenTop()))
        hideAtEdge();
}

// Window managers keep the windows they manage on the screen, some by a tenth of their
// height, some by their title bar. Hidden at the edge, the window leaves their care and
// its frame, so that only its own bottom strip stays on the screen; back at the top it
// returns to them. The window is placed before it shows again, so that a window manager
// takes it where it is meant to be.
void MainWindow::hideAtEdge() {
    const QScopedValueRollback placing(placing_, true);
    const bool visible = isVisible();
    // The window's own left edge stays where it was when it went up, whatever a window
    // manager letting go of it does meanwhile.
    if (!edgeHidden_) {
        edgeHidden_ = true;
        hiddenLeft_ = geometry().left();
        setWindowFlag(Qt::X11BypassWindowManagerHint, true);
    }
    setGeometry(hiddenLeft_, AutoHide::hiddenTop(height(), screenTop()), width(), height());
    if (visible && !isVisible()) show();
    placedAt_ = pos();
}

// The frame goes back where it keeps the window's own left edge in place.
void MainWindow::showAtTop(int top) {
    const QScopedValueRollback placing(placing_, true);
    const bool visible = isVisible();
    int left = x();
    if (edgeHidden_) {
        edgeHidden_ = false;
        left = hiddenLeft_ - frameLeft_;
        setWindowFlag(Qt::X11BypassWindowManagerHint, false);
    }
    move(left, top);
    if (visible && !isVisible()) show();
    placedAt_ = pos();
}

void MainWindow::bringBack() {
    if (edgeHidden_ || screenRect().top() < screenTop()) {
        showAtTop(screenTop());
        captionStrip_->hide();
        setOpacity(windowAlpha(settings_.toumingdu));
    }
    showNormal();
    raise();
    activateWindow();
}

// Minimised, the window goes to the tray; with no tray to go to, it stays where it is
// rather than be lost, for it has no taskbar button.
void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMinimized()) return;
    if (tray_->isVisible() && QSystemTrayIcon::isSystemTrayAvailable())
        QTimer::singleShot(0, this, &QWidget::hide);
    else
        setWindowState(windowState() & ~Qt::WindowMinimized);
}

// Keys no control of the window took: a letter or digit starts a find. An edit takes
// them itself, and a dialog's keys never come here.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (opensFindLine(*event))
        findLine_->open(pageControl2_->currentWidget(), event->text());
    else
        QWidget::keyPressEvent(event);
}

void MainWindow::summon() {
    if (summonAction({isVisible(), isMinimized(), isActiveWindow(), edgeHidden_}) == SummonAction::Hide)
        hide();
    else
        bringBack();
}

void MainWindow::SpeedButton123Click() {
    guarded(platform_.dialogs, this, [this] { backupData(platform_.dialogs, this, platform_.paths); });
}

void MainWindow::SpeedButton124Click() {
    guarded(platform_.dialogs, this,
            [this] { restoreData(platform_.dialogs, this, platform_.paths, dataRestored_); });
}

bool MainWindow::FormClose() {
    return guarded(platform_.dialogs, this, [this] { save(); });
}

void MainWindow::save() {
    if (dataRestored_) return;
    // The summoning key's own section goes into the same single replacement.
    writeData(file_, settings_, model_);
    writeHotKey(file_, summonKey_.wanted());
    file_.commit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!FormClose()) {
        event->ignore();
        return;
    }
    event->accept();
    Q_EMIT closed();
}

#include "launch/launch_page.h"

#include "core/guard.h"
#include "core/version.h"
#include "launch/icon_cache.h"
#include "ui/designed_child.h"
#include "ui/row_tabs.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QShortcut>

#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QToolButton>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// The designed names of each kind's controls.
struct KindNames {
    QString page, tabs, panel, memo, noGroupLabel, clickLabel, addImage, addLabel;
    int noGroupLeft;
    QString noGroupText;
    std::array<int, 5> tabSheets;
};

const KindNames& namesOf(GroupKind kind) {
    static const KindNames program{u"TabSheet6"_s, u"PageControl1"_s, u"FlatPanel5"_s, u"Memo1"_s,
                                   u"Label18"_s, u"Label20"_s, u"Image51"_s, u"Label19"_s, 16,
                                   u"当前没有文件/程序分组        "_s, {1, 2, 3, 4, 5}};
    static const KindNames web{u"TabSheet7"_s, u"PageControl4"_s, u"FlatPanel7"_s, u"Memo2"_s,
                               u"Label32"_s, u"Label34"_s, u"Image63"_s, u"Label33"_s, 32,
                               u"当前没有网页分组       "_s, {15, 16, 17}};
    return kind == GroupKind::Program ? program : web;
}

// Web group 2's delete buttons carry these numbers; every other range runs on.
constexpr std::array<int, kSlotsPerGroup> kWeb2Deletes{106, 107, 108, 109, 126, 152, 153, 154, 155, 156};

struct SlotNames {
    QString launch, image, edit, remove;
};

SlotNames slotNames(GroupKind kind, int g, int n) {
    auto name = [](QStringView prefix, int number) { return prefix.toString() + QString::number(number); };
    if (kind == GroupKind::Program)
        return {name(u"Button", (g - 1) * 20 + n), name(u"Image", (g - 1) * 10 + n),
                name(u"SpeedButton", (g - 1) * 20 + n), name(u"SpeedButton", (g - 1) * 20 + 10 + n)};
    constexpr std::array<int, 3> launchBase{101, 51, 71};
    const int remove = g == 1 ? 112 + n : g == 2 ? kWeb2Deletes[n - 1] : 156 + n;
    return {name(u"Button", launchBase[g - 1] + n - 1), {}, {}, name(u"SpeedButton", remove)};
}

const QStringList& noGroupLines() {
    static const QStringList lines{
        u"凡特睿(Vantrel)"_s, u"版本 "_s + kVersion, QString(), u"功能:"_s,
        u"添加常用文件/程序快速启动"_s, u"添加网站快速启动"_s, u"丰富的搜索功能"_s,
        u"方便的实用查询"_s, u"28个系统程序快速启动"_s, u"定时关机、闹钟提醒等辅助"_s,
        u"查看本机配置，系统信息"_s, QString(), u"特性:"_s, u"设置透明度"_s,
        u"设置是否自动隐藏"_s, u"可备份/还原数据，以防丢失"_s, u"六大皮肤任你选择"_s};
    return lines;
}

} // namespace

LaunchPage::LaunchPage(GroupKind kind, Platform& platform, LaunchModel& model, QWidget* parent)
    : Page(parent), kind_(kind), platform_(platform), model_(model),
      actions_(platform, model, parent->window()) {
    const KindNames& names = namesOf(kind);
    setObjectName(names.page);

    // The group tabs take as many rows as their titles need; the slot rows share the rest.
    tabs_ = new RowTabs(this);
    tabs_->setObjectName(names.tabs);
    tabs_->setGeometry(2, 0, 176, 364);
    for (int g = 1; g <= groupCount(kind); ++g)
        tabs_->addTab(buildGroupTab(g), model_.group(kind, g).defaultTitle());
    for (auto [key, step] : {std::pair{Qt::Key_PageUp, -1}, std::pair{Qt::Key_PageDown, 1}}) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ControlModifier | key), this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step] { stepTab(step); });
    }

    noGroupPanel_ = buildNoGroupPanel();
}

QWidget* LaunchPage::buildGroupTab(int g) {
    auto* tab = new QWidget;
    tab->setObjectName(u"TabSheet"_s + QString::number(namesOf(kind_).tabSheets[g - 1]));
    tab->installEventFilter(this);
    const bool program = kind_ == GroupKind::Program;
    for (int n = 1; n <= kSlotsPerGroup; ++n) {
        const SlotNames names = slotNames(kind_, g, n);
        SlotWidgets& w = widgets(g, n);

        w.launch = new QPushButton(u"+"_s, tab);
        w.launch->setObjectName(names.launch);
        w.launch->setAcceptDrops(true);
        w.launch->installEventFilter(this);
        connect(w.launch, &QPushButton::clicked, this, [this, g, n] {
            act(g, n, [&] { return actions_.launch(kind_, g, n); });
        });

        auto tool = [&](const QString& name, const QString& picture) {
            auto* button = new QToolButton(tab);
            button->setObjectName(name);
            button->setIcon(QIcon(picture));
            button->setAutoRaise(true);
            return button;
        };
        if (program) {
            w.image = new QLabel(tab);
            w.image->setObjectName(names.image);
            w.image->setScaledContents(true);
            w.image->hide();
            w.edit = tool(names.edit, u":/pictures/pencil.png"_s);
            connect(w.edit, &QToolButton::clicked, this, [this, g, n] { Q_EMIT editRequested(g, n); });
        }
        w.remove = tool(names.remove, u":/pictures/cross.png"_s);
        connect(w.remove, &QToolButton::clicked, this, [this, g, n] {
            act(g, n, [&] {
                actions_.remove(kind_, g, n);
                return false;
            });
        });
    }
    placeSlots(g, 32 * kSlotsPerGroup + 16);  // as designed, until the tab gets its height
    return tab;
}

// Ten rows down the group's tab, 32 pixels apart as designed while the tab is tall enough,
// closer when several rows of group tabs leave less room. A program slot's icon stands left
// of its launch button, beside it rather than under it.
void LaunchPage::placeSlots(int g, int height) {
    const bool program = kind_ == GroupKind::Program;
    const int pitch = std::clamp((height - 2) / kSlotsPerGroup, 20, 32);
    const int first = std::clamp((height - kSlotsPerGroup * pitch) / 2, 0, 8);
    for (int n = 1; n <= kSlotsPerGroup; ++n) {
        const int top = first + pitch * (n - 1);
        SlotWidgets& w = widgets(g, n);
        w.launch->setGeometry(program ? 34 : 16, top, program ? 86 : 97, pitch + 1);
        if (program) {
            w.image->setGeometry(0, top, pitch, pitch);
            w.edit->setGeometry(120, top, 25, pitch + 1);
        }
        w.remove->setGeometry(program ? 144 : 120, top, 25, pitch + 1);
    }
}

QWidget* LaunchPage::buildNoGroupPanel() {
    const KindNames& names = namesOf(kind_);
    auto* panel = new QWidget(this);
    panel->setObjectName(names.panel);
    panel->setGeometry(2, 1, 177, 361);

    // The read-only memo: nothing on the panel reacts to the user.
    auto* memo = new QLabel(panel);
    // Seventeen lines at a fixed line height, so that all of them fit the memo's box.
    memo->setText(u"<p style=\"line-height:85%\">%1</p>"_s.arg(noGroupLines().join(u"<br>"_s)));
    memo->setObjectName(names.memo);
    memo->setGeometry(8, 8, 161, 241);
    memo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    memo->setFrameShape(QFrame::StyledPanel);
    memo->setAutoFillBackground(true);
    memo->setBackgroundRole(QPalette::Midlight);
    QFont small = memo->font();
    small.setPixelSize(11);
    memo->setFont(small);

    designedText<QLabel>(panel, names.noGroupLabel, names.noGroupText, {names.noGroupLeft, 280, 0, 0});
    designedText<QLabel>(panel, names.clickLabel, u"请单击   "_s, {24, 306, 0, 0});
    auto* image = new QLabel(panel);
    image->setObjectName(names.addImage);
    image->setGeometry(72, 304, 17, 17);
    image->setScaledContents(true);
    image->setPixmap(QPixmap(u":/pictures/group_add.png"_s));
    designedText<QLabel>(panel, names.addLabel, u"添加分组    "_s, {96, 306, 0, 0});
    panel->hide();
    return panel;
}

void LaunchPage::showGroups() {
    for (int g = 1; g <= groupCount(kind_); ++g) {
        const LaunchGroup& group = model_.group(kind_, g);
        tabs_->setTabVisible(g - 1, group.show == 1);
        tabs_->setTabText(g - 1, group.tabCaption());
        for (int n = 1; n <= kSlotsPerGroup; ++n) showSlot(g, n);
    }
    const bool none = model_.ShownCount(kind_) == 0;
    tabs_->setVisible(!none);
    noGroupPanel_->setVisible(none);
}

void LaunchPage::showSlot(int g, int n) {
    const LaunchGroup& group = model_.group(kind_, g);
    const SlotDisplay& shown = group.display[n - 1];
    SlotWidgets& w = widgets(g, n);
    // A name too long for the button is cut at its end; the accessible name holds it
    // whole, the tooltip too, with the target. The name itself stays as typed.
    QStyleOptionButton option;
    option.initFrom(w.launch);
    const int room = w.launch->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w.launch).width();
    const QString caption = w.launch->fontMetrics().elidedText(shown.caption, Qt::ElideRight, room);
    w.launch->setText(QString(caption).replace(u'&', u"&&"_s));
    w.launch->setAccessibleName(shown.caption);
    const LaunchSlot& slot = group.slots[n - 1];
    w.launch->setToolTip(slot.now == 0 ? QString()
                                       : u"<p style=\"white-space:pre\">%1<br>%2</p>"_s.arg(
                                             shown.caption.toHtmlEscaped(), slot.path.toHtmlEscaped()));
    w.remove->setVisible(shown.deleteVisible);
    if (kind_ != GroupKind::Program) return;
    QPalette palette = w.launch->palette();
    palette.setColor(QPalette::ButtonText, ColorText::displayColor(shown.captionColor, palette));
    w.launch->setPalette(palette);
    w.edit->setVisible(shown.editVisible);
    w.image->setVisible(shown.iconVisible);
}

void LaunchPage::loadIcon(int g, int n) {
    widgets(g, n).image->setPixmap(QPixmap(IconPath(platform_.paths.appDir(), g, n)));
}

void LaunchPage::act(int g, int n, const std::function<bool()>& action) {
    guarded(platform_.dialogs, window(), [&] {
        if (action()) loadIcon(g, n);
    });
    showSlot(g, n);
}

int LaunchPage::selectedTabPosition() const {
    const int current = tabs_->currentIndex();
    if (current < 0 || !tabs_->isTabVisible(current)) return -1;
    int position = 0;
    for (int i = 0; i < current; ++i) position += tabs_->isTabVisible(i);
    return position;
}

void LaunchPage::addGroup() {
    actions_.addGroup(kind_);
    showGroups();
}

void LaunchPage::deleteGroup() {
    actions_.deleteGroup(kind_, selectedTabPosition());
    showGroups();
}

void LaunchPage::renameGroup() {
    actions_.renameGroup(kind_, selectedTabPosition());
    showGroups();
}

void LaunchPage::setTitle(int g, int n, const QString& caption, ColorValue colour) {
    SlotDisplay& shown = model_.group(kind_, g).display[n - 1];
    shown.caption = caption;
    shown.captionColor = colour;
    showSlot(g, n);
}

// Program slots take a local file, folder or desktop entry; web slots an address.
QString LaunchPage::droppedTarget(const QMimeData* data) const {
    const QList<QUrl> urls = data->urls();
    if (kind_ == GroupKind::Program)
        return !urls.isEmpty() && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
    if (!urls.isEmpty()) return urls.first().toString();
    return data->text().trimmed();
}

void LaunchPage::openSlot(int g, int n) {
    widgets(g, n).launch->click();
}

void LaunchPage::stepTab(int step) {
    const int count = tabs_->count();
    for (int i = 1; i < count; ++i) {
        const int index = (tabs_->currentIndex() + step * i + count) % count;
        if (tabs_->isTabVisible(index)) {
            tabs_->setCurrentIndex(index);
            return;
        }
    }
}

bool LaunchPage::slotKeyPressed(QObject* button, int key) {
    for (int g = 1; g <= groupCount(kind_); ++g)
        for (int n = 1; n <= kSlotsPerGroup; ++n) {
            if (widgets(g, n).launch != button) continue;
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                openSlot(g, n);
                return true;
            }
            if (key == Qt::Key_Delete && model_.group(kind_, g).slots[n - 1].now == 1) {
                widgets(g, n).remove->click();
                return true;
            }
        }
    return false;
}

bool LaunchPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        if (const int index = tabs_->indexOf(static_cast<QWidget*>(watched)); index >= 0)
            placeSlots(index + 1, static_cast<QResizeEvent*>(event)->size().height());
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress &&
        slotKeyPressed(watched, static_cast<QKeyEvent*>(event)->key()))
        return true;
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop)
        return QWidget::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    for (int g = 1; g <= groupCount(kind_); ++g)
        for (int n = 1; n <= kSlotsPerGroup; ++n) {
            if (widgets(g, n).launch != watched) continue;
            const QString target = droppedTarget(drop->mimeData());
            if (!actions_.accepts(kind_, g, n, target)) {
                drop->ignore();
                return true;
            }
            drop->acceptProposedAction();
            if (event->type() == QEvent::Drop)
                act(g, n, [&] { return actions_.drop(kind_, g, n, target); });
            return true;
        }
    return QWidget::eventFilter(watched, event);
}

void LaunchPage::captureIcons() {
    for (const SlotRef& slot : captureProgramIcons(platform_.icons, model_, platform_.paths.appDir()))
        loadIcon(slot.group, slot.slot);
}

#include "launch/launch_actions.h"

#include "core/app_error.h"
#include "launch/icon_cache.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kCaption = u"提示"_s;
const QString kPlus = u"+"_s;

QString allShownMessage(GroupKind kind) {
    return kind == GroupKind::Program ? u"目前版本只支持5个程序/文件分组！"_s : u"目前版本只支持3个网页分组！"_s;
}

// An emptied slot reads "+", program slots in black, and hides its buttons and icon.
void showEmptied(GroupKind kind, SlotDisplay& shown) {
    shown.caption = kPlus;
    shown.deleteVisible = false;
    if (kind == GroupKind::Program) {
        shown.captionColor = ColorText::clBlack;
        shown.editVisible = false;
        shown.iconVisible = false;
    }
}

} // namespace

bool LaunchActions::launch(GroupKind kind, int g, int n) {
    LaunchGroup& group = model_.group(kind, g);
    if (group.display[n - 1].caption != kPlus) {
        const QString& target = group.slots[n - 1].path;
        if (kind == GroupKind::Program)
            platform_.shell.ShellLaunch(owner_, u"open"_s, target, {}, ShowMode::Show);
        else
            platform_.shell.ShellLaunch(owner_, {}, target, {}, ShowMode::ShowNormal);
        return false;
    }
    if (kind == GroupKind::Web) {
        const QString address = platform_.dialogs.inputBox(owner_, kCaption, u"输入网址    "_s, {});
        if (!address.isEmpty()) fillWeb(g, n, address);
        return false;
    }
    const auto path = platform_.dialogs.openFile(owner_);
    return path && fillProgram(g, n, *path);
}

bool LaunchActions::accepts(GroupKind kind, int g, int n, const QString& target) const {
    return !target.isEmpty() && model_.group(kind, g).display[n - 1].caption == kPlus;
}

bool LaunchActions::drop(GroupKind kind, int g, int n, const QString& target) {
    if (!accepts(kind, g, n, target)) return false;
    if (kind == GroupKind::Web) {
        fillWeb(g, n, target);
        return false;
    }
    return fillProgram(g, n, target);
}

bool LaunchActions::fillProgram(int g, int n, const QString& path) {
    QString name = platform_.dialogs.inputBox(owner_, kCaption, u"文件名称   "_s, {});
    if (name.isEmpty()) name = QFileInfo(path).fileName();

    LaunchSlot& slot = model_.group(GroupKind::Program, g).slots[n - 1];
    SlotDisplay& shown = model_.group(GroupKind::Program, g).display[n - 1];
    shown.caption = name;
    slot.name = name;
    slot.path = path;
    slot.now = 1;
    // A slot just filled shows its buttons whatever the display settings say.
    shown.editVisible = true;
    shown.deleteVisible = true;

    const QString iconFile = IconPath(platform_.paths.appDir(), g, n);
    if (!captureIcon(platform_.icons, path, iconFile))
        throw AppError(u"Cannot create file \"%1\""_s.arg(iconFile));
    shown.iconVisible = true;
    return true;
}

void LaunchActions::fillWeb(int g, int n, const QString& address) {
    const QString name = platform_.dialogs.inputBox(owner_, kCaption, u"网站名称    "_s, {});
    LaunchSlot& slot = model_.group(GroupKind::Web, g).slots[n - 1];
    slot.now = 1;
    slot.name = name.isEmpty() ? address : name;
    slot.path = address;
    SlotDisplay& shown = model_.group(GroupKind::Web, g).display[n - 1];
    shown.caption = slot.name;
    shown.deleteVisible = true;
}

void LaunchActions::remove(GroupKind kind, int g, int n) {
    if (!platform_.dialogs.yesNo(owner_, u"确定要删除吗?"_s, kCaption)) return;
    LaunchGroup& group = model_.group(kind, g);
    LaunchModel::ClearSlot(group.slots[n - 1]);
    showEmptied(kind, group.display[n - 1]);
}

void LaunchActions::addGroup(GroupKind kind) {
    if (model_.ShownCount(kind) == groupCount(kind)) {
        platform_.dialogs.message(owner_, allShownMessage(kind), kCaption);
        return;
    }
    const QString title = platform_.dialogs.inputBox(owner_, kCaption, u"输入新建分组名       "_s, {});
    if (title.isEmpty()) return;
    const auto g = model_.FirstFreeGroup(kind);
    if (!g) return;
    LaunchGroup& group = model_.group(kind, *g);
    group.name = title;
    group.show = 1;
}

void LaunchActions::deleteGroup(GroupKind kind, int tabPosition) {
    const auto g = model_.GroupAtTab(kind, tabPosition);
    if (!g) {
        platform_.dialogs.message(owner_, u"已经没有可删除的分组！"_s, kCaption);
        return;
    }
    if (!platform_.dialogs.yesNo(owner_, u"确定删除此分组及组内全部信息吗？"_s, kCaption)) return;
    model_.ClearGroup(kind, *g);
    for (SlotDisplay& shown : model_.group(kind, *g).display) showEmptied(kind, shown);
}

void LaunchActions::renameGroup(GroupKind kind, int tabPosition) {
    const auto g = model_.GroupAtTab(kind, tabPosition);
    if (!g) {
        platform_.dialogs.message(owner_, u"已经没有可修改的分组！"_s, kCaption);
        return;
    }
    const QString title = platform_.dialogs.inputBox(owner_, kCaption, u"修改标题       "_s, {});
    if (!title.isEmpty()) model_.group(kind, *g).name = title;
}

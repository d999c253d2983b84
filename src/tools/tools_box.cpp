#include "tools/tools_box.h"

#include "tools/tool_launchers.h"
#include "ui/designed_child.h"

#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

ToolsBox::ToolsBox(Platform& platform, QWidget* parent) : QGroupBox(u"辅助Tools"_s, parent) {
    setObjectName(u"FlatGroupBox7"_s);
    setGeometry(2, 230, 170, 84);
    const struct {
        QString name, caption, picture;
        Tool tool;
        QPoint place;
    } buttons[] = {
        {u"SpeedButton167"_s, u"记事本"_s, u"notepad"_s, Tool::Notepad, {4, 20}},
        {u"SpeedButton169"_s, u"万年历"_s, u"calendar"_s, Tool::Calendar, {85, 20}},
        {u"SpeedButton170"_s, u"屏保锁"_s, u"lock"_s, Tool::ScreenLock, {4, 50}},
        {u"SpeedButton168"_s, u"清理系统"_s, u"cleanup"_s, Tool::CleanUp, {85, 50}},
    };
    for (const auto& b : buttons) {
        auto* button = designedText<QToolButton>(this, b.name, b.caption, {b.place, QSize(81, 25)});
        button->setIcon(QIcon(u":/pictures/%1.png"_s.arg(b.picture)));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        connect(button, &QToolButton::clicked, this,
                [this, &platform, tool = b.tool] { launchTool(platform, window(), tool); });
    }
}

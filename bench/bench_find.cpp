// Type-to-find over 80 occupied slots, half with Chinese names and half with Latin ones:
// the first search (which builds the index and ICU's transliterator), a rebuild after
// every name changed, and the search of each keystroke.

#include "launch/slot_finder.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

const QStringList kChinese{
    u"微信"_s, u"北京大学"_s, u"网易云音乐"_s, u"百度网盘"_s, u"腾讯会议"_s, u"钉钉"_s, u"记事本"_s,
    u"计算器"_s, u"画图工具"_s, u"重要文件夹"_s, u"工作报告"_s, u"财务报表"_s, u"学习资料"_s,
    u"电子邮件"_s, u"照片管理"_s, u"视频播放器"_s, u"音乐播放器"_s, u"压缩工具"_s, u"下载管理"_s,
    u"系统设置"_s, u"终端"_s, u"文件管理器"_s, u"浏览器"_s, u"输入法设置"_s, u"天气预报"_s,
    u"地图导航"_s, u"新闻资讯"_s, u"在线翻译"_s, u"购物网站"_s, u"银行网银"_s, u"股票行情"_s,
    u"重庆地图"_s, u"长城宽带"_s, u"快乐星球"_s, u"开会记录"_s, u"朝阳公园"_s, u"和平饭店"_s,
    u"行政审批"_s, u"数据中心"_s, u"乐山大佛"_s};
const QStringList kLatin{
    u"Firefox"_s, u"Thunderbird"_s, u"LibreOffice Writer"_s, u"LibreOffice Calc"_s, u"GIMP"_s,
    u"Inkscape"_s, u"Visual Studio Code"_s, u"Terminal"_s, u"Files"_s, u"VLC media player"_s,
    u"Audacity"_s, u"Blender"_s, u"Krita"_s, u"Steam"_s, u"Discord"_s, u"Slack"_s, u"Zoom"_s,
    u"Telegram"_s, u"Signal"_s, u"KeePassXC"_s, u"Transmission"_s, u"FileZilla"_s, u"Wireshark"_s,
    u"VirtualBox"_s, u"OBS Studio"_s, u"Calibre"_s, u"Evince"_s, u"GNOME Maps"_s, u"Weather"_s,
    u"Calculator"_s, u"GitHub"_s, u"Wikipedia"_s, u"Stack Overflow"_s, u"Hacker News"_s,
    u"Debian Wiki"_s, u"Arch Wiki"_s, u"Qt Docs"_s, u"cppreference"_s, u"Mail"_s, u"QQ音乐"_s};

// Every group of both kinds shown and every slot filled.
void fillAll(LaunchModel& model, const QString& suffix) {
    int index = 0;
    for (GroupKind kind : {GroupKind::Program, GroupKind::Web}) {
        for (int g = 1; g <= groupCount(kind); ++g) {
            LaunchGroup& group = model.group(kind, g);
            group.show = 1;
            for (int n = 0; n < kSlotsPerGroup; ++n, ++index) {
                const QString name = (index % 2 ? kLatin : kChinese)[index / 2] + suffix;
                const QString target = kind == GroupKind::Program ? u"/usr/bin/app%1"_s.arg(index)
                                                                  : u"https://site%1.example/"_s.arg(index);
                group.slots[n] = {1, name, target, u"clBlack"_s};
                group.display[n].caption = name;
            }
        }
    }
}

double microseconds(QElapsedTimer& timer) { return timer.nsecsElapsed() / 1000.0; }

} // namespace

int main() {
    LaunchModel model;
    fillAll(model, {});
    SlotFinder finder(model);

    QElapsedTimer timer;
    timer.start();
    finder.find(u"w"_s);
    std::printf("first search (index and transliterator built): %10.1f us\n", microseconds(timer));

    fillAll(model, u"2"_s);
    timer.start();
    finder.find(u"w"_s);
    std::printf("search after all 80 names changed:             %10.1f us\n", microseconds(timer));

    // Each keystroke of a few queries, with nothing changed in between.
    const QStringList queries{u"w"_s, u"wx"_s, u"bjdx"_s, u"beijing"_s, u"libre"_s, u"visual st"_s,
                              u"zhongqing"_s, u"音乐"_s, u"nothing-matches"_s};
    std::vector<double> times;
    for (int round = 0; round < 200; ++round)
        for (const QString& query : queries)
            for (qsizetype length = 1; length <= query.size(); ++length) {
                timer.start();
                finder.find(query.left(length));
                times.push_back(microseconds(timer));
            }
    std::sort(times.begin(), times.end());
    std::printf("one keystroke over 80 slots: median %.1f us, 99th percentile %.1f us, max %.1f us"
                " (%zu searches)\n",
                times[times.size() / 2], times[times.size() * 99 / 100], times.back(), times.size());
    return 0;
}

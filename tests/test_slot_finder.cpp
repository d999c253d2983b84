// Finding slots by typing: ranking over a fixed set of Chinese, Latin and mixed names, and
// an index that follows the slots as they change.

#include "launch/slot_finder.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

using enum MatchRank;
constexpr GroupKind P = GroupKind::Program;
constexpr GroupKind W = GroupKind::Web;

void fill(LaunchModel& model, GroupKind kind, int g, int n, const QString& name, const QString& target) {
    LaunchGroup& group = model.group(kind, g);
    group.slots[n - 1] = {1, name, target, u"clBlack"_s};
    group.display[n - 1].caption = name;
}

LaunchModel slots() {
    LaunchModel model;
    for (auto [kind, g] : {std::pair{P, 1}, std::pair{P, 2}, std::pair{P, 4}, std::pair{W, 1}})
        model.group(kind, g).show = 1;
    fill(model, P, 1, 1, u"微信"_s, u"/opt/wechat/wechat"_s);
    fill(model, P, 1, 2, u"北京大学"_s, u"/home/u/文档/pku.pdf"_s);
    fill(model, P, 1, 3, u"wx工具"_s, u"/usr/bin/wxtool"_s);
    fill(model, P, 1, 4, u"WX"_s, u"/usr/bin/wx"_s);
    fill(model, P, 1, 6, u"QQ音乐"_s, u"/opt/qqmusic/qqmusic"_s);
    fill(model, P, 1, 7, u"重要文件"_s, u"/home/u/重要.txt"_s);
    fill(model, P, 2, 1, u"Visual Studio Code"_s, u"/usr/share/code/code"_s);
    fill(model, P, 2, 2, u"快乐"_s, u"/usr/games/happy"_s);
    fill(model, P, 2, 3, u"开会记录"_s, u"/home/u/minutes.odt"_s);
    // A group that is not shown, and a filled slot whose caption reads "+", are not found.
    fill(model, P, 3, 1, u"微信备份"_s, u"/opt/wechat/backup"_s);
    fill(model, P, 4, 1, u"+"_s, u"/usr/bin/plus"_s);
    fill(model, W, 1, 1, u"百度"_s, u"www.baidu.com"_s);
    fill(model, W, 1, 2, u"重庆地图"_s, u"https://map.cq.example/"_s);
    fill(model, W, 1, 3, u"北京新闻"_s, u"news.example.cn"_s);
    fill(model, W, 1, 5, u"代码托管"_s, u"https://github.com/vantrel"_s);
    return model;
}

} // namespace

void PrintTo(const SlotMatch& match, std::ostream* out) {
    *out << (match.kind == GroupKind::Program ? "program " : "web ") << match.group << '.'
         << match.slot << " rank " << int(match.rank);
}

namespace {

struct Case {
    const char* query;
    QList<SlotMatch> expected;
};

} // namespace

TEST(SlotFinder, RanksExactThenPrefixThenInitialsThenSubstring) {
    const Case cases[] = {
        // Exact name (letter case ignored), name prefix, pinyin initials.
        {"wx", {{P, 1, 4, ExactName}, {P, 1, 3, NamePrefix}, {P, 1, 1, InitialsPrefix}}},
        {"bjdx", {{P, 1, 2, InitialsPrefix}}},
        // The pinyin spelled out counts as the name's beginning; ties keep slot order,
        // program groups before web groups.
        {"beijing", {{P, 1, 2, NamePrefix}, {W, 1, 3, NamePrefix}}},
        {"BeiJing", {{P, 1, 2, NamePrefix}, {W, 1, 3, NamePrefix}}},
        {"bei jing", {{P, 1, 2, NamePrefix}, {W, 1, 3, NamePrefix}}},
        {"bj", {{P, 1, 2, InitialsPrefix}, {W, 1, 3, InitialsPrefix}}},
        {"jing", {{P, 1, 2, Substring}, {W, 1, 3, Substring}}},
        // Mixed names: Latin words keep their letters and give one initial each.
        {"qq", {{P, 1, 6, NamePrefix}}},
        {"qqyinle", {{P, 1, 6, NamePrefix}}},
        {"qyl", {{P, 1, 6, InitialsPrefix}}},
        {"vsc", {{P, 2, 1, InitialsPrefix}}},
        {"studio", {{P, 2, 1, Substring}}},
        {"音乐", {{P, 1, 6, Substring}}},
        {"北京大学", {{P, 1, 2, ExactName}}},
        // Characters of several readings, read as the word around them reads them.
        {"zhongyao", {{P, 1, 7, NamePrefix}}},
        {"chongqing", {{W, 1, 2, NamePrefix}}},
        {"kuaile", {{P, 2, 2, NamePrefix}}},
        {"khjl", {{P, 2, 3, InitialsPrefix}}},
        // The target: a program's file name, an address's host.
        {"wechat", {{P, 1, 1, Substring}}},
        {"pku", {{P, 1, 2, Substring}}},
        {"github", {{W, 1, 5, Substring}}},
        {"baidu", {{W, 1, 1, NamePrefix}}},
        // Nothing typed, a hidden group, an empty-looking slot, no match.
        {"", {}},
        {"  ", {}},
        {"wxbf", {}},
        {"+", {}},
        {"plus", {}},
        {"zhongqing", {}},
    };
    LaunchModel model = slots();
    SlotFinder finder(model);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.query);
        EXPECT_EQ(finder.find(QString::fromUtf8(c.query)), c.expected);
    }
}

TEST(SlotFinder, FollowsTheSlotsAsTheyChange) {
    LaunchModel model = slots();
    SlotFinder finder(model);
    ASSERT_EQ(finder.find(u"wx"_s).size(), 3);

    // A new caption from the title editor, an emptied slot, a group added and filled.
    model.group(P, 1).display[0].caption = u"WeChat"_s;
    LaunchModel::ClearSlot(model.group(P, 1).slots[3]);
    model.group(P, 1).display[3].caption = u"+"_s;
    model.group(P, 3).show = 1;

    EXPECT_EQ(finder.find(u"wx"_s), (QList<SlotMatch>{{P, 1, 3, NamePrefix}, {P, 3, 1, InitialsPrefix}}));
    EXPECT_EQ(finder.find(u"wechat"_s), (QList<SlotMatch>{{P, 1, 1, ExactName}}));
    EXPECT_EQ(finder.find(u"wxbf"_s), (QList<SlotMatch>{{P, 3, 1, InitialsPrefix}}));

    // A slot filled again in place with another target is found by the new target.
    fill(model, W, 1, 5, u"代码托管"_s, u"https://gitlab.example/"_s);
    EXPECT_EQ(finder.find(u"gitlab"_s), (QList<SlotMatch>{{W, 1, 5, Substring}}));
    EXPECT_TRUE(finder.find(u"github"_s).isEmpty());
}

// The "查/搜" page driven through its controls: searches, lookups, the page-entry reset and
// the colour picker, with the shell and the boxes recorded by the fakes.
#include "search/search_page.h"
#include "core/color_text.h"
#include "support/fakes.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// Readable failure messages for texts.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

class SearchPageTest : public ::testing::Test {
protected:
    template <typename W>
    W* get(const QString& name) {
        W* widget = page.findChild<W*>(name);
        if (!widget) ADD_FAILURE() << "no control " << name.toStdString();
        return widget;
    }
    QLineEdit* edit(int n) { return get<QLineEdit>(u"Edit%1"_s.arg(n)); }
    QSlider* bar(int n) { return get<QSlider>(u"TrackBar%1"_s.arg(n)); }
    void click(const QString& name) { get<QPushButton>(name)->click(); }

    void search(int row, const QString& text, int index) {
        edit(row)->setText(text);
        get<QComboBox>(u"ComboBox%1"_s.arg(row))->setCurrentIndex(index);
        click(u"Button%1"_s.arg(10 + row));
    }
    void setBars(int red, int green, int blue) {
        bar(1)->setValue(red);
        bar(2)->setValue(green);
        bar(3)->setValue(blue);
    }
    ColorValue preview() {
        return ColorText::fromQColor(
            get<QFrame>(u"FlatPanel3"_s)->palette().color(QPalette::Window));
    }

    // What the picker shows: the three bars, their numbers, the colour text, the preview.
    struct PickerState {
        int red, green, blue;
        QString numbers, text;
        ColorValue preview;
        bool operator==(const PickerState&) const = default;
        friend std::ostream& operator<<(std::ostream& out, const PickerState& s) {
            return out << s.red << "," << s.green << "," << s.blue << " [" << s.numbers.toStdString()
                       << "] " << s.text.toStdString() << " 0x" << std::hex << s.preview << std::dec;
        }
    };
    PickerState picker() {
        return {bar(1)->value(),
                bar(2)->value(),
                bar(3)->value(),
                edit(13)->text() + u' ' + edit(14)->text() + u' ' + edit(15)->text(),
                edit(16)->text(),
                preview()};
    }

    FakePlatform fake;
    Platform platform = fake.bundle();
    SearchPage page{platform, nullptr};
};

TEST_F(SearchPageTest, EveryServiceOpensItsAddressWithTheTextAsTyped) {
    const struct {
        int row;
        QString item, text, address;
    } cases[] = {
        {1, u"百度"_s, u"a b&c"_s, u"http://www.baidu.com/s?wd=a b&c"_s},
        {1, u"Google"_s, u"a#b?c"_s, u"http://www.google.com.hk/search?q=a#b?c"_s},
        {1, u"雅虎"_s, u"x"_s, u"http://one.cn.yahoo.com/s?p=x"_s},
        {2, u"百度"_s, u"x"_s,
         u"http://image.baidu.com/i?ct=201326592&cl=2&lm=-1&tn=baiduimage&fm=index&pv=&z=0&word=x"_s},
        {2, u"Google"_s, u"x"_s, u"http://images.google.com.hk/images?q=x"_s},
        {2, u"搜狗"_s, u"x"_s, u"http://pic.sogou.com/pics?query=x"_s},
        {3, u"百度音乐"_s, u"x"_s,
         u"http://mp3.baidu.com/m?f=ms&tn=baidump3&ct=134217728&lf=&rn=&word=x"_s},
        {3, u"搜狗音乐"_s, u"x"_s, u"http://mp3.sogou.com/music.so?query=x"_s},
        {3, u"9 酷音乐"_s, u"x"_s, u"http://www.9ku.com/so.asp?key=x"_s},
        {4, u"百度视频"_s, u"x"_s, u"http://video.baidu.com/v?word=x"_s},
        {4, u"土豆网"_s, u"abc"_s, u"http://so.tudou.com/isearch/abc"_s},
        {4, u"优酷网"_s, u"abc"_s, u"http://so.youku.com/search_video/q_abc"_s},
        {4, u"56网"_s, u"x"_s, u"http://so.56.com/index?key=x"_s},
        {4, u"酷6"_s, u"abc"_s, u"http://so.ku6.com/v/qabc"_s},
        {5, u"百度"_s, u"x"_s, u"http://news.baidu.com/ns?word=x"_s},
        {5, u"新浪新闻"_s, u"abc"_s, u"http://search.sina.com.cn/?q=abc&c=news"_s},
        {5, u"腾讯搜搜"_s, u"x"_s, u"http://news.soso.com/q?sc=qq&site=news&cid=w.q.news&w=x"_s},
        {6, u"起点中文"_s, u"斗破苍穹"_s,
         u"http://sosu.qidian.com/searchresult.aspx?searchkey=斗破苍穹&searchtype=%E4%B9%A6%E5%90%8D"_s},
        {6, u"飞库"_s, u"abc"_s, u"http://www.feiku.com/s?searchkey=abc&c=1"_s},
        {7, u"天空站"_s, u"x"_s, u"http://search.skycn.com/search.php?ss_name=x"_s},
        {7, u"多特站"_s, u"x"_s, u"http://www.duote.com/search.php?searchType=&so=x"_s},
        {7, u"华军站"_s, u"x"_s, u"http://search.newhua.com/search_list.php?searchname=x"_s},
        {7, u"非凡站"_s, u"x"_s,
         u"http://www.crsky.com/search.asp?action=s&sType=ResName&catalog=&keyword=x"_s},
        {7, u"绿色联盟"_s, u"50%+1"_s, u"http://www.xdowns.com/tag.asp?keyword=50%+1"_s},
        {8, u"迅雷看看"_s, u" "_s, u"http://search.xunlei.com/search.php?keyword= "_s},
        {8, u"时光网"_s, u"x"_s, u"http://www.mtime.com/search/movie/?x"_s},
        {8, u"电影天堂"_s, u"让子弹飞"_s,
         u"http://www.dytt8.net/plus/search.php?kwtype=0&keyword=让子弹飞"_s},
    };
    int counts[9] = {};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address.toStdString());
        const int index = counts[c.row]++;
        ASSERT_EQ(get<QComboBox>(u"ComboBox%1"_s.arg(c.row))->itemText(index), c.item);
        fake.shell.calls.clear();
        search(c.row, c.text, index);
        ASSERT_EQ(fake.shell.calls.size(), 1);
        const FakeShell::Call& call = fake.shell.calls[0];
        EXPECT_EQ(call.target, c.address);
        EXPECT_EQ(call.owner, &page);
        EXPECT_TRUE(call.verb.isNull());
        EXPECT_TRUE(call.params.isEmpty());
        EXPECT_EQ(call.show, ShowMode::ShowNormal);
        EXPECT_EQ(edit(c.row)->text(), c.text);
    }
    for (int row = 1; row <= 8; ++row)
        EXPECT_EQ(get<QComboBox>(u"ComboBox%1"_s.arg(row))->count(), counts[row]) << row;
    EXPECT_TRUE(fake.dialogs.calls.isEmpty());
}

TEST_F(SearchPageTest, AnEmptyTextIsRefusedBeforeAMissingService) {
    const struct {
        QString text;
        int index;
        QString message;
    } cases[] = {
        {u""_s, -1, u"搜索内容不能为空!"_s},
        {u""_s, 0, u"搜索内容不能为空!"_s},
        {u"abc"_s, -1, u"搜索引擎不能为空!"_s},
    };
    for (int row = 1; row <= 8; ++row)
        for (const auto& c : cases) {
            SCOPED_TRACE(row);
            fake.dialogs.calls.clear();
            search(row, c.text, c.index);
            ASSERT_EQ(fake.dialogs.calls.size(), 1);
            EXPECT_EQ(fake.dialogs.calls[0].kind, u"message"_s);
            EXPECT_EQ(fake.dialogs.calls[0].text, c.message);
            EXPECT_EQ(fake.dialogs.calls[0].caption, u"提示"_s);
        }
    EXPECT_TRUE(fake.shell.calls.isEmpty());
}

TEST_F(SearchPageTest, LookupsOpenTheirPageOrRefuseAnEmptyEdit) {
    const struct {
        int edit;
        QString button, emptyMessage, text, address;
    } cases[] = {
        {9, u"Button19"_s, u"IP地址不能为空!"_s, u"8.8.8.8"_s,
         u"http://www.ip138.com/ips.asp?ip=8.8.8.8"_s},
        {10, u"Button20"_s, u"手机号码不能为空!"_s, u"13800138000"_s,
         u"http://www.ip138.com:8080/search.asp?action=mobile&mobile=13800138000"_s},
        {11, u"Button31"_s, u"身份证号不能为空!"_s, u" "_s,
         u"http://qq.ip138.com/idsearch/index.asp?action=idcard&userid= "_s},
        {12, u"Button32"_s, u"内容不能为空!"_s, u"a b/c 你好"_s, u"http://www.iciba.com/a b/c 你好"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button.toStdString());
        fake.shell.calls.clear();
        fake.dialogs.calls.clear();
        edit(c.edit)->clear();
        click(c.button);
        ASSERT_EQ(fake.dialogs.calls.size(), 1);
        EXPECT_EQ(fake.dialogs.calls[0].text, c.emptyMessage);
        EXPECT_EQ(fake.dialogs.calls[0].caption, u"提示"_s);
        EXPECT_TRUE(fake.shell.calls.isEmpty());

        edit(c.edit)->setText(c.text);
        click(c.button);
        ASSERT_EQ(fake.shell.calls.size(), 1);
        EXPECT_EQ(fake.shell.calls[0].target, c.address);
        EXPECT_TRUE(fake.shell.calls[0].verb.isNull());
        EXPECT_EQ(fake.shell.calls[0].show, ShowMode::ShowNormal);
        EXPECT_EQ(edit(c.edit)->text(), c.text);
    }
}

TEST_F(SearchPageTest, PageEntryResetClearsEverythingButTheChosenNotebookTab) {
    auto* notebook = get<QTabWidget>(u"PageControl3"_s);
    EXPECT_EQ(notebook->currentWidget()->objectName(), u"TabSheet14"_s);
    for (int row = 1; row <= 8; ++row)
        EXPECT_EQ(get<QComboBox>(u"ComboBox%1"_s.arg(row))->currentIndex(), -1);

    for (int n = 1; n <= 12; ++n) edit(n)->setText(u"typed"_s);
    for (int row = 1; row <= 8; ++row) get<QComboBox>(u"ComboBox%1"_s.arg(row))->setCurrentIndex(1);
    setBars(250, 128, 7);
    notebook->setCurrentIndex(1);

    page.PageEntryReset();

    for (int n = 1; n <= 12; ++n) EXPECT_EQ(edit(n)->text(), QString()) << n;
    for (int row = 1; row <= 8; ++row)
        EXPECT_EQ(get<QComboBox>(u"ComboBox%1"_s.arg(row))->currentIndex(), -1) << row;
    const PickerState black{0, 0, 0, u"0 0 0"_s, u"#000000"_s, ColorText::clBlack};
    EXPECT_EQ(picker(), black);
    EXPECT_EQ(notebook->currentIndex(), 1);

    // An unconfirmed colour text goes too, though no bar moves.
    edit(16)->setText(u"#abcdef"_s);
    page.PageEntryReset();
    EXPECT_EQ(picker(), black);

    edit(1)->setText(u"x"_s);
    page.PageEntryReset();
    click(u"Button11"_s);
    ASSERT_EQ(fake.dialogs.calls.size(), 1);
    EXPECT_EQ(fake.dialogs.calls[0].text, u"搜索内容不能为空!"_s);
}

TEST_F(SearchPageTest, BarsShowTheirNumbersColourTextAndPreview) {
    const PickerState cases[] = {
        {250, 0, 0, u"250 0 0"_s, u"#FA0000"_s, 0x000000FA},
        {18, 52, 86, u"18 52 86"_s, u"#123456"_s, 0x00563412},
        {255, 255, 255, u"255 255 255"_s, u"#FFFFFF"_s, 0x00FFFFFF},
        {0, 10, 0, u"0 10 0"_s, u"#000A00"_s, 0x00000A00},
    };
    for (const PickerState& c : cases) {
        setBars(c.red, c.green, c.blue);
        EXPECT_EQ(picker(), c);
    }
}

TEST_F(SearchPageTest, OkMovesOnlyTheBarsThatDiffer) {
    const struct {
        int red, green, blue;
        QString typed;
        PickerState after;
    } cases[] = {
        {0, 0, 0, u"#fa8000"_s, {250, 128, 0, u"250 128 0"_s, u"#FA8000"_s, 0x000080FA}},
        // No bar moves, so the typed text stays as it is.
        {250, 0, 0, u"#fa0000"_s, {250, 0, 0, u"250 0 0"_s, u"#fa0000"_s, 0x000000FA}},
        {0, 0, 0, u"X0000FA"_s, {0, 0, 250, u"0 0 250"_s, u"#0000FA"_s, 0x00FA0000}},
        {18, 0, 0, u"#12ab00"_s, {18, 171, 0, u"18 171 0"_s, u"#12AB00"_s, 0x0000AB12}},
        {0, 0, 0, u"#12345678"_s, {18, 52, 86, u"18 52 86"_s, u"#123456"_s, 0x00563412}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        setBars(c.red, c.green, c.blue);
        edit(16)->setText(c.typed);
        click(u"Button33"_s);
        EXPECT_EQ(picker(), c.after);
    }
    EXPECT_TRUE(fake.dialogs.calls.isEmpty());
}

TEST_F(SearchPageTest, OkRefusesATextThatIsNoColourAndChangesNothing) {
    const struct {
        QString typed, error;
    } cases[] = {
        {u"#12345G"_s, u"'$005G3412' is not a valid integer value"_s},
        {u"#1 3456"_s, u"'$0056341 ' is not a valid integer value"_s},
        {u"#12345"_s, u"'#12345' is not a valid integer value"_s},
        {u""_s, u"'' is not a valid integer value"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        fake.dialogs.calls.clear();
        setBars(18, 52, 86);
        edit(16)->setText(c.typed);
        click(u"Button33"_s);
        ASSERT_EQ(fake.dialogs.calls.size(), 1);
        EXPECT_EQ(fake.dialogs.calls[0].kind, u"error"_s);
        EXPECT_EQ(fake.dialogs.calls[0].text, c.error);
        EXPECT_EQ(fake.dialogs.calls[0].owner, &page);
        EXPECT_EQ(picker(), (PickerState{18, 52, 86, u"18 52 86"_s, c.typed, 0x00563412}));
    }
}

} // namespace

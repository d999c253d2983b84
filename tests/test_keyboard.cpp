// The keyboard: the find line over the launch pages, and the keys of the slots and group
// tabs in the real main window.

#include "launch/find_line.h"
#include "launch/launch_page.h"
#include "store/data_file.h"
#include "support/window_fixture.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace {

const QByteArray kSlots =
    "[main]\r\nshow_1=1\r\nname_1=常用\r\nshow_3=1\r\nweb_show_1=1\r\nweb_name1=网站\r\n"
    "[t1]\r\nt1_now_1=1\r\nt1_name_1=微信\r\nt1_path_1=/opt/wechat/wechat\r\n"
    "t1_now_2=1\r\nt1_name_2=wx工具\r\nt1_path_2=/usr/bin/wxtool\r\n"
    "[t3]\r\nt3_now_4=1\r\nt3_name_4=文档\r\nt3_path_4=/home/u/doc.odt\r\n"
    "[web]\r\nweb_now_1=1\r\nweb_name_1=维基\r\nweb_path_1=wiki.example\r\n";

// Both launch pages and the find line over them, as the window puts them together.
class FindLineTest : public MainWindowTest {
protected:
    void SetUp() override {
        start(kSlots);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        programs = find<LaunchPage>(u"TabSheet6"_s);
        webs = find<LaunchPage>(u"TabSheet7"_s);
        line = new FindLine(model, fake.paths.appDir(), window);
        QObject::connect(line, &FindLine::slotChosen, window, [this](GroupKind kind, int g, int n) {
            (kind == GroupKind::Program ? programs : webs)->openSlot(g, n);
        });
        loadModel();
    }
    // The finder reads the same model the window loaded; the test keeps its own copy of
    // what the window shows.
    void loadModel() {
        SettingsFile file(dataPath());
        AppSettings settings;
        loadData(file, settings, model);
        applyLoadedState(model, settings);
    }
    QLineEdit* edit() const { return line->findChild<QLineEdit*>(u"FindEdit"_s); }
    QListWidget* results() const { return line->findChild<QListWidget*>(u"FindResults"_s); }
    QStringList shownNames() const {
        QStringList names;
        for (int row = 0; row < results()->count(); ++row)
            names << results()->item(row)->text().section(u'\n', 0, 0);
        return names;
    }

    LaunchModel model;
    LaunchPage* programs = nullptr;
    LaunchPage* webs = nullptr;
    FindLine* line = nullptr;
};

} // namespace

TEST(FindLineKeys, LettersAndDigitsOpenIt) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
        bool opens;
    } cases[] = {
        {Qt::Key_W, Qt::NoModifier, "w", true},
        {Qt::Key_W, Qt::ShiftModifier, "W", true},
        {Qt::Key_7, Qt::KeypadModifier, "7", true},
        {Qt::Key_W, Qt::ControlModifier, "\x17", false},
        {Qt::Key_W, Qt::AltModifier, "w", false},
        {Qt::Key_W, Qt::MetaModifier, "w", false},
        {Qt::Key_Space, Qt::NoModifier, " ", false},
        {Qt::Key_Period, Qt::NoModifier, ".", false},
        {Qt::Key_Return, Qt::NoModifier, "\r", false},
        {Qt::Key_F2, Qt::NoModifier, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, QString::fromLatin1(c.text));
        EXPECT_EQ(opensFindLine(event), c.opens);
    }
}

TEST_F(FindLineTest, EnterOpensWhatAClickOpens) {
    // What a click on each launch button hands to the shell...
    for (const QString& button : {u"Button2"_s, u"Button101"_s}) click(button);
    ASSERT_EQ(fake.shell.calls.size(), 2);

    // ...the find line hands over the same way.
    const QStringList all{u"微信"_s, u"wx工具"_s, u"文档"_s, u"维基"_s};   // group order
    const struct {
        const char* typed;
        QList<Qt::Key> moves;
        QStringList names;
        int call;
    } cases[] = {
        {"wx", {}, {u"wx工具"_s, u"微信"_s}, 0},
        {"wj", {}, {u"维基"_s}, 1},
        {"w", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}, all, 1},
        {"w", QList<Qt::Key>(6, Qt::Key_Down), all, 1},   // Down stops at the last
        {"w", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, all, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const QString typed = QString::fromUtf8(c.typed);
        line->open(programs, typed.left(1));
        QTest::keyClicks(edit(), typed.mid(1));
        EXPECT_EQ(edit()->text(), typed);
        EXPECT_EQ(shownNames(), c.names);
        for (Qt::Key key : c.moves) QTest::keyClick(edit(), key);
        const qsizetype before = fake.shell.calls.size();
        QTest::keyClick(edit(), Qt::Key_Return);
        ASSERT_EQ(fake.shell.calls.size(), before + 1);
        const FakeShell::Call& call = fake.shell.calls.back();
        const FakeShell::Call& clicked = fake.shell.calls[c.call];
        EXPECT_EQ(std::tie(call.owner, call.verb, call.target, call.params, call.show),
                  std::tie(clicked.owner, clicked.verb, clicked.target, clicked.params, clicked.show));
        EXPECT_FALSE(line->isVisible());
    }
}

TEST_F(FindLineTest, EscapeOrEmptyingClosesAndGivesTheKeyboardBack) {
    QWidget* slot = find(u"Button1"_s);
    slot->setFocus();
    line->open(programs, u"q"_s);
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->parentWidget(), programs);
    EXPECT_TRUE(edit()->hasFocus());
    EXPECT_TRUE(results()->isHidden());   // nothing matches "q"
    QTest::keyClick(edit(), Qt::Key_Return);
    EXPECT_TRUE(line->isVisible());
    QTest::keyClick(edit(), Qt::Key_Escape);
    EXPECT_FALSE(line->isVisible());
    EXPECT_TRUE(slot->hasFocus());

    line->open(webs, u"w"_s);
    EXPECT_EQ(line->parentWidget(), webs);
    QTest::keyClick(edit(), Qt::Key_Backspace);
    EXPECT_FALSE(line->isVisible());
    EXPECT_TRUE(fake.shell.calls.isEmpty());
}

TEST_F(FindLineTest, SlotKeysOpenAskAndSwitchTabs) {
    // Enter and Space open a focused filled slot; Delete asks before emptying it, and
    // only a filled one.
    QWidget* filled = find(u"Button1"_s);
    filled->setFocus();
    QTest::keyClick(filled, Qt::Key_Return);
    QTest::keyClick(filled, Qt::Key_Space);
    ASSERT_EQ(fake.shell.calls.size(), 2);
    EXPECT_EQ(fake.shell.calls[1].target, u"/opt/wechat/wechat"_s);

    QTest::keyClick(filled, Qt::Key_Delete);
    ASSERT_EQ(fake.dialogs.calls.size(), 1);
    EXPECT_EQ(fake.dialogs.calls[0].text, u"确定要删除吗?"_s);
    EXPECT_EQ(text(u"Button1"_s), u"微信"_s);   // answered No

    QWidget* empty = find(u"Button3"_s);
    empty->setFocus();
    QTest::keyClick(empty, Qt::Key_Delete);
    EXPECT_EQ(fake.dialogs.calls.size(), 1);

    // Ctrl+PgDn and Ctrl+PgUp step through the shown groups 1 and 3, round the end.
    auto* tabs = find<QTabWidget>(u"PageControl1"_s);
    const int steps[][2] = {{Qt::Key_PageDown, 2}, {Qt::Key_PageDown, 0}, {Qt::Key_PageUp, 2}};
    for (const auto& [key, index] : steps) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::ControlModifier);
        EXPECT_EQ(tabs->currentIndex(), index);
    }
}

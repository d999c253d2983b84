// The timed shutdown or restart: its box on the fakes (questions, requests, lock, cancel,
// refusals), and the once-a-second watch for a time of day on an injected clock.

#include "support/window_fixture.h"
#include "tools/shutdown_box.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

QDateTime at(int hour, int minute, int second, int day = 11) {
    return {QDate(2026, 12, day), QTime(hour, minute, second)};
}

} // namespace

TEST(TimeOfDayWatch, ReachesTheTargetAfterThePreviousTickAndNoLaterThanThisOne) {
    const struct {
        const char* what;
        QDateTime previous, now;
        int hour, minute, second;
        bool reached;
    } cases[] = {
        {"on its second", at(23, 59, 58), at(23, 59, 59), 23, 59, 59, true},
        {"late tick", at(8, 0, 3), at(8, 0, 7), 8, 0, 5, true},
        {"not yet", at(8, 0, 1), at(8, 0, 2), 8, 0, 5, false},
        {"on the previous tick", at(8, 0, 5), at(8, 0, 6), 8, 0, 5, false},
        {"two ticks in one second", at(8, 0, 5).addMSecs(200), at(8, 0, 5).addMSecs(900), 8, 0, 5, false},
        {"sixty seconds apart", at(7, 59, 31), at(8, 0, 31), 8, 0, 5, true},
        {"more than a minute apart", at(7, 59, 30), at(8, 0, 31), 8, 0, 5, false},
        {"over midnight", at(23, 59, 59, 11), at(0, 0, 2, 12), 0, 0, 0, true},
        {"clock set back", at(8, 0, 10), at(8, 0, 4), 8, 0, 5, false},
        {"hour 24", at(23, 59, 59, 11), at(0, 0, 1, 12), 24, 0, 0, false},
        {"minute 60", at(8, 59, 59), at(9, 0, 1), 8, 60, 0, false},
        {"negative second", at(8, 0, 58), at(8, 1, 1), 8, 1, -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TimeOfDayWatch watch;
        watch.start(c.previous);
        EXPECT_EQ(watch.reached(c.now, c.hour, c.minute, c.second), c.reached);
    }
}

TEST(TimeOfDayWatch, EachTickBecomesThePreviousOne) {
    TimeOfDayWatch watch;
    watch.start(at(8, 0, 0));
    EXPECT_FALSE(watch.reached(at(8, 0, 4), 8, 0, 5));
    EXPECT_TRUE(watch.reached(at(8, 0, 6), 8, 0, 5));
    EXPECT_FALSE(watch.reached(at(8, 0, 7), 8, 0, 5));
    // After a long gap that skipped it, the target comes round again the next day.
    watch.start(at(8, 0, 0));
    EXPECT_FALSE(watch.reached(at(8, 2, 0), 8, 0, 5));
    watch.start(at(8, 0, 4, 12));
    EXPECT_TRUE(watch.reached(at(8, 0, 5, 12), 8, 0, 5));
}

class ShutdownBoxTest : public testing::Test {
protected:
    template <typename T>
    T* get(const QString& name) {
        T* found = box.findChild<T*>(name);
        if (!found) ADD_FAILURE() << "no control " << name.toStdString();
        return found;
    }
    QLineEdit* edit(int n) { return get<QLineEdit>(u"Edit%1"_s.arg(n)); }
    QTimer* timer() { return get<QTimer>(u"shutdown"_s); }

    // Types the three edits of a mode, picks mode and action, and clicks "启动".
    void start(bool timeOfDay, const QStringList& edits, bool restart) {
        get<QRadioButton>(timeOfDay ? u"FlatRadioButton2"_s : u"FlatRadioButton1"_s)->setChecked(true);
        get<QRadioButton>(restart ? u"FlatRadioButton4"_s : u"FlatRadioButton3"_s)->setChecked(true);
        for (int k = 0; k < 3; ++k) edit((timeOfDay ? 24 : 21) + k)->setText(edits[k]);
        get<QPushButton>(u"Button34"_s)->click();
    }
    // One tick of the running watch; a stopped watch does not tick.
    void tick() {
        if (timer()->isActive()) QMetaObject::invokeMethod(timer(), "timeout");
    }

    // Every control but "取消" is disabled, and "取消" enabled, exactly when locked.
    void expectLocked(bool locked) {
        for (int n = 1; n <= 4; ++n)
            EXPECT_EQ(get<QRadioButton>(u"FlatRadioButton%1"_s.arg(n))->isEnabled(), !locked) << n;
        for (int n = 21; n <= 26; ++n) EXPECT_EQ(edit(n)->isEnabled(), !locked) << n;
        EXPECT_EQ(get<QPushButton>(u"Button34"_s)->isEnabled(), !locked);
        EXPECT_EQ(get<QPushButton>(u"Button35"_s)->isEnabled(), locked);
    }
    QStringList kinds() const {
        QStringList out;
        for (const auto& call : fake.dialogs.calls) out << call.kind;
        return out;
    }

    FakePlatform fake;
    Platform platform = fake.bundle();
    ShutdownBox box{platform, nullptr};
};

TEST_F(ShutdownBoxTest, StartsIdleWithCountdownAndPowerOffChosen) {
    EXPECT_EQ(box.objectName(), u"FlatGroupBox5"_s);
    EXPECT_EQ(box.title(), u"定时关机/重启计算机"_s);
    const QString captions[] = {u"方式一 倒计时"_s, u"方式二 定时"_s, u"关闭"_s, u"重启"_s};
    for (int n = 1; n <= 4; ++n) {
        auto* radio = get<QRadioButton>(u"FlatRadioButton%1"_s.arg(n));
        EXPECT_EQ(radio->text(), captions[n - 1]);
        EXPECT_EQ(radio->isChecked(), n == 1 || n == 3);
    }
    QStringList units;
    for (const QLabel* label : box.findChildren<QLabel*>()) units << label->text();
    EXPECT_EQ(units, (QStringList{u"小时  "_s, u"分钟  "_s, u"秒后  "_s, u"点  "_s, u"分  "_s, u"秒时  "_s}));
    EXPECT_EQ(get<QPushButton>(u"Button34"_s)->text(), u"启动"_s);
    EXPECT_EQ(get<QPushButton>(u"Button35"_s)->text(), u"取消"_s);
    expectLocked(false);
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 1000);

    // The two pairs choose independently.
    get<QRadioButton>(u"FlatRadioButton4"_s)->click();
    get<QRadioButton>(u"FlatRadioButton2"_s)->click();
    EXPECT_TRUE(get<QRadioButton>(u"FlatRadioButton2"_s)->isChecked());
    EXPECT_TRUE(get<QRadioButton>(u"FlatRadioButton4"_s)->isChecked());
    EXPECT_FALSE(get<QRadioButton>(u"FlatRadioButton1"_s)->isChecked());
    EXPECT_FALSE(get<QRadioButton>(u"FlatRadioButton3"_s)->isChecked());
}

TEST_F(ShutdownBoxTest, ConfirmedStartAsksLocksAndCancelAlwaysAborts) {
    const struct {
        bool timeOfDay;
        QStringList edits;
        bool restart;
        QString question;
        QStringList requests;
    } cases[] = {
        {false, {u"1"_s, u"30"_s, u""_s}, false, u"确定要在1小时30分钟0秒后关闭计算机吗？"_s, {u"poweroff 5400"_s}},
        {false, {u""_s, u""_s, u""_s}, false, u"确定要在0小时0分钟0秒后关闭计算机吗？"_s, {u"poweroff 0"_s}},
        {false, {u"1"_s, u""_s, u"30"_s}, true, u"确定要在1小时0分钟30秒后重启计算机吗？"_s, {u"reboot 3630"_s}},
        {false, {u"05"_s, u"-1"_s, u"0"_s}, false, u"确定要在5小时-1分钟0秒后关闭计算机吗？"_s, {u"poweroff 17940"_s}},
        {false, {u"87600"_s, u""_s, u""_s}, true, u"确定要在87600小时0分钟0秒后重启计算机吗？"_s, {u"reboot 315360000"_s}},
        {true, {u"23"_s, u""_s, u""_s}, true, u"确定要在23点0分0秒时重启计算机吗？"_s, {}},
        {true, {u"7"_s, u"05"_s, u"99"_s}, false, u"确定要在7点5分99秒时关闭计算机吗？"_s, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.question.toStdString());
        fake.dialogs.calls.clear();
        fake.shutdown.requests.clear();
        fake.dialogs.yesNoAnswers = {true};
        start(c.timeOfDay, c.edits, c.restart);

        ASSERT_EQ(fake.dialogs.calls.size(), 1);
        EXPECT_EQ(fake.dialogs.calls[0].kind, u"yesNo"_s);
        EXPECT_EQ(fake.dialogs.calls[0].text, c.question);
        EXPECT_EQ(fake.dialogs.calls[0].caption, u"提示"_s);
        EXPECT_EQ(fake.shutdown.requests, c.requests);
        EXPECT_EQ(timer()->isActive(), c.timeOfDay);
        expectLocked(true);

        // "取消" calls off whatever may be pending, also when nothing was handed over.
        get<QPushButton>(u"Button35"_s)->click();
        EXPECT_EQ(fake.shutdown.requests, c.requests + QStringList{u"cancel"_s});
        EXPECT_FALSE(timer()->isActive());
        expectLocked(false);
    }
}

TEST_F(ShutdownBoxTest, NoBadInputOrRefusedQuestionStartsAnything) {
    const struct {
        const char* what;
        bool timeOfDay;
        QStringList edits;
        QStringList dialogs;  // kinds of the boxes shown
        QString text;         // of the last box
    } cases[] = {
        {"answered No", false, {u"1"_s, u""_s, u""_s}, {u"yesNo"_s}, u"确定要在1小时0分钟0秒后关闭计算机吗？"_s},
        {"answered No at a time", true, {u"1"_s, u""_s, u""_s}, {u"yesNo"_s}, u"确定要在1点0分0秒时关闭计算机吗？"_s},
        {"not a number", false, {u"1"_s, u"x"_s, u""_s}, {u"error"_s}, u"'x' is not a valid integer value"_s},
        {"not a number at a time", true, {u"7"_s, u"8"_s, u"9s"_s}, {u"error"_s}, u"'9s' is not a valid integer value"_s},
        {"negative countdown", false, {u""_s, u""_s, u"-1"_s}, {u"message"_s}, kCountdownRefused},
        {"beyond ten years", false, {u"87600"_s, u""_s, u"1"_s}, {u"message"_s}, kCountdownRefused},
        {"wraps in 32 bits", false, {u"2147483647"_s, u"2147483647"_s, u"2147483647"_s}, {u"message"_s}, kCountdownRefused},
        {"wraps below zero", false, {u"-2147483648"_s, u"-2147483648"_s, u""_s}, {u"message"_s}, kCountdownRefused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fake.dialogs.calls.clear();
        start(c.timeOfDay, c.edits, false);
        EXPECT_EQ(kinds(), c.dialogs);
        EXPECT_EQ(fake.dialogs.calls.last().text, c.text);
        EXPECT_TRUE(fake.shutdown.requests.isEmpty());
        EXPECT_FALSE(timer()->isActive());
        expectLocked(false);
    }
}

TEST_F(ShutdownBoxTest, RefusedRequestIsShownAndLeavesTheGroupOpen) {
    fake.shutdown.refusal = u"Interactive authentication required."_s;
    fake.dialogs.yesNoAnswers = {true};
    start(false, {u""_s, u"5"_s, u""_s}, true);
    EXPECT_EQ(kinds(), (QStringList{u"yesNo"_s, u"error"_s}));
    EXPECT_EQ(fake.dialogs.errors(), QStringList{u"Interactive authentication required."_s});
    expectLocked(false);

    // The same at the time of day: the watch ends, and nothing is left pending.
    fake.clock.time = at(6, 59, 59);
    fake.dialogs.yesNoAnswers = {true};
    start(true, {u"7"_s, u""_s, u""_s}, false);
    expectLocked(true);
    fake.clock.time = at(7, 0, 0);
    tick();
    EXPECT_EQ(fake.dialogs.errors().size(), 2);
    EXPECT_FALSE(timer()->isActive());
    expectLocked(false);
}

TEST_F(ShutdownBoxTest, WatchFiresOnceAtTheTargetAndStaysLocked) {
    const struct {
        bool restart;
        QList<QTime> ticks;
        int firingTick;  // index into ticks, -1 for none
        QString request;
    } cases[] = {
        {false, {{23, 59, 59}}, 0, u"poweroff 0"_s},
        {true, {{23, 59, 58}, {23, 59, 59}, {0, 0, 0}}, 1, u"reboot 0"_s},
        // A tick that comes late still fires.
        {false, {{23, 59, 55}, {23, 59, 57}, {0, 0, 3}}, 2, u"poweroff 0"_s},
        // After a gap of more than a minute nothing fires that day.
        {false, {{23, 59, 55}, {0, 1, 0}, {0, 1, 1}}, -1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.request.toStdString());
        fake.shutdown.requests.clear();
        fake.clock.time = at(23, 59, 50);
        fake.dialogs.yesNoAnswers = {true};
        start(true, {u"23"_s, u"59"_s, u"59"_s}, c.restart);
        ASSERT_TRUE(timer()->isActive());
        for (int k = 0; k < c.ticks.size(); ++k) {
            fake.clock.time = QDateTime(QDate(2026, 12, c.ticks[k].hour() == 0 ? 12 : 11), c.ticks[k]);
            tick();
            EXPECT_EQ(fake.shutdown.requests.size(), c.firingTick >= 0 && k >= c.firingTick ? 1 : 0) << k;
        }
        EXPECT_EQ(timer()->isActive(), c.firingTick < 0);
        EXPECT_EQ(fake.shutdown.requests, c.firingTick < 0 ? QStringList() : QStringList{c.request});
        expectLocked(true);
        get<QPushButton>(u"Button35"_s)->click();
    }
}

TEST_F(MainWindowTest, ToolsPageHoldsBothBoxesWithTheirIdleWatches) {
    start();
    EXPECT_EQ(find<QGroupBox>(u"FlatGroupBox5"_s)->parent()->objectName(), u"TabSheet19"_s);
    EXPECT_EQ(find<QGroupBox>(u"FlatGroupBox6"_s)->parent()->objectName(), u"TabSheet19"_s);
    for (const QString& watch : {u"shutdown"_s, u"tishi"_s}) {
        EXPECT_EQ(find<QTimer>(watch)->interval(), 1000);
        EXPECT_FALSE(find<QTimer>(watch)->isActive());
    }
}

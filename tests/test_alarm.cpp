// The alarm reminder: its box on the fakes (arming, refusals, firing, demos), the reminder
// toast's turns on its own timer, and the shipped chime.

#include "support/fakes.h"
#include "tools/alarm_box.h"
#include "tools/reminder_toast.h"

#include <QAudioDecoder>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

const QString kStop = u"取消提醒请选上\"不再提示\""_s;

QDateTime at(int hour, int minute, int second) { return {QDate(2026, 12, 11), QTime(hour, minute, second)}; }

} // namespace

TEST(AlarmTexts, MessagesAreBuiltExactly) {
    const AlarmSetting alarm{7, 30, 0, u"开会"_s};
    EXPECT_EQ(alarmQuestion(alarm), u"凡特睿将在7点30分0秒时提醒您:开会"_s);
    EXPECT_EQ(alarmMessage(alarm), u"7点30分0秒 您该做:\r\t开会\r\r\t"_s + kStop);
    EXPECT_EQ(alarmMessage({-1, 5, 99, u"%1 a"_s}), u"-1点5分99秒 您该做:\r\t%1 a\r\r\t"_s + kStop);
    EXPECT_EQ(welcomeMessage(), u"欢迎使用凡特睿(Vantrel)!\r\r\r\t"_s + kStop);
    EXPECT_EQ(kEventPrompt, u"请输入事件(您闹铃时要做的事)                   "_s);
}

class AlarmBoxTest : public testing::Test {
protected:
    template <typename T = QWidget>
    T* get(const QString& name) {
        T* found = box.findChild<T*>(name);
        if (!found) ADD_FAILURE() << "no control " << name.toStdString();
        return found;
    }
    QTimer* timer() { return get<QTimer>(u"tishi"_s); }
    // One tick of the running watch at the given time; a stopped watch does not tick.
    void tickAt(const QDateTime& time) {
        fake.clock.time = time;
        if (timer()->isActive()) QMetaObject::invokeMethod(timer(), "timeout");
    }
    void clickLink(const QString& name) { QTest::mouseClick(get<QLabel>(name), Qt::LeftButton); }

    // Sets the three edits and the two kinds, then clicks "启动" with the event and answer given.
    void arm(const QStringList& edits, const QString& event, bool yes = true, bool sound = true,
             bool popup = true) {
        for (int k = 0; k < 3; ++k) get<QLineEdit>(u"Edit%1"_s.arg(27 + k))->setText(edits[k]);
        get<QCheckBox>(u"CheckBox1"_s)->setChecked(sound);
        get<QCheckBox>(u"CheckBox2"_s)->setChecked(popup);
        fake.dialogs.inputAnswers = {event};
        fake.dialogs.yesNoAnswers = {yes};
        get<QPushButton>(u"Button36"_s)->click();
    }
    void expectArmed(bool armed) {
        EXPECT_EQ(timer()->isActive(), armed);
        for (const QString& name : {u"Edit27"_s, u"Edit28"_s, u"Edit29"_s, u"CheckBox1"_s,
                                    u"CheckBox2"_s, u"Label47"_s, u"Label48"_s, u"Button36"_s})
            EXPECT_EQ(get(name)->isEnabled(), !armed) << name.toStdString();
        EXPECT_EQ(get(u"Button37"_s)->isEnabled(), armed);
    }
    QStringList kinds() const {
        QStringList out;
        for (const auto& call : fake.dialogs.calls) out << call.kind;
        return out;
    }
    QString soundFile() const { return fake.paths.appDir() + u"sounds/tishi.mp3"_s; }

    FakePlatform fake;
    Platform platform = fake.bundle();
    AlarmBox box{platform, nullptr};
};

TEST_F(AlarmBoxTest, StartsIdleWithBothKindsChosen) {
    EXPECT_EQ(box.objectName(), u"FlatGroupBox6"_s);
    EXPECT_EQ(box.title(), u"闹钟提醒"_s);
    EXPECT_EQ(get<QCheckBox>(u"CheckBox1"_s)->text(), u"声音提醒"_s);
    EXPECT_EQ(get<QCheckBox>(u"CheckBox2"_s)->text(), u"弹窗提醒"_s);
    EXPECT_TRUE(get<QCheckBox>(u"CheckBox1"_s)->isChecked() && get<QCheckBox>(u"CheckBox2"_s)->isChecked());
    for (const QString& link : {u"Label47"_s, u"Label48"_s}) {
        EXPECT_EQ(get<QLabel>(link)->text(), u"演示 "_s);
        EXPECT_TRUE(get<QLabel>(link)->font().underline());
        EXPECT_EQ(get<QLabel>(link)->cursor().shape(), Qt::PointingHandCursor);
    }
    QStringList labels;
    for (const QLabel* label : box.findChildren<QLabel*>()) labels << label->text();
    EXPECT_EQ(labels, (QStringList{u"点  "_s, u"分  "_s, u"秒时  "_s, u"演示 "_s, u"演示 "_s}));
    EXPECT_EQ(get<QPushButton>(u"Button36"_s)->text(), u"启动"_s);
    EXPECT_EQ(get<QPushButton>(u"Button37"_s)->text(), u"取消"_s);
    EXPECT_EQ(timer()->interval(), 1000);
    expectArmed(false);
}

TEST_F(AlarmBoxTest, ArmsAfterEventAndConfirmation) {
    fake.clock.time = at(7, 59, 59);
    arm({u"8"_s, u""_s, u"0"_s}, u"开会"_s);
    ASSERT_EQ(kinds(), (QStringList{u"input"_s, u"yesNo"_s}));
    EXPECT_EQ(fake.dialogs.calls[0].caption, u"提示"_s);
    EXPECT_EQ(fake.dialogs.calls[0].text, kEventPrompt);
    EXPECT_EQ(fake.dialogs.calls[1].caption, u"提示"_s);
    EXPECT_EQ(fake.dialogs.calls[1].text, u"凡特睿将在8点0分0秒时提醒您:开会"_s);
    expectArmed(true);

    // Disarmed, it stays silent when the time comes.
    get<QPushButton>(u"Button37"_s)->click();
    expectArmed(false);
    tickAt(at(8, 0, 0));
    EXPECT_TRUE(fake.sound.played.isEmpty());
    EXPECT_TRUE(fake.toast.messages.isEmpty());
}

TEST_F(AlarmBoxTest, ArmingStopsWithoutAKindAnEventANumberOrAYes) {
    const struct {
        const char* what;
        QStringList edits;
        QString event;
        bool yes, sound, popup;
        QStringList dialogs;
        QString lastText;
    } cases[] = {
        {"no kind", {u"8"_s, u""_s, u""_s}, u"x"_s, true, false, false, {u"message"_s}, kNoReminderKind},
        {"empty event", {u"8"_s, u""_s, u""_s}, u""_s, true, true, true, {u"input"_s}, kEventPrompt},
        {"not a number", {u"8"_s, u"3o"_s, u""_s}, u"x"_s, true, true, false, {u"input"_s, u"error"_s},
         u"'3o' is not a valid integer value"_s},
        {"answered No", {u"8"_s, u""_s, u""_s}, u"x"_s, false, false, true, {u"input"_s, u"yesNo"_s},
         u"凡特睿将在8点0分0秒时提醒您:x"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fake.dialogs.calls.clear();
        arm(c.edits, c.event, c.yes, c.sound, c.popup);
        EXPECT_EQ(kinds(), c.dialogs);
        EXPECT_EQ(fake.dialogs.calls.last().text, c.lastText);
        EXPECT_EQ(fake.dialogs.calls[0].caption, u"提示"_s);
        expectArmed(false);
    }
}

TEST_F(AlarmBoxTest, FiringPlaysAndShowsWhatWasChosenThenOpensTheGroup) {
    const struct {
        bool sound, popup;
    } cases[] = {{true, true}, {true, false}, {false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sound << c.popup);
        fake.sound.played.clear();
        fake.toast.messages.clear();
        fake.clock.time = at(7, 59, 58);
        arm({u"8"_s, u""_s, u""_s}, u"开会"_s, true, c.sound, c.popup);
        tickAt(at(7, 59, 59));
        expectArmed(true);
        // The tick lands late; the alarm still rings.
        tickAt(at(8, 0, 1));
        EXPECT_EQ(fake.sound.played, c.sound ? QStringList{soundFile()} : QStringList());
        EXPECT_EQ(fake.toast.texts(), c.popup ? QStringList{u"8点0分0秒 您该做:\r\t开会\r\r\t"_s + kStop}
                                              : QStringList());
        expectArmed(false);
    }
}

TEST_F(AlarmBoxTest, ToastTellsTheAlarmAsItIsSetWhenShown) {
    fake.clock.time = at(7, 29, 59);
    arm({u"7"_s, u"30"_s, u""_s}, u"开会"_s, true, false, true);
    tickAt(at(7, 30, 0));
    ASSERT_EQ(fake.toast.messages.size(), 1);

    // A second alarm changes the toast of the first, which still comes back.
    arm({u"8"_s, u""_s, u""_s}, u"吃饭"_s);
    EXPECT_EQ(fake.toast.texts(), QStringList{u"8点0分0秒 您该做:\r\t吃饭\r\r\t"_s + kStop});
    // An empty answer replaces the event too, though it arms nothing.
    get<QPushButton>(u"Button37"_s)->click();
    arm({u"9"_s, u""_s, u""_s}, u""_s);
    EXPECT_EQ(fake.toast.texts(), QStringList{u"8点0分0秒 您该做:\r\t\r\r\t"_s + kStop});
}

TEST_F(AlarmBoxTest, AFailingSoundIsShownAndTheToastStillComes) {
    fake.sound.failure = u"Could not open file"_s;
    fake.clock.time = at(7, 59, 59);
    arm({u"8"_s, u""_s, u""_s}, u"开会"_s);
    tickAt(at(8, 0, 0));
    EXPECT_EQ(fake.dialogs.errors(), QStringList{u"Could not open file"_s});
    EXPECT_EQ(fake.dialogs.calls.last().owner, &box);
    EXPECT_EQ(fake.toast.messages.size(), 1);
    expectArmed(false);
}

TEST_F(AlarmBoxTest, DemosPlayAndShowWhateverIsChosenButNotWhileArmed) {
    get<QCheckBox>(u"CheckBox1"_s)->setChecked(false);
    get<QCheckBox>(u"CheckBox2"_s)->setChecked(false);
    clickLink(u"Label47"_s);
    clickLink(u"Label48"_s);
    clickLink(u"Label48"_s);
    EXPECT_EQ(fake.sound.played, QStringList{soundFile()});
    EXPECT_EQ(fake.toast.texts(), QStringList(2, welcomeMessage()));

    arm({u"8"_s, u""_s, u""_s}, u"开会"_s);
    clickLink(u"Label47"_s);
    clickLink(u"Label48"_s);
    EXPECT_EQ(fake.sound.played.size(), 1);
    EXPECT_EQ(fake.toast.messages.size(), 2);
}

class ReminderToastTest : public testing::Test {
protected:
    // A message that counts how often it was asked for.
    void add(const QString& text) {
        asked[text] = 0;
        toast.addMessage([this, text] {
            ++asked[text];
            return text;
        });
    }
    QString shown() const {
        return toast.isVisible() ? toast.findChild<QTextEdit*>()->toPlainText() : QString();
    }
    // The single-shot timer's time has come.
    void turn() {
        ASSERT_TRUE(timer->isActive());
        timer->stop();
        QMetaObject::invokeMethod(timer, "timeout");
    }
    void tickOff() { toast.findChild<QCheckBox*>()->click(); }
    // The texts shown over the next `turns` showings, each followed by its pause.
    QStringList cycle(int turns) {
        QStringList out;
        for (int k = 0; k < turns; ++k) {
            out << shown();
            turn();
            EXPECT_FALSE(toast.isVisible());
            turn();
        }
        return out;
    }

    ReminderToast toast;
    QTimer* timer = toast.findChild<QTimer*>(u"toastTimer"_s);
    QMap<QString, int> asked;
};

TEST_F(ReminderToastTest, MessagesTakeTurnsUntilTickedOff) {
    EXPECT_FALSE(toast.isVisible());
    add(u"A"_s);
    EXPECT_EQ(shown(), u"A"_s);
    EXPECT_EQ(toast.findChild<QLabel*>()->text(), u"凡特睿 提醒您"_s);
    EXPECT_TRUE(toast.findChild<QLabel*>()->font().bold());
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), ReminderToast::kKeepMs);
    add(u"B"_s);
    EXPECT_EQ(shown(), u"A"_s);
    turn();
    EXPECT_FALSE(toast.isVisible());
    EXPECT_EQ(timer->interval(), ReminderToast::kIntervalMs);
    turn();
    EXPECT_EQ(cycle(4), (QStringList{u"B"_s, u"A"_s, u"B"_s, u"A"_s}));
    EXPECT_EQ(asked[u"A"_s], 3);

    // Ticked off, B ends with this showing; A goes on alone.
    EXPECT_EQ(shown(), u"B"_s);
    tickOff();
    EXPECT_EQ(cycle(3), (QStringList{u"B"_s, u"A"_s, u"A"_s}));
    EXPECT_EQ(asked[u"B"_s], 3);

    // Ticking A off leaves nothing to show; a new message then shows at once.
    tickOff();
    turn();
    EXPECT_FALSE(toast.isVisible());
    EXPECT_FALSE(timer->isActive());
    add(u"C"_s);
    EXPECT_EQ(shown(), u"C"_s);
    EXPECT_FALSE(toast.findChild<QCheckBox*>()->isChecked());
}

TEST_F(ReminderToastTest, ShowsLinesAndLongTextWholeInTheCornerWithoutFocus) {
    add(alarmMessage({8, 0, 0, QString(300, u'x') + QString(40, u'长')}));
    auto* text = toast.findChild<QTextEdit*>();
    EXPECT_EQ(text->toPlainText().split(u'\n').size(), 4);
    EXPECT_TRUE(text->toPlainText().startsWith(u"8点0分0秒 您该做:\n\txxx"_s));
    EXPECT_LE(text->document()->idealWidth(), text->viewport()->width());
    EXPECT_FALSE(text->verticalScrollBar()->isVisible());
    EXPECT_GE(text->height(), qCeil(text->document()->size().height()));

    const QRect free = toast.screen()->availableGeometry();
    EXPECT_TRUE(free.contains(toast.frameGeometry()));
    EXPECT_LT(free.right() - toast.frameGeometry().right(), 20);
    EXPECT_LT(free.bottom() - toast.frameGeometry().bottom(), 20);
    EXPECT_TRUE(toast.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(toast.windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_TRUE(toast.testAttribute(Qt::WA_ShowWithoutActivating));
}

TEST(AlarmSound, ShippedChimeDecodesToOneOrTwoSeconds) {
    QAudioDecoder decoder;
    decoder.setSource(QUrl::fromLocalFile(QStringLiteral(VANTREL_SOURCE_DIR "/resources/sounds/tishi.mp3")));
    qint64 frames = 0;
    int sampleRate = 0;
    QObject::connect(&decoder, &QAudioDecoder::bufferReady, &decoder, [&] {
        const QAudioBuffer buffer = decoder.read();
        frames += buffer.frameCount();
        sampleRate = buffer.format().sampleRate();
    });
    QSignalSpy finished(&decoder, &QAudioDecoder::finished);
    QSignalSpy failed(&decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error));
    decoder.start();
    ASSERT_TRUE(finished.wait(20000)) << decoder.errorString().toStdString();
    EXPECT_EQ(failed.count(), 0);
    ASSERT_GT(sampleRate, 0);
    const double seconds = double(frames) / sampleRate;
    EXPECT_GE(seconds, 1.0);
    EXPECT_LE(seconds, 2.5);
}

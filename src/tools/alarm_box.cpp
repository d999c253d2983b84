#include "tools/alarm_box.h"

#include "core/guard.h"
#include "ui/designed_child.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

// A label drawn as a link, navy and underlined under a hand cursor, that acts on a click.
class LinkLabel : public QLabel {
public:
    LinkLabel(QWidget* parent, std::function<void()> clicked)
        : QLabel(parent), clicked_(std::move(clicked)) {
        setCursor(Qt::PointingHandCursor);
        setStyleSheet(u"QLabel:enabled { color: navy; }"_s);
        QFont underlined = font();
        underlined.setUnderline(true);
        setFont(underlined);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) clicked_();
    }

private:
    std::function<void()> clicked_;
};

} // namespace

AlarmBox::AlarmBox(Platform& platform, QWidget* parent)
    : QGroupBox(u"闹钟提醒"_s, parent), platform_(platform) {
    setObjectName(u"FlatGroupBox6"_s);

    const QString units[] = {u"点  "_s, u"分  "_s, u"秒时  "_s};
    for (int k = 0; k < int(edits_.size()); ++k) {
        const int left = 6 + 54 * k;
        edits_[k] = designedChild<QLineEdit>(this, u"Edit%1"_s.arg(27 + k), {left, 20, 26, 20});
        designedText<QLabel>(this, {}, units[k], {left + 28, 22, 27, 16});
    }

    const struct {
        QString box, boxCaption, link;
        int top;
        void (AlarmBox::*demo)();
    } kinds[] = {{u"CheckBox1"_s, u"声音提醒"_s, u"Label47"_s, 46, &AlarmBox::Label47Click},
                 {u"CheckBox2"_s, u"弹窗提醒"_s, u"Label48"_s, 68, &AlarmBox::Label48Click}};
    std::array<QCheckBox*, 2> boxes{};
    for (int k = 0; k < 2; ++k) {
        const auto& kind = kinds[k];
        boxes[k] = designedText<QCheckBox>(this, kind.box, kind.boxCaption, {6, kind.top, 78, 18});
        boxes[k]->setChecked(true);
        auto* link = new LinkLabel(this, [this, demo = kind.demo] { (this->*demo)(); });
        link->setObjectName(kind.link);
        link->setText(u"演示 "_s);
        link->setGeometry(86, kind.top + 1, 30, 16);
        demos_[k] = link;
    }
    sound_ = boxes[0];
    popup_ = boxes[1];

    start_ = designedText<QPushButton>(this, u"Button36"_s, u"启动"_s, {122, 44, 42, 22});
    cancel_ = designedText<QPushButton>(this, u"Button37"_s, u"取消"_s, {122, 68, 42, 22});
    cancel_->setEnabled(false);
    connect(start_, &QPushButton::clicked, this, &AlarmBox::Button36Click);
    connect(cancel_, &QPushButton::clicked, this, &AlarmBox::Button37Click);

    tishi_ = new QTimer(this);
    tishi_->setObjectName(u"tishi"_s);
    tishi_->setInterval(1000);
    connect(tishi_, &QTimer::timeout, this, &AlarmBox::tishiTimer);
}

void AlarmBox::setLocked(bool locked) {
    for (QLineEdit* edit : edits_) edit->setEnabled(!locked);
    sound_->setEnabled(!locked);
    popup_->setEnabled(!locked);
    for (QLabel* demo : demos_) demo->setEnabled(!locked);
    start_->setEnabled(!locked);
    cancel_->setEnabled(locked);
}

void AlarmBox::Button36Click() {
    guarded(platform_.dialogs, this, [this] {
        if (!sound_->isChecked() && !popup_->isChecked()) {
            platform_.dialogs.message(this, kNoReminderKind, u"提示"_s);
            return;
        }
        // The event is replaced even by an empty answer, which then arms nothing.
        alarm_.event = platform_.dialogs.inputBox(this, u"提示"_s, kEventPrompt, {});
        if (alarm_.event.isEmpty()) return;
        alarm_.hour = readNumberEdit(edits_[0]->text());
        alarm_.minute = readNumberEdit(edits_[1]->text());
        alarm_.second = readNumberEdit(edits_[2]->text());
        if (!platform_.dialogs.yesNo(this, alarmQuestion(alarm_), u"提示"_s)) return;
        watch_.start(platform_.clock.now());
        tishi_->start();
        setLocked(true);
    });
}

void AlarmBox::Button37Click() {
    tishi_->stop();
    setLocked(false);
}

void AlarmBox::tishiTimer() {
    if (!watch_.reached(platform_.clock.now(), alarm_.hour, alarm_.minute, alarm_.second)) return;
    tishi_->stop();
    if (sound_->isChecked()) playSound();
    // The text is made when the toast shows, from the alarm as it is set then.
    if (popup_->isChecked()) platform_.toast.addMessage([this] { return alarmMessage(alarm_); });
    setLocked(false);
}

void AlarmBox::Label47Click() { playSound(); }

void AlarmBox::Label48Click() { platform_.toast.addMessage(welcomeMessage); }

void AlarmBox::playSound() {
    platform_.sound.play(platform_.paths.appDir() + u"sounds/tishi.mp3"_s,
                         [this](const QString& error) { platform_.dialogs.errorBox(this, error); });
}

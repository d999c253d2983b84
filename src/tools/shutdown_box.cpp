#include "tools/shutdown_box.h"

#include "core/guard.h"
#include "ui/designed_child.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

ShutdownBox::ShutdownBox(Platform& platform, QWidget* parent)
    : QGroupBox(u"定时关机/重启计算机"_s, parent), platform_(platform) {
    setObjectName(u"FlatGroupBox5"_s);

    const struct {
        QString caption;
        QRect geometry;
    } radios[] = {{u"方式一 倒计时"_s, {6, 18, 120, 18}},
                  {u"方式二 定时"_s, {6, 60, 120, 18}},
                  {u"关闭"_s, {6, 104, 46, 18}},
                  {u"重启"_s, {52, 104, 46, 18}}};
    for (int k = 0; k < int(radios_.size()); ++k)
        radios_[k] = designedText<QRadioButton>(this, u"FlatRadioButton%1"_s.arg(k + 1),
                                                radios[k].caption, radios[k].geometry);
    // Mode and action are two choices of their own.
    for (int group = 0; group < 2; ++group) {
        auto* buttons = new QButtonGroup(this);
        buttons->addButton(radios_[2 * group]);
        buttons->addButton(radios_[2 * group + 1]);
        radios_[2 * group]->setChecked(true);
    }

    // Each edit with the unit after it, three to a row.
    const QString units[] = {u"小时  "_s, u"分钟  "_s, u"秒后  "_s, u"点  "_s, u"分  "_s, u"秒时  "_s};
    for (int k = 0; k < int(edits_.size()); ++k) {
        const int left = 6 + 54 * (k % 3);
        const int top = k < 3 ? 38 : 80;
        edits_[k] = designedChild<QLineEdit>(this, u"Edit%1"_s.arg(21 + k), {left, top, 26, 20});
        designedText<QLabel>(this, {}, units[k], {left + 28, top + 2, 27, 16});
    }

    start_ = designedText<QPushButton>(this, u"Button34"_s, u"启动"_s, {97, 101, 34, 22});
    cancel_ = designedText<QPushButton>(this, u"Button35"_s, u"取消"_s, {133, 101, 34, 22});
    cancel_->setEnabled(false);
    connect(start_, &QPushButton::clicked, this, &ShutdownBox::Button34Click);
    connect(cancel_, &QPushButton::clicked, this, &ShutdownBox::Button35Click);

    shutdown_ = new QTimer(this);
    shutdown_->setObjectName(u"shutdown"_s);
    shutdown_->setInterval(1000);
    connect(shutdown_, &QTimer::timeout, this, &ShutdownBox::shutdownTimer);
}

void ShutdownBox::setLocked(bool locked) {
    for (QRadioButton* radio : radios_) radio->setEnabled(!locked);
    for (QLineEdit* edit : edits_) edit->setEnabled(!locked);
    start_->setEnabled(!locked);
    cancel_->setEnabled(locked);
}

void ShutdownBox::Button34Click() {
    guarded(platform_.dialogs, this, [this] {
        const bool restart = radios_[3]->isChecked();
        const PowerAction action = restart ? PowerAction::Reboot : PowerAction::PowerOff;
        if (radios_[0]->isChecked()) {
            const qint32 hours = readNumberEdit(edits_[0]->text());
            const qint32 minutes = readNumberEdit(edits_[1]->text());
            const qint32 seconds = readNumberEdit(edits_[2]->text());
            // A countdown the system would take as "now", or beyond any sense, is not asked.
            const qint64 countdown = countdownSeconds(hours, minutes, seconds);
            if (!countdownAllowed(countdown)) {
                platform_.dialogs.message(this, kCountdownRefused, u"提示"_s);
                return;
            }
            const QString question =
                shutdownQuestion(ShutdownMode::Countdown, hours, minutes, seconds, restart);
            if (!platform_.dialogs.yesNo(this, question, u"提示"_s)) return;
            platform_.shutdown.schedule(action, countdown);
        } else {
            target_.hour = readNumberEdit(edits_[3]->text());
            target_.minute = readNumberEdit(edits_[4]->text());
            target_.second = readNumberEdit(edits_[5]->text());
            const QString question = shutdownQuestion(ShutdownMode::TimeOfDay, target_.hour,
                                                      target_.minute, target_.second, restart);
            if (!platform_.dialogs.yesNo(this, question, u"提示"_s)) return;
            target_.restart = restart;
            watch_.start(platform_.clock.now());
            shutdown_->start();
        }
        setLocked(true);
    });
}

void ShutdownBox::Button35Click() {
    setLocked(false);
    platform_.shutdown.cancel();
    shutdown_->stop();
}

void ShutdownBox::shutdownTimer() {
    if (!watch_.reached(platform_.clock.now(), target_.hour, target_.minute, target_.second)) return;
    shutdown_->stop();
    // A refused request leaves nothing pending, so the group opens again.
    const PowerAction action = target_.restart ? PowerAction::Reboot : PowerAction::PowerOff;
    if (!guarded(platform_.dialogs, this, [&] { platform_.shutdown.schedule(action, 0); }))
        setLocked(false);
}

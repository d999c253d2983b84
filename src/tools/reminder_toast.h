#pragma once
// The reminder pop-up: a small frameless window at the bottom right of the screen's free
// area, above other windows, that never takes the keyboard focus. The messages handed to
// it take turns: each shows for five seconds under the title "凡特睿 提醒您", then after a
// pause of one second the next one comes, round and round, until the user ticks "不再提示"
// on one; that message ends with that showing.

#include "core/ports.h"

#include <QFrame>

class QCheckBox;
class QTextEdit;
class QTimer;

class ReminderToast : public QFrame, public Toast {
public:
    explicit ReminderToast(QWidget* parent = nullptr);
    void addMessage(std::function<QString()> text) override;

    static constexpr int kKeepMs = 5000;
    static constexpr int kIntervalMs = 1000;

private:
    void build();
    void showNext();
    void turnOver();
    void placeAtCorner();

    QList<std::function<QString()>> messages_;
    qsizetype current_ = -1;
    bool showing_ = false;
    QTextEdit* text_ = nullptr;
    QCheckBox* noRepeat_ = nullptr;
    QTimer* timer_;
};

#include "tools/reminder_toast.h"

#include <QCheckBox>
#include <QLabel>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kWidth = 260;
constexpr int kMargin = 10;
constexpr int kScreenGap = 8;

} // namespace

ReminderToast::ReminderToast(QWidget* parent)
    : QFrame(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowDoesNotAcceptFocus) {
    setObjectName(u"TipInfo1"_s);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setFixedWidth(kWidth);

    timer_ = new QTimer(this);
    timer_->setObjectName(u"toastTimer"_s);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &ReminderToast::turnOver);
}

void ReminderToast::build() {
    auto* title = new QLabel(u"凡特睿 提醒您"_s);
    QFont titleFont(u"宋体"_s);
    titleFont.setBold(true);
    titleFont.setPixelSize(12);
    title->setFont(titleFont);

    // Read-only text that wraps anywhere, so that a long event without spaces is never cut.
    text_ = new QTextEdit;
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::NoTextInteraction);
    text_->setFocusPolicy(Qt::NoFocus);
    text_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setFixedWidth(kWidth - 2 * (kMargin + frameWidth()));
    text_->setStyleSheet(u"QTextEdit { background: transparent; border: none; }"_s);
    text_->document()->setDocumentMargin(0);
    // A tab indents by two characters, as Chinese text is indented.
    text_->setTabStopDistance(2 * text_->fontMetrics().horizontalAdvance(u'凡'));

    noRepeat_ = new QCheckBox(u"不再提示"_s);
    noRepeat_->setFocusPolicy(Qt::NoFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, 8, kMargin, 8);
    layout->setSpacing(6);
    layout->addWidget(title);
    layout->addWidget(text_);
    layout->addWidget(noRepeat_, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ReminderToast::addMessage(std::function<QString()> text) {
    messages_.append(std::move(text));
    // Idle: the new message shows at once; otherwise it waits for its turn.
    if (!timer_->isActive()) showNext();
}

void ReminderToast::showNext() {
    if (messages_.isEmpty()) return;
    // The contents are made for the first message, not at start-up.
    if (!text_) build();
    current_ = (current_ + 1) % messages_.size();
    // The message is asked for now: what it tells may have changed since it was added.
    QString text = messages_[current_]();
    text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    text_->setPlainText(text);
    noRepeat_->setChecked(false);
    placeAtCorner();
    show();
    showing_ = true;
    timer_->start(kKeepMs);
}

void ReminderToast::turnOver() {
    if (!showing_) {
        showNext();
        return;
    }
    hide();
    showing_ = false;
    if (noRepeat_->isChecked()) messages_.removeAt(current_--);
    if (!messages_.isEmpty()) timer_->start(kIntervalMs);
}

void ReminderToast::placeAtCorner() {
    const QRect free = screen()->availableGeometry();
    // As tall as the text needs, up to half the screen; beyond that the text scrolls.
    QTextDocument* document = text_->document();
    document->setTextWidth(text_->width());
    text_->setFixedHeight(qMin(qCeil(document->size().height()), free.height() / 2));
    adjustSize();
    move(free.right() + 1 - kScreenGap - width(), free.bottom() + 1 - kScreenGap - height());
}

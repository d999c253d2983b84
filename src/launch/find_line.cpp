#include "launch/find_line.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kEditHeight = 22;
constexpr int kRowHeight = 36;
constexpr int kShownRows = 7;

} // namespace

FindLine::FindLine(const LaunchModel& model, QString appDir, QWidget* parent)
    : QFrame(parent), model_(model), finder_(model), appDir_(std::move(appDir)) {
    setObjectName(u"FindLine"_s);
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);

    edit_ = new QLineEdit(this);
    edit_->setObjectName(u"FindEdit"_s);
    edit_->setPlaceholderText(u"输入名称或拼音"_s);
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textChanged, this, &FindLine::search);

    // The edit keeps the keyboard; the list only shows and takes clicks.
    results_ = new QListWidget(this);
    results_->setObjectName(u"FindResults"_s);
    results_->setFocusPolicy(Qt::NoFocus);
    results_->setIconSize(QSize(24, 24));
    results_->setUniformItemSizes(true);
    connect(results_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { choose(results_->row(item)); });
    hide();
}

void FindLine::open(QWidget* page, const QString& typed) {
    if (parentWidget() != page) setParent(page);
    if (!isVisible()) returnFocus_ = QApplication::focusWidget();
    setGeometry(0, 0, page->width(), kEditHeight + 2 * frameWidth());
    edit_->setGeometry(frameWidth(), frameWidth(), page->width() - 2 * frameWidth(), kEditHeight);
    edit_->setText(typed);
    search(typed);
    raise();
    show();
    // Not a shortcut's focus, which would select the typed letter for the next to replace.
    edit_->setFocus(Qt::OtherFocusReason);
}

void FindLine::close() {
    if (isHidden()) return;
    hide();
    if (returnFocus_) returnFocus_->setFocus(Qt::OtherFocusReason);
}

void FindLine::search(const QString& text) {
    if (text.isEmpty()) {
        close();
        return;
    }
    matches_ = finder_.find(text);
    results_->clear();
    const QIcon webIcon = QIcon::fromTheme(u"text-html"_s);
    for (const SlotMatch& match : matches_) {
        const LaunchGroup& group = model_.group(match.kind, match.group);
        const bool program = match.kind == GroupKind::Program;
        const QIcon icon = program ? QIcon(QPixmap(IconPath(appDir_, match.group, match.slot))) : webIcon;
        auto* item = new QListWidgetItem(icon, group.display[match.slot - 1].caption + u'\n' +
                                                   (program ? u"软件 · "_s : u"网页 · "_s) + group.tabCaption());
        item->setSizeHint(QSize(0, kRowHeight));
        results_->addItem(item);
    }
    results_->setCurrentRow(matches_.isEmpty() ? -1 : 0);
    fitToResults();
}

void FindLine::fitToResults() {
    const int rows = std::min(int(matches_.size()), kShownRows);
    results_->setVisible(rows > 0);
    const int listHeight = rows > 0 ? rows * kRowHeight + 2 * results_->frameWidth() : 0;
    results_->setGeometry(frameWidth(), frameWidth() + kEditHeight, edit_->width(), listHeight);
    resize(width(), kEditHeight + listHeight + 2 * frameWidth());
}

void FindLine::choose(int row) {
    if (row < 0 || row >= matches_.size()) return;
    const SlotMatch match = matches_[row];
    close();
    Q_EMIT slotChosen(match.kind, match.group, match.slot);
}

bool FindLine::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_) return QFrame::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut) {
        // Clicking elsewhere or leaving the window ends the search; a context menu does not.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) close();
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const int row = results_->currentRow();
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Up:
        results_->setCurrentRow(std::max(row - 1, 0));
        return true;
    case Qt::Key_Down:
        results_->setCurrentRow(std::min(row + 1, int(matches_.size()) - 1));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        choose(row);
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

bool opensFindLine(const QKeyEvent& event) {
    const QString text = event.text();
    return text.size() == 1 && text.front().isLetterOrNumber() &&
           !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

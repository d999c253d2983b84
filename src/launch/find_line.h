#pragma once
// The find line: a one-line edit across the top of the open page with the slots that
// match what is typed below it, from every group of both kinds. Up and Down choose, Enter
// or a click opens the chosen slot as a click on its launch button would, Escape closes.

#include "launch/slot_finder.h"

#include <QFrame>
#include <QPointer>

class QKeyEvent;
class QLineEdit;
class QListWidget;

class FindLine : public QFrame {
    Q_OBJECT
public:
    // appDir: where the icons of the program slots lie.
    FindLine(const LaunchModel& model, QString appDir, QWidget* parent);

    // Shows the line across the top of `page`, holding `typed`, and gives it the keyboard.
    void open(QWidget* page, const QString& typed);
    // Hides the line and gives the keyboard back to where it was.
    void close();

Q_SIGNALS:
    // The chosen slot is to be opened.
    void slotChosen(GroupKind kind, int group, int slot);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search(const QString& text);
    void choose(int row);
    void fitToResults();

    const LaunchModel& model_;
    SlotFinder finder_;
    QString appDir_;
    QLineEdit* edit_ = nullptr;
    QListWidget* results_ = nullptr;
    QList<SlotMatch> matches_;
    QPointer<QWidget> returnFocus_;
};

// Whether a key typed into the window opens the find line: a letter or a digit, typed
// without Ctrl, Alt or Meta.
bool opensFindLine(const QKeyEvent& event);

#pragma once
// The "软件" page (program groups, TabSheet6) or the "网页" page (web groups, TabSheet7):
// a tab per group with ten slot rows each, and the panel shown when the kind has no group.

#include "launch/launch_actions.h"
#include "launch/launch_model.h"
#include "core/ports.h"
#include "ui/page.h"

#include <array>
#include <functional>

class QLabel;
class QMimeData;
class QPushButton;
class QTabWidget;
class QToolButton;

class LaunchPage : public Page {
    Q_OBJECT
public:
    LaunchPage(GroupKind kind, Platform& platform, LaunchModel& model, QWidget* parent);
    void entered() override {}

    // Puts the model's groups and slots on the controls: tab visibility and captions, the
    // no-group panel, every slot's caption, colour and buttons.
    void showGroups();
    void showSlot(int group, int slot);
    // Loads a program slot's picture from its icon file.
    void loadIcon(int group, int slot);
    // Captures afresh the icon of every occupied program slot and shows it.
    void captureIcons();

    // The toolbar's group buttons, acting on this page's kind of group.
    void addGroup();
    void deleteGroup();
    void renameGroup();

    // The title editor's result for a program slot.
    void setTitle(int group, int slot, const QString& caption, ColorValue colour);

    // Does what a click on the slot's launch button does.
    void openSlot(int group, int slot);

Q_SIGNALS:
    // A program slot's edit button was clicked.
    void editRequested(int group, int slot);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct SlotWidgets {
        QPushButton* launch = nullptr;
        QLabel* image = nullptr;       // program slots only
        QToolButton* edit = nullptr;   // program slots only
        QToolButton* remove = nullptr;
    };

    QWidget* buildGroupTab(int group);
    QWidget* buildNoGroupPanel();
    // Places the slot rows of group tab `group` for a tab `height` pixels high.
    void placeSlots(int group, int height);
    // The selected tab's place among the visible tabs, -1 when no tab shows.
    int selectedTabPosition() const;
    // Runs a slot action and puts the slot's new state on its controls.
    void act(int group, int slot, const std::function<bool()>& action);
    QString droppedTarget(const QMimeData* data) const;
    // Enter opens a focused slot, Delete asks to empty a filled one.
    bool slotKeyPressed(QObject* button, int key);
    // The next (+1) or previous (-1) visible group tab, round the end.
    void stepTab(int step);
    SlotWidgets& widgets(int group, int slot) { return slots_.at((group - 1) * kSlotsPerGroup + slot - 1); }

    GroupKind kind_;
    Platform& platform_;
    LaunchModel& model_;
    LaunchActions actions_;
    QTabWidget* tabs_ = nullptr;
    QWidget* noGroupPanel_ = nullptr;
    std::array<SlotWidgets, 5 * kSlotsPerGroup> slots_{};
};

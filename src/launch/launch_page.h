#pragma once
// The "软件" page (program groups, TabSheet6) or the "网页" page (web groups, TabSheet7):
// a tab per group with ten slot rows each, and the panel shown when the kind has no group.

#include "launch/launch_model.h"
#include "platform/ports.h"

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QTabWidget;
class QToolButton;

class LaunchPage : public QWidget {
    Q_OBJECT
public:
    LaunchPage(GroupKind kind, Platform& platform, LaunchModel& model, QWidget* parent);

    // Puts the model's groups and slots on the controls: tab visibility and captions, the
    // no-group panel, every slot's caption, colour and buttons.
    void showGroups();
    void showSlot(int group, int slot);
    // Loads a program slot's picture from its icon file.
    void loadIcon(int group, int slot);

private:
    struct SlotWidgets {
        QPushButton* launch = nullptr;
        QLabel* image = nullptr;       // program slots only
        QToolButton* edit = nullptr;   // program slots only
        QToolButton* remove = nullptr;
    };

    QWidget* buildGroupTab(int group);
    QWidget* buildNoGroupPanel();
    SlotWidgets& widgets(int group, int slot) { return slots_.at((group - 1) * kSlotsPerGroup + slot - 1); }

    GroupKind kind_;
    Platform& platform_;
    LaunchModel& model_;
    QTabWidget* tabs_ = nullptr;
    QWidget* noGroupPanel_ = nullptr;
    std::array<SlotWidgets, 5 * kSlotsPerGroup> slots_{};
};

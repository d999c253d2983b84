#pragma once
// What the user does with slots and groups: filling, opening and emptying a slot, and
// adding, deleting and renaming a group. Each action changes the model and what the
// slots show; the page then puts that on its controls.

#include "launch/launch_model.h"
#include "core/ports.h"

class LaunchActions {
public:
    LaunchActions(Platform& platform, LaunchModel& model, QWidget* owner)
        : platform_(platform), model_(model), owner_(owner) {}

    // A click on a launch button: fills the slot while its caption is "+", otherwise
    // opens what it holds. True when a program slot was filled and its icon written.
    // Raises AppError when the icon file cannot be written; the slot is filled then.
    bool launch(GroupKind kind, int group, int slot);
    // Whether a slot takes a dropped file or address: only an empty slot does.
    bool accepts(GroupKind kind, int group, int slot, const QString& target) const;
    // A file or address dropped on a launch button fills the slot as the click would,
    // asking only for the name; a filled slot ignores it. True as for launch().
    bool drop(GroupKind kind, int group, int slot, const QString& target);
    // A click on a delete button: empties the slot after the user confirms.
    void remove(GroupKind kind, int group, int slot);

    // The toolbar's group buttons. tabPosition is the selected tab among the kind's
    // visible tabs, -1 when none is selected.
    void addGroup(GroupKind kind);
    void deleteGroup(GroupKind kind, int tabPosition);
    void renameGroup(GroupKind kind, int tabPosition);

private:
    bool fillProgram(int group, int slot, const QString& path);
    void fillWeb(int group, int slot, const QString& address);

    Platform& platform_;
    LaunchModel& model_;
    QWidget* owner_;
};

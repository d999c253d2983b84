#pragma once
// Finding a slot by typing: an index over the occupied slots of all shown groups of both
// kinds, matched by display name, by the file name of a program's path or the host of an
// address, and for Chinese names by their pinyin and its initials ("wx" finds 微信,
// "bjdx" and "beijing" find 北京大学).
//
// The index is built on the first search, not before, and brought up to date on every
// search: a slot whose caption or target changed since is read again, the others are not.

#include "launch/launch_model.h"

#include <QList>
#include <array>

// How well a slot matches, best first; ties keep group and slot order.
enum class MatchRank { ExactName, NamePrefix, InitialsPrefix, Substring };

struct SlotMatch {
    GroupKind kind = GroupKind::Program;
    int group = 0;
    int slot = 0;
    MatchRank rank = MatchRank::Substring;
    bool operator==(const SlotMatch&) const = default;
};

class SlotFinder {
public:
    explicit SlotFinder(const LaunchModel& model) : model_(model) {}

    // The slots matching `query`, best first: the name itself, then names beginning with
    // it (in writing or in pinyin), then pinyin initials beginning with it, then the query
    // anywhere in the name, its pinyin or initials, or the target's file name or host.
    // Letter case is ignored; an empty query finds nothing.
    QList<SlotMatch> find(const QString& query);

private:
    // What a slot is found by, kept with the caption and target it was made from.
    struct Entry {
        QString caption, target;   // as the slot showed them when the entry was made
        QString name;              // the caption, case-folded
        QString spelling;          // the caption's pinyin and other words, joined, lower case
        QString initials;          // the first letter of each syllable or word
        QString targetName;        // the path's file name or the address's host, case-folded
    };

    void refresh();
    static Entry entryFor(GroupKind kind, const QString& caption, const QString& target);
    // query: case-folded; letters: its letters and digits alone.
    static std::optional<MatchRank> rankOf(const Entry& entry, const QString& query, const QString& letters);

    const LaunchModel& model_;
    // Program slots 1.1 .. 5.10, then web slots 1.1 .. 3.10; empty while free.
    std::array<std::optional<Entry>, 8 * kSlotsPerGroup> entries_{};
};

#include "launch/slot_finder.h"

#include <QFileInfo>
#include <QUrl>

#include <unicode/translit.h>

#include <algorithm>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kProgramSlots = 5 * kSlotsPerGroup;

// The text in Latin letters: Han characters as pinyin syllables without tones, separated
// by spaces, other scripts in their nearest ASCII. The transliterator is made on the first
// name that needs it, which costs a tenth of a second once; without ICU's data the text
// stays as it is.
QString latinSpelling(const QString& text) {
    static const std::unique_ptr<icu::Transliterator> toLatin = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> made(icu::Transliterator::createInstance(
            "Han-Latin; Latin-ASCII", UTRANS_FORWARD, status));
        if (U_FAILURE(status)) made.reset();
        return made;
    }();
    if (!toLatin) return text;
    icu::UnicodeString spelled(text.utf16(), int32_t(text.size()));
    toLatin->transliterate(spelled);
    return QStringView(spelled.getBuffer(), spelled.length()).toString();
}

bool isAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// The letters and digits of a text, case-folded: what pinyin and initials are compared with.
QString lettersOf(const QString& text) {
    QString letters;
    for (QChar c : text.toCaseFolded())
        if (c.isLetterOrNumber()) letters += c;
    return letters;
}

} // namespace

std::optional<MatchRank> SlotFinder::rankOf(const Entry& entry, const QString& query, const QString& letters) {
    if (entry.name == query) return MatchRank::ExactName;
    const bool spelled = !letters.isEmpty();
    if (entry.name.startsWith(query) || (spelled && entry.spelling.startsWith(letters)))
        return MatchRank::NamePrefix;
    if (spelled && entry.initials.startsWith(letters)) return MatchRank::InitialsPrefix;
    if (entry.name.contains(query) || entry.targetName.contains(query) ||
        (spelled && (entry.spelling.contains(letters) || entry.initials.contains(letters))))
        return MatchRank::Substring;
    return std::nullopt;
}

SlotFinder::Entry SlotFinder::entryFor(GroupKind kind, const QString& caption, const QString& target) {
    Entry entry{caption, target, caption.toCaseFolded(), {}, {}, {}};
    // Words are runs of letters and digits: the syllables of the pinyin and the words of
    // a Latin name alike.
    const QString latin = isAscii(caption) ? caption : latinSpelling(caption);
    bool inWord = false;
    for (QChar c : latin.toLower()) {
        const bool letter = c.isLetterOrNumber();
        if (letter) {
            entry.spelling += c;
            if (!inWord) entry.initials += c;
        }
        inWord = letter;
    }
    const QString targetName = kind == GroupKind::Program ? QFileInfo(target).fileName()
                                                          : QUrl::fromUserInput(target).host();
    entry.targetName = targetName.toCaseFolded();
    return entry;
}

void SlotFinder::refresh() {
    int index = 0;
    for (GroupKind kind : {GroupKind::Program, GroupKind::Web}) {
        for (int g = 1; g <= groupCount(kind); ++g) {
            const LaunchGroup& group = model_.group(kind, g);
            for (int n = 0; n < kSlotsPerGroup; ++n) {
                std::optional<Entry>& entry = entries_[index++];
                const QString& caption = group.display[n].caption;
                const LaunchSlot& slot = group.slots[n];
                // A slot whose caption is "+" would start filling when opened: it is empty.
                if (group.show != 1 || slot.now != 1 || caption == u"+"_s) {
                    entry.reset();
                } else if (!entry || entry->caption != caption || entry->target != slot.path) {
                    entry = entryFor(kind, caption, slot.path);
                }
            }
        }
    }
}

QList<SlotMatch> SlotFinder::find(const QString& query) {
    const QString folded = query.toCaseFolded();
    if (folded.trimmed().isEmpty()) return {};
    const QString letters = lettersOf(query);
    refresh();

    QList<SlotMatch> found;
    for (int index = 0; index < int(entries_.size()); ++index) {
        if (!entries_[index]) continue;
        const auto rank = rankOf(*entries_[index], folded, letters);
        if (!rank) continue;
        const bool program = index < kProgramSlots;
        const int place = program ? index : index - kProgramSlots;
        found.push_back({program ? GroupKind::Program : GroupKind::Web, place / kSlotsPerGroup + 1,
                         place % kSlotsPerGroup + 1, *rank});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const SlotMatch& a, const SlotMatch& b) { return a.rank < b.rank; });
    return found;
}

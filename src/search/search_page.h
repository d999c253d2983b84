#pragma once
// The "查/搜" page (TabSheet9): web search rows, online lookups and the colour picker.

#include "platform/ports.h"

#include <QWidget>

class SearchPage : public QWidget {
    Q_OBJECT
public:
    SearchPage(Platform& platform, QWidget* parent);
    // Run on every entry to the page: empties the edits, clears the lists, resets the picker.
    void PageEntryReset();

private:
    Platform& platform_;
};

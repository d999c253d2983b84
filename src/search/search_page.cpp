#include "search/search_page.h"

SearchPage::SearchPage(Platform& platform, QWidget* parent)
    : QWidget(parent), platform_(platform) {
    setObjectName(QStringLiteral("TabSheet9"));
}

void SearchPage::PageEntryReset() {}

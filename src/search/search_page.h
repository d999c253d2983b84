#pragma once
// The "查/搜" page (TabSheet9): web search rows, online lookups and the colour picker.

#include "core/ports.h"
#include "core/color_text.h"
#include "ui/page.h"


#include <array>

class QComboBox;
class QFrame;
class QLineEdit;
class QSlider;
struct OnlineLookup;

class SearchPage : public Page {
    Q_OBJECT
public:
    SearchPage(Platform& platform, QWidget* parent);
    void entered() override { PageEntryReset(); }
    // Run on every entry to the page: empties the edits, clears the lists, resets the picker.
    void PageEntryReset();

private:
    void buildSearchBox();
    void buildLookups();
    QWidget* buildColorPicker();

    // Button11..Button18: opens the row's chosen service for the row's text.
    void SearchClick(int row);
    // Button19, Button20, Button31, Button32: opens the lookup for the edit's text.
    void LookupClick(const QLineEdit& edit, const OnlineLookup& lookup);
    // TrackBar1..TrackBar3: shows the bar's number and the colour of all three bars.
    void TrackBarChange(int bar);
    // Button33 "OK": moves the bars to the typed colour text.
    void Button33Click();
    void showPreview(ColorValue value);

    struct SearchRow {
        QLineEdit* edit;
        QComboBox* services;
    };

    Platform& platform_;
    std::array<SearchRow, 8> rows_{};
    std::array<QLineEdit*, 4> lookupEdits_{};
    std::array<QSlider*, 3> trackBars_{};
    std::array<QLineEdit*, 3> numberEdits_{};
    QLineEdit* edit16_ = nullptr;
    QFrame* flatPanel3_ = nullptr;
};

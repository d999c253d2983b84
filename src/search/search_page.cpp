#include "search/search_page.h"

#include "core/guard.h"
#include "search/color_picker.h"
#include "search/search_services.h"
#include "ui/designed_child.h"
#include "ui/row_tabs.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kPageHeight = 364;
constexpr int kSearchBoxHeight = 190;

} // namespace

SearchPage::SearchPage(Platform& platform, QWidget* parent)
    : Page(parent), platform_(platform) {
    setObjectName(u"TabSheet9"_s);
    buildSearchBox();
    buildLookups();
}

void SearchPage::buildSearchBox() {
    // The rows stand 21 pixels apart, so that the lookup notebook below has room for its
    // tabs in several rows and for the colour picker.
    auto* box = designedChild<QGroupBox>(this, u"FlatGroupBox8"_s, {0, 0, 176, kSearchBoxHeight});
    box->setTitle(u"搜索"_s);
    const QList<SearchCategory>& categories = searchCategories();
    for (int row = 0; row < int(rows_.size()); ++row) {
        const int n = row + 1;
        const int top = 18 + 21 * row;
        designedText<QLabel>(box, u"Label%1"_s.arg(n), categories[row].caption, {4, top, 34, 20});
        auto* edit = designedChild<QLineEdit>(box, u"Edit%1"_s.arg(n), {38, top, 50, 20});
        auto* services = designedChild<QComboBox>(box, u"ComboBox%1"_s.arg(n), {90, top, 56, 20});
        for (const SearchService& service : categories[row].services)
            services->addItem(service.item);
        services->setCurrentIndex(-1);
        auto* search = designedText<QPushButton>(box, u"Button%1"_s.arg(10 + n), u"搜"_s, {148, top, 24, 20});
        connect(search, &QPushButton::clicked, this, [this, row] { SearchClick(row); });
        rows_[row] = {edit, services};
    }
}

void SearchPage::buildLookups() {
    // All five tabs in view at once, on as many rows as they need.
    auto* notebook = designedChild<RowTabs>(this, u"PageControl3"_s,
                                            {0, kSearchBoxHeight, 176, kPageHeight - kSearchBoxHeight});

    const struct {
        QString tab, tabCaption, label, caption, edit, button, buttonCaption;
        const OnlineLookup& lookup;
    } lookups[] = {
        {u"TabSheet10"_s, u"IP--->地址"_s, u"Label9"_s, u"IP地址  "_s, u"Edit9"_s,
         u"Button19"_s, u"查询"_s, Lookups::ip},
        {u"TabSheet11"_s, u"手机号--->地区"_s, u"Label10"_s, u"手机号码  "_s, u"Edit10"_s,
         u"Button20"_s, u"查询"_s, Lookups::mobile},
        {u"TabSheet12"_s, u"身份证号--->地址"_s, u"Label11"_s, u"身份证号  "_s, u"Edit11"_s,
         u"Button31"_s, u"查询"_s, Lookups::idCard},
        {u"TabSheet13"_s, u"翻译"_s, u"Label13"_s, u"内容   "_s, u"Edit12"_s, u"Button32"_s,
         u"翻译"_s, Lookups::dictionary},
    };
    QWidget* tab = nullptr;
    for (int k = 0; k < int(lookupEdits_.size()); ++k) {
        const auto& l = lookups[k];
        tab = new QWidget;
        tab->setObjectName(l.tab);
        designedText<QLabel>(tab, l.label, l.caption, {4, 8, 58, 21});
        auto* edit = designedChild<QLineEdit>(tab, l.edit, {62, 8, 106, 21});
        auto* lookUp = designedText<QPushButton>(tab, l.button, l.buttonCaption, {108, 36, 60, 24});
        connect(lookUp, &QPushButton::clicked, this,
                [this, edit, &lookup = l.lookup] { LookupClick(*edit, lookup); });
        lookupEdits_[k] = edit;
        notebook->addTab(tab, l.tabCaption);
    }
    // The translation tab, the last one built, also notes what it translates.
    designedText<QLabel>(tab, u"Label12"_s, u"支持中英互译    "_s, {62, 66, 106, 16});

    notebook->addTab(buildColorPicker(), u"调色板取色"_s);
    notebook->setCurrentIndex(notebook->count() - 1);
}

QWidget* SearchPage::buildColorPicker() {
    auto* picker = new QWidget;
    picker->setObjectName(u"TabSheet14"_s);
    const QString captions[] = {u"R"_s, u"G"_s, u"B"_s};
    for (int bar = 0; bar < int(trackBars_.size()); ++bar) {
        const int top = 2 + 20 * bar;
        designedText<QLabel>(picker, u"Label%1"_s.arg(14 + bar), captions[bar], {4, top, 12, 20});
        auto* trackBar = designedChild<QSlider>(picker, u"TrackBar%1"_s.arg(1 + bar), {16, top, 112, 20});
        trackBar->setOrientation(Qt::Horizontal);
        trackBar->setRange(0, 255);
        trackBar->setPageStep(1);
        auto* number = designedChild<QLineEdit>(picker, u"Edit%1"_s.arg(13 + bar), {132, top, 36, 20});
        number->setReadOnly(true);
        number->setText(u"0"_s);
        connect(trackBar, &QSlider::valueChanged, this, [this, bar] { TrackBarChange(bar); });
        trackBars_[bar] = trackBar;
        numberEdits_[bar] = number;
    }
    designedText<QLabel>(picker, u"Label17"_s, u"颜色值   "_s, {4, 63, 48, 21});
    edit16_ = designedChild<QLineEdit>(picker, u"Edit16"_s, {52, 63, 72, 21});
    edit16_->setText(u"#000000"_s);
    auto* ok = designedText<QPushButton>(picker, u"Button33"_s, u"OK"_s, {128, 63, 40, 21});
    connect(ok, &QPushButton::clicked, this, &SearchPage::Button33Click);
    flatPanel3_ = designedChild<QFrame>(picker, u"FlatPanel3"_s, {4, 88, 164, 22});
    flatPanel3_->setFrameShape(QFrame::Panel);
    flatPanel3_->setAutoFillBackground(true);
    showPreview(ColorText::clBlack);
    return picker;
}

void SearchPage::PageEntryReset() {
    for (const SearchRow& row : rows_) {
        row.edit->clear();
        row.services->setCurrentIndex(-1);
    }
    for (QLineEdit* edit : lookupEdits_) edit->clear();
    for (QSlider* bar : trackBars_) bar->setValue(0);
    showPreview(ColorText::clBlack);
    for (QLineEdit* number : numberEdits_) number->setText(u"0"_s);
    edit16_->setText(u"#000000"_s);
}

void SearchPage::SearchClick(int row) {
    const QString text = rows_[row].edit->text();
    const int index = rows_[row].services->currentIndex();
    if (const std::optional<QString> refusal = searchRefusal(text, index)) {
        platform_.dialogs.message(window(), *refusal, u"提示"_s);
        return;
    }
    const SearchService& service = searchCategories()[row].services[index];
    platform_.shell.ShellLaunch(window(), QString(),
                                SearchAddress(service.host, service.prefix, text, service.suffix),
                                QString(), ShowMode::ShowNormal);
}

void SearchPage::LookupClick(const QLineEdit& edit, const OnlineLookup& lookup) {
    const QString text = edit.text();
    if (text.isEmpty()) {
        platform_.dialogs.message(window(), lookup.emptyMessage, u"提示"_s);
        return;
    }
    platform_.shell.ShellLaunch(window(), QString(), SearchAddress(lookup.host, lookup.prefix, text),
                                QString(), ShowMode::ShowNormal);
}

void SearchPage::TrackBarChange(int bar) {
    numberEdits_[bar]->setText(QString::number(trackBars_[bar]->value()));
    const int red = trackBars_[0]->value();
    const int green = trackBars_[1]->value();
    const int blue = trackBars_[2]->value();
    edit16_->setText(RgbHexText(red, green, blue));
    showPreview(ColorText::rgb(red, green, blue));
}

void SearchPage::Button33Click() {
    guarded(platform_.dialogs, window(), [this] {
        const ColorValue value = readColorText(edit16_->text());
        showPreview(value);
        // Each bar that really moves runs TrackBarChange before the next one is set.
        for (int bar = 0; bar < int(trackBars_.size()); ++bar)
            trackBars_[bar]->setValue(rgbComponent(value, bar));
    });
}

void SearchPage::showPreview(ColorValue value) {
    QPalette colours = flatPanel3_->palette();
    colours.setColor(QPalette::Window, ColorText::displayColor(value, colours));
    flatPanel3_->setPalette(colours);
}

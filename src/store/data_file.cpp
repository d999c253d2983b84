#include "store/data_file.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kSet = u"set"_s;
const QString kMain = u"main"_s;

// The keys of section "set" in file order, with their defaults.
struct SettingKey {
    QString key;
    qint32 AppSettings::*field;
    qint32 fallback;
};
const std::array<SettingKey, 6> kSettingKeys{{
    {u"toumingdu"_s, &AppSettings::toumingdu, 255},
    {u"yincang"_s, &AppSettings::yincang, 0},
    {u"xianshi_gongjulan"_s, &AppSettings::xianshi_gongjulan, 1},
    {u"xianshi_bianji"_s, &AppSettings::xianshi_bianji, 1},
    {u"xianshi_shanchu"_s, &AppSettings::xianshi_shanchu, 1},
    {u"skin"_s, &AppSettings::skin, 1},
}};

QString showKey(GroupKind kind, int g) {
    return (kind == GroupKind::Program ? u"show_%1"_s : u"web_show_%1"_s).arg(g);
}
QString nameKey(GroupKind kind, int g) {
    return (kind == GroupKind::Program ? u"name_%1"_s : u"web_name%1"_s).arg(g);
}
QString fieldKey(const QString& section, const char16_t* field, int n) {
    return u"%1_%2_%3"_s.arg(section, QStringView(field)).arg(n);
}

// The text fields of a slot in file order; program slots have a colour besides.
QList<std::pair<const char16_t*, QString LaunchSlot::*>> textFields(GroupKind kind) {
    QList<std::pair<const char16_t*, QString LaunchSlot::*>> fields{
        {u"name", &LaunchSlot::name}, {u"path", &LaunchSlot::path}};
    if (kind == GroupKind::Program) fields.append({u"color", &LaunchSlot::color});
    return fields;
}

constexpr GroupKind kKinds[] = {GroupKind::Program, GroupKind::Web};

} // namespace

QString groupSection(GroupKind kind, int number) {
    if (kind == GroupKind::Program) return u"t%1"_s.arg(number);
    return number == 1 ? u"web"_s : u"web%1"_s.arg(number);
}

namespace {

// Visits all 312 keys in file order with the field each one belongs to and its default.
template <typename IntegerKey, typename TextKey>
void forEachKey(AppSettings& settings, LaunchModel& model, IntegerKey integerKey, TextKey textKey) {
    for (const SettingKey& k : kSettingKeys) integerKey(kSet, k.key, settings.*k.field, k.fallback);
    for (GroupKind kind : kKinds)
        for (int g = 1; g <= groupCount(kind); ++g)
            integerKey(kMain, showKey(kind, g), model.group(kind, g).show, 0);
    for (GroupKind kind : kKinds)
        for (int g = 1; g <= groupCount(kind); ++g)
            textKey(kMain, nameKey(kind, g), model.group(kind, g).name, u"0"_s);
    for (GroupKind kind : kKinds) {
        for (int g = 1; g <= groupCount(kind); ++g) {
            const QString section = groupSection(kind, g);
            auto& slots = model.group(kind, g).slots;
            for (int n = 1; n <= kSlotsPerGroup; ++n)
                integerKey(section, fieldKey(section, u"now", n), slots[n - 1].now, 0);
            for (const auto& [field, member] : textFields(kind))
                for (int n = 1; n <= kSlotsPerGroup; ++n)
                    textKey(section, fieldKey(section, field, n), slots[n - 1].*member, QString());
        }
    }
}

} // namespace

void loadData(SettingsFile& file, AppSettings& settings, LaunchModel& model) {
    forEachKey(
        settings, model,
        [&](const QString& section, const QString& key, qint32& value, qint32 fallback) {
            value = file.readInteger(section, key, fallback);
        },
        [&](const QString& section, const QString& key, QString& value, const QString& fallback) {
            value = file.readText(section, key, fallback);
        });
}

void writeData(SettingsFile& file, const AppSettings& settings, LaunchModel& model) {
    for (int g = 1; g <= groupCount(GroupKind::Program); ++g) {
        LaunchGroup& group = model.group(GroupKind::Program, g);
        for (int n = 0; n < kSlotsPerGroup; ++n) {
            group.slots[n].name = group.display[n].caption;
            group.slots[n].color = ColorText::fromColor(group.display[n].captionColor);
        }
    }

    file.reload();
    AppSettings written = settings;
    forEachKey(
        written, model,
        [&](const QString& section, const QString& key, qint32& value, qint32) {
            file.writeInteger(section, key, value);
        },
        [&](const QString& section, const QString& key, QString& value, const QString&) {
            file.writeText(section, key, value);
        });
}

void saveData(SettingsFile& file, const AppSettings& settings, LaunchModel& model) {
    writeData(file, settings, model);
    file.commit();
}

// The standard buttons speak Chinese whatever the system's language.

#include "app/translation.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>

TEST(Translation, StandardButtonsReadChinese) {
    QTranslator translator;
    ASSERT_TRUE(installChineseTranslation(translator));
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                         QDialogButtonBox::No);
    const struct {
        QDialogButtonBox::StandardButton button;
        const char16_t* text;
    } cases[] = {{QDialogButtonBox::Ok, u"确定"}, {QDialogButtonBox::Cancel, u"取消"},
                 {QDialogButtonBox::Yes, u"是"}, {QDialogButtonBox::No, u"否"}};
    for (const auto& c : cases) {
        const QString shown = box.button(c.button)->text();
        EXPECT_TRUE(shown.startsWith(QStringView(c.text))) << shown.toStdString();
    }
    QCoreApplication::removeTranslator(&translator);
}

#pragma once
// The real main window on the fakes, started from a crafted data.ini in a temporary
// folder, with helpers that find its controls by their designed names.

#include "app/windows.h"
#include "support/fakes.h"
#include "support/fixtures.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::Literals::StringLiterals;

class MainWindowTest : public testing::Test {
protected:
    MainWindowTest() { QDir(fake.paths.appDir()).mkdir(u"icons"_s); }

    QString dataPath() const { return fake.paths.dataFile(); }
    QString iconPath(const QString& name) const { return fake.paths.appDir() + u"icons/"_s + name; }

    MainWindow& start(const QByteArray& ini = {}) {
        windows.reset();
        if (!ini.isNull()) writeFile(dataPath(), ini);
        platform = std::make_unique<Platform>(fake.bundle());
        windows = std::make_unique<Windows>(*platform);
        window = &windows->main;
        return *window;
    }

    template <typename T = QWidget>
    T* find(const QString& name) const {
        T* found = window->findChild<T*>(name);
        if (!found) ADD_FAILURE() << "no control " << name.toStdString();
        return found;
    }
    void click(const QString& name) const { find<QAbstractButton>(name)->click(); }
    // Whether the control shows once its page is open: no widget between it and the
    // window is hidden, leaving aside the pages a tab control hides while another is open.
    bool shown(const QString& name) const {
        for (QWidget* w = find(name); w && w != window; w = w->parentWidget()) {
            const bool explicitlyHidden = w->testAttribute(Qt::WA_WState_ExplicitShowHide) &&
                                          w->testAttribute(Qt::WA_WState_Hidden);
            if (explicitlyHidden && !qobject_cast<QStackedWidget*>(w->parentWidget())) return false;
        }
        return true;
    }
    bool checked(const QString& item) const { return find<QAction>(item)->isChecked(); }
    // A label's text or a button's caption; for a launch button its whole caption, which
    // its accessible name holds while its face may show it cut.
    QString text(const QString& name) const {
        if (auto* button = window->findChild<QPushButton*>(name))
            return button->accessibleName().isEmpty() ? button->text() : button->accessibleName();
        return find<QLabel>(name)->text();
    }
    QColor captionColour(const QString& button) const {
        return find<QPushButton>(button)->palette().color(QPalette::ButtonText);
    }
    void tick(const QString& timer, int times = 1) {
        for (int i = 0; i < times; ++i) QMetaObject::invokeMethod(find<QTimer>(timer), "timeout");
    }
    int opacity() const { return qRound(window->windowOpacity() * 255); }

    FakePlatform fake;
    std::unique_ptr<Platform> platform;
    std::unique_ptr<Windows> windows;
    MainWindow* window = nullptr;
};


// Every test binary runs headless on the offscreen platform. Tests of the widgets get a
// real QApplication and the program's resources; tests of the logic a QGuiApplication.
#include <gtest/gtest.h>

#ifdef VANTREL_GUI_TEST
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
#ifdef VANTREL_GUI_TEST
    Q_INIT_RESOURCE(resources);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

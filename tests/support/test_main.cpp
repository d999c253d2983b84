// Every test binary runs headless on the offscreen platform with a real QApplication.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

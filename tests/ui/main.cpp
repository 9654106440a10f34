#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // The window tests need no display; the offscreen platform stands in for one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

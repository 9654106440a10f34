#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // The tools are tried on windows nobody sees.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

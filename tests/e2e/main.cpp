#include "X11Session.h"

#include <QApplication>
#include <cstring>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();

    // The tests bring their own X server, so they run the same with or without a desktop.
    QProcess server;
    if (!X11Session::start(server)) {
        std::fputs("Xvfb could not be started\n", stderr);
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    int result = 1;
    {
        QApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    server.terminate();
    server.waitForFinished(5000);
    return result;
}

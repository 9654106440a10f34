// The figures' test program. The window is measured under Qt's offscreen platform unless
// BENCH_PLATFORM=xvfb asks for a virtual X server of the program's own.

#include "X11Session.h"

#include <QApplication>
#include <cstdio>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();

    QProcess server;
    if (qgetenv("BENCH_PLATFORM") == "xvfb") {
        if (!X11Session::start(server)) {
            std::fputs("Xvfb could not be started\n", stderr);
            return 1;
        }
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int result = 1;
    {
        QApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    if (server.state() != QProcess::NotRunning) {
        server.terminate();
        server.waitForFinished(5000);
    }
    return result;
}

// The main() of every Qt test program and of the bench. The window runs under Qt's offscreen
// platform, unless the environment names another, or under a virtual X server of the program's
// own: always for a program built with TESTS_UNDER_X11 (the end-to-end tests, which then run the
// same with or without a desktop), and for the bench when BENCH_PLATFORM=xvfb.

#include "X11Session.h"

#include <QApplication>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

bool underX11() {
#ifdef TESTS_UNDER_X11
    return true;
#else
    return qgetenv("BENCH_PLATFORM") == "xvfb";
#endif
}

#ifdef TESTS_UNDER_X11
// The programs the end-to-end tests start speak the game's own language, whatever the language
// of the desktop the tests run on: the tests read their Japanese texts. The category of messages
// alone becomes C, which LC_ALL would override, so its value moves to LANG; a test of another
// language gives its program an environment of its own.
void speakTheGamesOwnLanguage() {
    const QByteArray all = qgetenv("LC_ALL");
    if (!all.isEmpty()) {
        qunsetenv("LC_ALL");
        qputenv("LANG", all);
    }
    qputenv("LC_MESSAGES", "C");
    qunsetenv("LANGUAGE");
}
#endif

} // namespace

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();

    QProcess server;
    if (underX11()) {
        if (!X11Session::start(server)) {
            std::fputs("Xvfb could not be started\n", stderr);
            return 1;
        }
        qputenv("QT_QPA_PLATFORM", "xcb");
#ifdef TESTS_UNDER_X11
        speakTheGamesOwnLanguage();
#endif
    } else if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
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

#include "LoadMeter.h"

#include "FirstFrameWatch.h"

#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

TEST(LoadMeters, CountEveryTimerEventButTheirOwnEnd) {
    const LoadFigures quiet = measureLoad(std::chrono::milliseconds(50));
    EXPECT_EQ(quiet.timerEvents, 0);
    EXPECT_GE(quiet.usage.cpuMs, 0);

    QTimer busy;
    busy.start(2);
    const LoadFigures ticking = measureLoad(std::chrono::milliseconds(50));
    EXPECT_GT(ticking.timerEvents, 0);
    EXPECT_TRUE(ticking.timerReceivers.contains(QStringLiteral("QTimer")));
}

TEST(FirstFrameWatches, CallBackOnceForTheChosenWidgetOnly) {
    QWidget window;
    QWidget other;
    int calls = 0;
    QEventLoop loop;
    FirstFrameWatch watch([&window](const QObject& painted) { return &painted == &window; },
                          [&] {
                              ++calls;
                              loop.quit();
                          });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    other.show();
    window.show();
    loop.exec();
    EXPECT_EQ(calls, 1);

    // Later frames of the same window do not call again.
    window.repaint();
    window.repaint();
    settle(std::chrono::milliseconds(20));
    EXPECT_EQ(calls, 1);
}

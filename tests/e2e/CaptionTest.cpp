#include "GameTimer.h"
#include "MainWindow.h"
#include "X11Session.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

// Qt names a window with an empty title after the application; the game's window stays blank.
TEST(NativeCaption, IsEmptyOnTheXServerUntilTheTitleSettles) {
    QTemporaryDir folder;
    MainWindow window(folder.path() + QLatin1Char('/'));
    window.timer().setEnabled(false); // the test gives the ticks itself
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto id = static_cast<std::uint32_t>(window.winId());

    EXPECT_EQ(X11Session::windowName(id), QString());
    const QString properties = X11Session::run(
        QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(id),
                                  QStringLiteral("WM_NAME"), QStringLiteral("_NET_WM_NAME")});
    EXPECT_FALSE(properties.contains(QCoreApplication::applicationName()))
        << properties.toStdString();

    for (int tick = 0; tick < 170; ++tick)
        window.tick();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return X11Session::windowName(id) == QStringLiteral("ズンバリオ"); }, 5000));
}

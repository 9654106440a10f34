// The sound player in this process, against a server that stops answering: asking for a sound
// never waits for the server, nor does ending the player. Its name follows the player's language.

#include "SoundPlayer.h"

#include "PortableCopy.h"
#include "SoundServer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QThread>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

// Far above what a call costs (well under a millisecond, see the bench), far below a call that
// waits for the server, which would never return while the server is held still.
constexpr qint64 NeverWaitedMs = 1000;

class SoundPlayerOnHeldServer : public ::testing::TestWithParam<SoundServer::Kind> {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_server.start()) << m_server.error().toStdString();
        m_server.connectThisProcess();
    }

    // Whether the game's stream is listed, as the application and the stream both named `name`.
    bool gameStreamListed(const QString& name = QStringLiteral("ズンバリオ")) {
        const QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            const QString listing =
                m_server.pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")});
            if (listing.contains(QStringLiteral("application.name = \"%1\"").arg(name)) &&
                listing.contains(QStringLiteral("media.name = \"%1\"").arg(name)))
                return true;
            QThread::msleep(20);
        }
        return false;
    }

    // The longest of `count` requests for the hit sound, in milliseconds.
    qint64 longestOfHits(SoundPlayer& player, int count) {
        qint64 longest = 0;
        for (int i = 0; i < count; ++i) {
            QElapsedTimer call;
            call.start();
            player.play(SoundId::Hit);
            longest = std::max(longest, call.elapsed());
            QThread::msleep(5);
        }
        return longest;
    }

    SoundServer m_server{GetParam()};
    const QString m_folder = buildFolder() + QLatin1Char('/');
};

} // namespace

TEST_P(SoundPlayerOnHeldServer, NeitherHoldsUpAskingForSoundsNorEndingThePlayer) {
    auto player = std::make_unique<SoundPlayer>(m_folder, true);
    ASSERT_TRUE(gameStreamListed());
    longestOfHits(*player, 3);

    m_server.freeze();
    EXPECT_LT(longestOfHits(*player, 40), NeverWaitedMs);
    QElapsedTimer ending;
    ending.start();
    player.reset();
    EXPECT_LT(ending.elapsed(), NeverWaitedMs);
    m_server.thaw();
}

TEST_P(SoundPlayerOnHeldServer, StillBeingReachedNeitherHoldsUpAskingForSoundsNorEndingThePlayer) {
    m_server.freeze();
    QElapsedTimer making;
    making.start();
    auto player = std::make_unique<SoundPlayer>(m_folder, true);
    EXPECT_LT(making.elapsed(), NeverWaitedMs);
    EXPECT_LT(longestOfHits(*player, 10), NeverWaitedMs);
    QElapsedTimer ending;
    ending.start();
    player.reset();
    EXPECT_LT(ending.elapsed(), NeverWaitedMs);
    m_server.thaw();
}

TEST_P(SoundPlayerOnHeldServer, IsNamedInThePlayersLanguage) {
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/translations/zunbario_en")));
    QCoreApplication::installTranslator(&english);
    const SoundPlayer player(m_folder, true);
    QCoreApplication::removeTranslator(&english);
    EXPECT_TRUE(gameStreamListed(QStringLiteral("Zunbario")));
}

INSTANTIATE_TEST_SUITE_P(, SoundPlayerOnHeldServer, EachSoundServer, soundServerName);

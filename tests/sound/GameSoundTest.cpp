// The real program against a real sound server, PulseAudio and PipeWire in turn: every sound it
// asks for is heard, from one stream with the game's name, icon and role, it is heard again once
// a restarted server is back, and the game carries on without a server.

#include "Listening.h"
#include "ProgramHarness.h"
#include "SoundFile.h"
#include "SoundServer.h"
#include "SoundStream.h"
#include "TestFiles.h"

#include <array>
#include <cstdio>
#include <optional>
#include <sstream>
#include <vector>

namespace {

// The real program with a saved game in its folder and a sound server of the test's own, whose
// output is recorded from the start. A suite run against each server passes GetParam().
class ProgramWithSound : public ::testing::WithParamInterface<SoundServer::Kind>,
                         public ProgramHarness {
protected:
    // The saved-game file's eight words: reserved, reserved, level, score, level-start score,
    // hammer mode, ticks, fresh start.
    using SavedGame = std::array<qint32, 8>;

    ProgramWithSound(SavedGame saved, SoundServer::Kind server, bool withServer = true)
        : m_server(server), m_saved(saved), m_withServer(withServer) {}

    void SetUp() override {
        if (m_withServer) {
            ASSERT_TRUE(m_server.start()) << m_server.error().toStdString();
            ASSERT_TRUE(m_recording.start()) << "parec could not record the null sink's monitor";
        }
        ProgramHarness::SetUp();
    }

    void prepareFolder() override {
        writeRecordWords(dataFile(QStringLiteral("record2.dat")), m_saved);
        QProcessEnvironment environment = m_server.clientEnvironment();
        if (!m_withServer)
            environment.insert(QStringLiteral("PULSE_SERVER"),
                               QStringLiteral("unix:") +
                                   m_nowhere.filePath(QStringLiteral("native")));
        m_program.setProcessEnvironment(environment);
    }

    // The one stream the game has in the server's mixer, as pactl lists it.
    QString sinkInputs() const {
        return m_server.pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")});
    }
    // Waits until the game's stream is open on the server.
    bool waitForGameStream() const {
        return QTest::qWaitFor([&] { return sinkInputs().contains(QStringLiteral("ズンバリオ")); },
                               Patience);
    }
    // The high score of the normal-hammer mode the game wrote, if it wrote one.
    std::optional<qint32> writtenHighScore() const {
        const QString file = dataFile(QStringLiteral("record1.dat"));
        if (QFileInfo(file).size() < 4)
            return std::nullopt;
        return recordWords<1>(file)[0];
    }

    SoundServer m_server;
    MonitorRecording m_recording{m_server};
    SavedGame m_saved;
    bool m_withServer;
    // Where the program's sound server is looked for when the test has none.
    QTemporaryDir m_nowhere;
};

// The game's sounds in the order gameSounds() reads them.
namespace Heard {
enum Sound : std::size_t { Hit, GameOver, LevelClear, GameClear };
} // namespace Heard

// The game's own sounds, as read for playing: the hit, game over, level clear, game clear.
std::vector<Listening::Samples> gameSounds() {
    std::vector<Listening::Samples> sounds;
    for (const char* name : {"sound2.wav", "ending1.wav", "fanfare4.wav", "fanfare5.wav"}) {
        const SoundSamples sound = readSoundFile(
            buildFolder() + QStringLiteral("/data/") + QLatin1String(name), SoundStream::Rate);
        sounds.push_back(sound ? *sound : Listening::Samples{});
    }
    return sounds;
}

// Each sound found, for a message: which, where (ms) and how much of it was heard.
std::string describe(const std::vector<Listening::Heard>& heard,
                     const std::vector<Listening::Samples>& sounds) {
    static constexpr const char* Names[] = {"hit", "game over", "level clear", "game clear"};
    std::ostringstream text;
    for (const Listening::Heard& h : heard)
        text << Names[h.sound] << " at " << h.at * 1000 / MonitorRecording::Rate
             << " ms: " << static_cast<int>(100 * Listening::share(h, sounds)) << " %"
             << (h.cutOff ? " (cut off)" : "") << "\n";
    return text.str();
}

// The index of the game's one sink-input, with its name, icon and role; -1 unless there is
// exactly one such.
int theGameStream(const QString& listing) {
    int found = -1, count = 0;
    for (const QString& entry : listing.split(QStringLiteral("Sink Input #"), Qt::SkipEmptyParts)) {
        if (!entry.contains(QStringLiteral("application.name = \"ズンバリオ\"")))
            continue;
        ++count;
        if (entry.contains(QStringLiteral("application.icon_name = \"jp.example.zunbario\"")) &&
            entry.contains(QStringLiteral("media.role = \"game\"")))
            found = entry.section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
    }
    return count == 1 ? found : -1;
}

// Level 4 of the normal-hammer mode with 40 s to go and 300 hits: the level ends in a game clear
// once 20 more hits are made, and the new record tells how many hits the game counted.
class SoundOfFortyHits : public ProgramWithSound {
protected:
    SoundOfFortyHits() : ProgramWithSound({0, 0, 4, 300, 300, 0, 40, 0}, GetParam()) {}
};

} // namespace

TEST_P(SoundOfFortyHits, EveryHitAndTheGameClearAreHeardWholeFromOneStream) {
    resumeSavedGame();
    const QString atStart = sinkInputs();
    const int stream = theGameStream(atStart);
    ASSERT_GE(stream, 0) << atStart.toStdString();

    // The 11th and 12th presses come together: the second hit cuts the first one off.
    pressMonsters(20, 10);
    EXPECT_EQ(theGameStream(sinkInputs()), stream);
    pressMonsters(20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return writtenHighScore().has_value(); }, 4 * Patience))
        << "the level did not end in a game clear";
    QTest::qWait(3500); // the game-clear fanfare lasts 3.1 s
    EXPECT_EQ(theGameStream(sinkInputs()), stream);

    const std::vector<Listening::Samples> sounds = gameSounds();
    const std::vector<Listening::Heard> heard = Listening::listen(m_recording.stop(), sounds);
    const int hits = *writtenHighScore() - 300;
    ASSERT_GE(hits, 30) << "presses that missed their monster";
    std::size_t hitsHeard = 0, cutOff = 0;
    for (const Listening::Heard& h : heard) {
        hitsHeard += h.sound == Heard::Hit;
        cutOff += h.cutOff;
        if (!h.cutOff) {
            EXPECT_GE(Listening::share(h, sounds), 0.95) << describe({h}, sounds);
        }
    }
    EXPECT_EQ(hitsHeard, static_cast<std::size_t>(hits)) << describe(heard, sounds);
    EXPECT_EQ(cutOff, 1U) << describe(heard, sounds);
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back().sound, Heard::GameClear) << describe(heard, sounds);
    EXPECT_EQ(heard.size(), static_cast<std::size_t>(hits) + 1) << describe(heard, sounds);
    RecordProperty("hits_heard", static_cast<int>(hitsHeard));
    RecordProperty("hits", hits);
    std::printf("%s: %zu hits heard of %d counted by the game; heard:\n%s",
                SoundServer::name(GetParam()), hitsHeard, hits, describe(heard, sounds).c_str());
}

INSTANTIATE_TEST_SUITE_P(, SoundOfFortyHits, EachSoundServer, soundServerName);

namespace {

// Level 1 of the normal-hammer mode two seconds before its end, with the score given.
class SoundOfLevelEnd : public ProgramWithSound {
protected:
    explicit SoundOfLevelEnd(qint32 score)
        : ProgramWithSound({0, 0, 1, score, score, 0, 116, 0}, GetParam()) {}

    void expectHeardWhole(Heard::Sound sound, bool (*message)(QRgb)) {
        resumeSavedGame();
        ASSERT_TRUE(waitForLevelEnd(message));
        QTest::qWait(2800); // the longest of the two lasts 2.3 s
        const std::vector<Listening::Samples> sounds = gameSounds();
        const std::vector<Listening::Heard> heard = Listening::listen(m_recording.stop(), sounds);
        ASSERT_EQ(heard.size(), 1U) << describe(heard, sounds);
        EXPECT_EQ(heard[0].sound, sound) << describe(heard, sounds);
        EXPECT_GE(Listening::share(heard[0], sounds), 0.95) << describe(heard, sounds);
    }
};

class SoundOfGameOver : public SoundOfLevelEnd {
protected:
    SoundOfGameOver() : SoundOfLevelEnd(0) {}
};

class SoundOfLevelClear : public SoundOfLevelEnd {
protected:
    SoundOfLevelClear() : SoundOfLevelEnd(60) {}
};

} // namespace

TEST_P(SoundOfGameOver, IsHeardWhole) {
    expectHeardWhole(Heard::GameOver, isBlue);
}

TEST_P(SoundOfLevelClear, IsHeardWhole) {
    expectHeardWhole(Heard::LevelClear, isYellow);
}

INSTANTIATE_TEST_SUITE_P(, SoundOfGameOver, EachSoundServer, soundServerName);
INSTANTIATE_TEST_SUITE_P(, SoundOfLevelClear, EachSoundServer, soundServerName);

namespace {

// Level 1 of the normal-hammer mode with 50 s to go.
class SoundAfterServerRestart : public ProgramWithSound {
protected:
    SoundAfterServerRestart() : ProgramWithSound({0, 0, 1, 0, 0, 0, 20, 0}, GetParam()) {}

    bool pressUntilAHitIsHeard(const MonitorRecording& recording);
};

std::size_t wholeHits(const std::vector<Listening::Heard>& heard,
                      const std::vector<Listening::Samples>& s) {
    return static_cast<std::size_t>(
        std::count_if(heard.begin(), heard.end(), [&](const Listening::Heard& h) {
            return h.sound == Heard::Hit && Listening::share(h, s) >= 0.95;
        }));
}

} // namespace

bool SoundAfterServerRestart::pressUntilAHitIsHeard(const MonitorRecording& recording) {
    // A press can miss when its monster jumps away just before it lands: press again then.
    const std::vector<Listening::Samples> sounds = gameSounds();
    for (int press = 0; press < 5; ++press) {
        pressMonsters(1);
        if (QTest::qWaitFor(
                [&] {
                    return wholeHits(Listening::listen(recording.samples(), sounds), sounds) > 0;
                },
                3000))
            return true;
    }
    return false;
}

TEST_P(SoundAfterServerRestart, TheNextHitAfterTheServerIsBackIsHeard) {
    const std::vector<Listening::Samples> sounds = gameSounds();
    resumeSavedGame();
    EXPECT_TRUE(pressUntilAHitIsHeard(m_recording));
    m_recording.stop();

    // Presses while the server is away play nothing and hold nothing up.
    m_server.stop();
    pressMonsters(2);

    // The game finds the server again by itself.
    ASSERT_TRUE(m_server.start()) << m_server.error().toStdString();
    MonitorRecording again(m_server);
    ASSERT_TRUE(again.start());
    ASSERT_TRUE(waitForGameStream()) << m_program.readAllStandardError().toStdString();
    EXPECT_TRUE(pressUntilAHitIsHeard(again))
        << describe(Listening::listen(again.stop(), sounds), sounds)
        << m_program.readAllStandardError().toStdString() << sinkInputs().toStdString();
    EXPECT_GE(theGameStream(sinkInputs()), 0);
}

INSTANTIATE_TEST_SUITE_P(, SoundAfterServerRestart, EachSoundServer, soundServerName);

namespace {

// The same level, with the sound switched off in the player's settings.
class SoundSwitchedOff : public SoundAfterServerRestart {
protected:
    void prepareFolder() override {
        SoundAfterServerRestart::prepareFolder();
        writeBytes(dataFile(QStringLiteral("zunbario.conf")), "[General]\nsound=false\n");
    }
};

} // namespace

TEST_P(SoundSwitchedOff, ReachesNoServerUntilSwitchedOnFromTheMenu) {
    const std::vector<Listening::Samples> sounds = gameSounds();
    resumeSavedGame();
    pressMonsters(3);
    const QString clients = m_server.pactl({QStringLiteral("list"), QStringLiteral("clients")});
    EXPECT_FALSE(clients.contains(QStringLiteral("ズンバリオ"))) << clients.toStdString();
    EXPECT_TRUE(Listening::listen(m_recording.samples(), sounds).empty());

    // Alt pauses the level and Alt+S resumes it, as two key presses; S in the menu is no key.
    X11Session::typeKeys(m_window, QStringLiteral("alt+s"));
    X11Session::typeKeys(m_window, QStringLiteral("s"));
    EXPECT_TRUE(pressUntilAHitIsHeard(m_recording));
}

INSTANTIATE_TEST_SUITE_P(, SoundSwitchedOff, EachSoundServer, soundServerName);

namespace {

// As SoundAfterServerRestart, with no server at all: the program's server address leads nowhere.
class SoundWithoutServer : public ProgramWithSound {
protected:
    SoundWithoutServer()
        : ProgramWithSound({0, 0, 1, 0, 0, 0, 110, 0}, SoundServer::Kind::PulseAudio, false) {}
};

} // namespace

TEST_F(SoundWithoutServer, TheGamePlaysAndQuitsNormallyPrintingAtMostOneLine) {
    resumeSavedGame();
    pressMonsters(3);
    ASSERT_TRUE(waitForLevelEnd(isBlue)) << "the level did not end in a game over";

    X11Session::requestClose(m_window);
    answerQuestion(QStringLiteral("alt+n"), 2000);
    EXPECT_TRUE(exitedCleanly());
    const QString printed = QString::fromLocal8Bit(m_program.readAllStandardError()).trimmed();
    EXPECT_LE(printed.count(QLatin1Char('\n')), 0) << printed.toStdString();
}

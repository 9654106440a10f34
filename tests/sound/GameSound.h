#pragma once

#include "Listening.h"
#include "ProgramFixture.h"
#include "SoundServer.h"

#include <array>
#include <optional>
#include <vector>

// The real program with a saved game in its folder and a sound server of the test's own, whose
// output is recorded from the start. A suite run against each server passes GetParam().
class GameWithSound : public ::testing::WithParamInterface<SoundServer::Kind>, public Program {
protected:
    // The saved-game file's eight words: reserved, reserved, level, score, level-start score,
    // hammer mode, ticks, fresh start.
    using SavedGame = std::array<qint32, 8>;

    GameWithSound(SavedGame saved, SoundServer::Kind server, bool withServer = true)
        : m_server(server), m_saved(saved), m_withServer(withServer) {}

    void SetUp() override;
    void prepareFolder() override;

    // Takes the saved game offered at the end of the title and resumes its level.
    void resumeSavedGame();
    // Presses the normal hammer on the monsters on the field, one after another, until `count`
    // presses are made or the level ends; `pairAt` is the press made together with the next
    // one, 80 ms later. The presses that hit are counted by the game itself.
    void pressMonsters(int count, int pairAt = -1);
    // Waits for the level's end message in Label1, in the colour given.
    bool waitForLevelEnd(bool (*colour)(QRgb));
    // The one stream the game has in the server's mixer, as pactl lists it.
    QString sinkInputs() const;
    // Waits until the game's stream is open on the server.
    bool waitForGameStream() const;
    // The high score of the normal-hammer mode the game wrote, if it wrote one.
    std::optional<qint32> writtenHighScore() const;

    // The game's own sounds, as read for playing: the hit, game over, level clear, game clear.
    static std::vector<Listening::Samples> gameSounds();

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

// Each sound found, for a message: which, where (ms) and how much of it was heard.
std::string describe(const std::vector<Listening::Heard>& heard,
                     const std::vector<Listening::Samples>& sounds);

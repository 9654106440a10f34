#pragma once

#include "FakePlatform.h"
#include "FileLocations.h"
#include "Game.h"
#include "LittleEndian.h"
#include "Rules.h"
#include "TempFolder.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The game's core over a fake platform, in a fresh folder of its own, with the helpers the rules'
// tests share: running the title, pressing keys, firing ticks and reading record files.
class CoreHarness {
public:
    CoreHarness();
    // A game in a folder that others share; the folder is left as it is when the game ends.
    explicit CoreHarness(const std::filesystem::path& sharedFolder);
    // A game whose files and records lie where `locations` says, as installed.
    explicit CoreHarness(FileLocations locations);
    CoreHarness(const CoreHarness&) = delete;
    CoreHarness& operator=(const CoreHarness&) = delete;

    FakePlatform platform;

    Game& game() { return *m_game; }
    const GameState& state() const { return m_game->state(); }
    const Scene& scene() const { return m_game->scene(); }
    const std::filesystem::path& folder() const { return m_folder; }
    std::filesystem::path dataFile(const std::string& name) const;

    // Fires the timer's tick n times; fails the test if the timer is off.
    void tick(int n = 1);
    // FormCreate and the whole title, to the Ready phase.
    void runTitle();
    // The title, the hammer mode chosen when one is given (else the Ready phase's own), then a
    // key: level 1 is in play.
    void startLevel1(std::optional<HammerMode> mode = std::nullopt);
    // Ticks until the running level ends.
    void finishLevel();
    void key() { m_game->FormKeyDown(); }
    // The save command on the menu, its question answered `answer`.
    void save(Answer answer = Answer::Yes);
    // Chooses a mode from the Hammer menu and answers Yes to the question that a change of mode
    // asks.
    void chooseMode(HammerMode mode);
    // One hit with the hammer in use: a press on a monster still standing with the normal hammer
    // (waiting for the next jump when all three are down), a swing over monster 0 with the
    // strange one. Fails the test if the level runs out first.
    void hit();
    // A key begins the next level, hits raise the score to `score`, and the level runs out.
    void playLevelTo(int score);
    // From the Ready phase: four levels, each reaching its target, the last ending on
    // `finalScore`.
    void clearGame(int finalScore);

    void writeFile(const std::string& name, const std::vector<unsigned char>& bytes) const;
    std::vector<unsigned char> readFile(const std::string& name) const;

private:
    void open(FileLocations locations);

    std::optional<TempFolder> m_ownFolder;
    std::filesystem::path m_folder;
    std::filesystem::path m_records;
    std::unique_ptr<Game> m_game;
};

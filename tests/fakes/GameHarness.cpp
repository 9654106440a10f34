#include "GameHarness.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

GameHarness::GameHarness() : m_ownFolder(std::in_place), m_folder(m_ownFolder->path()) {
    fs::create_directories(m_folder / "data");
    m_game = std::make_unique<Game>(platform, m_folder.string() + "/");
}

GameHarness::GameHarness(fs::path sharedFolder) : m_folder(std::move(sharedFolder)) {
    m_game = std::make_unique<Game>(platform, m_folder.string() + "/");
}

fs::path GameHarness::dataFile(const std::string& name) const {
    return m_folder / "data" / name;
}

void GameHarness::tick(int n) {
    for (int i = 0; i < n; ++i) {
        ASSERT_TRUE(platform.timerEnabled) << "the timer is off at tick " << i;
        m_game->Timer1Timer();
    }
}

void runTitle(Game& game, const FakePlatform& platform) {
    game.FormCreate();
    while (game.state().TitlePhase && platform.timerEnabled)
        game.Timer1Timer();
}

void GameHarness::runTitle() {
    ::runTitle(*m_game, platform);
}

void GameHarness::chooseMode(HammerMode mode) {
    platform.answers = {Answer::Yes};
    m_game->menuChosen(menuItemOf(mode));
}

void GameHarness::startLevel1(std::optional<HammerMode> mode) {
    runTitle();
    if (mode)
        chooseMode(*mode);
    key();
}

void GameHarness::finishLevel() {
    while (state().Playing)
        tick();
}

void GameHarness::hit() {
    ASSERT_TRUE(state().Playing) << "hits count only in play";
    const int before = state().Score;
    while (state().Playing && state().Score == before) {
        if (!state().NormalHammerActive) {
            const Rect monster = scene().rect(ElementId::ImgMonster0);
            m_game->scene().moveTo(ElementId::ImgBou, {monster.left, monster.top});
            m_game->FormMouseDown();
        } else if (scene().isVisible(ElementId::ImgMonster0)) {
            m_game->ImgMonster0MouseDown();
        } else if (scene().isVisible(ElementId::ImgMonster1)) {
            m_game->ImgMonster1MouseDown();
        } else if (scene().isVisible(ElementId::ImgMonster2)) {
            m_game->ImgMonster2MouseDown();
        } else {
            tick();
        }
    }
    ASSERT_EQ(state().Score, before + 1) << "the level ran out before the hit";
}

void GameHarness::playLevelTo(int score) {
    key();
    while (state().Playing && state().Score < score)
        hit();
    finishLevel();
}

void GameHarness::clearGame(int finalScore) {
    for (int level = 1; level < Rules::LastLevel; ++level)
        playLevelTo(Rules::target(level, state().HammerMode));
    playLevelTo(finalScore);
}

void GameHarness::writeFile(const std::string& name,
                            const std::vector<unsigned char>& bytes) const {
    writeFileBytes(dataFile(name), bytes);
}

std::vector<unsigned char> GameHarness::readFile(const std::string& name) const {
    return fileBytes(dataFile(name));
}

#include "CoreHarness.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

CoreHarness::CoreHarness() : m_ownFolder(std::in_place) {
    fs::create_directories(m_ownFolder->path() / "data");
    open(FileLocations::portable(m_ownFolder->path().string() + "/"));
}

CoreHarness::CoreHarness(const fs::path& sharedFolder) {
    open(FileLocations::portable(sharedFolder.string() + "/"));
}

CoreHarness::CoreHarness(FileLocations locations) {
    open(std::move(locations));
}

void CoreHarness::open(FileLocations locations) {
    // The game's folders end in a slash; the harness names them without it.
    m_folder = fs::path(locations.appDir).parent_path();
    m_records = fs::path(locations.recordDir).parent_path();
    m_game = std::make_unique<Game>(platform, std::move(locations));
}

fs::path CoreHarness::dataFile(const std::string& name) const {
    return m_records / name;
}

void CoreHarness::tick(int n) {
    for (int i = 0; i < n; ++i) {
        ASSERT_TRUE(platform.timerEnabled) << "the timer is off at tick " << i;
        m_game->Timer1Timer();
    }
}

void CoreHarness::runTitle() {
    m_game->FormCreate();
    while (state().TitlePhase && platform.timerEnabled)
        m_game->Timer1Timer();
}

void CoreHarness::save(Answer answer) {
    platform.answers = {answer};
    m_game->N5Click();
}

void CoreHarness::chooseMode(HammerMode mode) {
    platform.answers = {Answer::Yes};
    m_game->menuChosen(menuItemOf(mode));
}

void CoreHarness::startLevel1(std::optional<HammerMode> mode) {
    runTitle();
    if (mode)
        chooseMode(*mode);
    key();
}

void CoreHarness::finishLevel() {
    while (state().Playing)
        tick();
}

void CoreHarness::hit() {
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

void CoreHarness::playLevelTo(int score) {
    key();
    while (state().Playing && state().Score < score)
        hit();
    finishLevel();
}

void CoreHarness::clearGame(int finalScore) {
    for (int level = 1; level < Rules::LastLevel; ++level)
        playLevelTo(Rules::target(level, state().HammerMode));
    playLevelTo(finalScore);
}

void CoreHarness::writeFile(const std::string& name,
                            const std::vector<unsigned char>& bytes) const {
    writeFileBytes(dataFile(name), bytes);
}

std::vector<unsigned char> CoreHarness::readFile(const std::string& name) const {
    return fileBytes(dataFile(name));
}

// The game clear: the record, the cancelled saved game and the celebration until the next key.

#include "FileError.h"
#include "Files.h"
#include "Game.h"
#include "RecordFile.h"
#include "RecordFolderLock.h"
#include "Rules.h"
#include "Texts.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <utility>
#include <vector>

void Game::gameClear() {
    GameState& s = m_state;
    const std::size_t mode = modeIndex();
    m_platform.playSound(path(Files::GameClearSound));
    m_platform.setMenuEnabled(MenuItem::N5, false);

    // Another copy of the game may be running on the same record files: while they are read
    // again and replaced, it waits. Errors are shown once the lock is let go.
    std::vector<std::string> errors;
    const auto tryWrite = [&errors](auto&& write) {
        if (std::optional<std::string> failure = failureOf(write))
            errors.push_back(std::move(*failure));
    };
    {
        const RecordFolderLock lock(recordPath(Files::HighScores));
        // A best score the other copy wrote in the meantime is kept, and counts against this one.
        takeBetterScoresFromFile();
        if (s.HighScores.at(mode) < s.Score) {
            s.HighScores[mode] = s.Score;
            // A record that cannot be written is reported, and the game clear goes on: the player
            // still sees the celebration and never drifts into a fifth level.
            tryWrite([this] { WriteHighScores(); });
            m_scene.show(ElementId::LabelNR);
            s.NewRecordShown = true;
            if (s.HammerMode == Rules::NormalOnly) {
                m_platform.setTimerInterval(Rules::CelebrationInterval);
                m_platform.setTimerEnabled(true);
            }
        }

        m_scene.setColor(ElementId::Label1, Colors::Magenta);
        m_scene.setText(ElementId::Label1, Texts::GameClearMessage);
        s.CelebrationPhase = true;

        // A saved game of this mode is cancelled: the file keeps the final score with level 0,
        // which is never offered. A game another copy saved since this one last read or wrote
        // the file is not this one's to cancel.
        if (recordFileExists(recordPath(Files::SavedGame)) &&
            s.HammerMode == s.SavedGame.hammerMode && savedGameFileUnchanged()) {
            s.Level = 0;
            tryWrite([this] { SaveGame(); });
        }
    }
    for (const std::string& error : errors)
        m_platform.reportError(error);
    s.Score = 0;
    s.Level = 0;

    // The monsters circle when the strange hammer plays; with the normal one the new record blinks.
    if (s.HammerMode != Rules::NormalOnly) {
        for (int i = 0; i < 3; ++i) {
            s.OrbitAngles[static_cast<std::size_t>(i)] = 120 * i;
            putOnOrbit(i);
            m_scene.show(s.Monsters[static_cast<std::size_t>(i)]);
        }
        m_platform.setTimerInterval(Rules::CelebrationInterval);
        m_platform.setTimerEnabled(true);
    }
    m_scene.show(ElementId::Label1);
}

void Game::putOnOrbit(int index) {
    const auto i = static_cast<std::size_t>(index);
    const double radians = m_state.OrbitAngles[i] * std::numbers::pi / 180.0;
    const int left =
        static_cast<int>(std::lround(std::cos(radians) * Rules::OrbitRadius)) + Rules::OrbitCenterX;
    const int top =
        Rules::OrbitCenterY - static_cast<int>(std::lround(std::sin(radians) * Rules::OrbitRadius));
    m_scene.moveTo(m_state.Monsters[i], {left, top});
}

void Game::celebrationStep() {
    GameState& s = m_state;
    if (s.HammerMode != Rules::NormalOnly) {
        for (int i = 0; i < 3; ++i) {
            auto& angle = s.OrbitAngles[static_cast<std::size_t>(i)];
            angle += Rules::OrbitStep;
            if (angle == 360)
                angle = 0;
            putOnOrbit(i);
        }
    }
    if (s.NewRecordShown) {
        m_scene.setVisible(ElementId::LabelNR, !m_scene.isVisible(ElementId::LabelNR));
        m_scene.setVisible(ElementId::LabelScore, !m_scene.isVisible(ElementId::LabelScore));
    }
}

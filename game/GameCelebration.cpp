// The game clear: the record, the cancelled saved game and the celebration until the next key.

#include "FileError.h"
#include "Game.h"
#include "RecordFile.h"
#include "Rules.h"
#include "Texts.h"

#include <cmath>
#include <numbers>

void Game::gameClear() {
    GameState& s = m_state;
    const std::size_t mode = modeIndex();
    m_platform.playSound(path(Files::GameClearSound));
    m_platform.setMenuEnabled(MenuItem::N5, false);

    if (s.HighScores.at(mode) < s.Score) {
        s.HighScores[mode] = s.Score;
        // A record that cannot be written is reported, and the game clear goes on: the player
        // still sees the celebration and never drifts into a fifth level.
        try {
            WriteHighScores();
        } catch (const FileError& error) {
            m_platform.reportError(error.what());
        }
        m_scene.show(ElementId::LabelNR);
        s.NewRecordShown = true;
        if (s.HammerMode == 0) {
            m_platform.setTimerInterval(Rules::CelebrationInterval);
            m_platform.setTimerEnabled(true);
        }
    }

    m_scene.setColor(ElementId::Label1, Colors::Magenta);
    m_scene.setText(ElementId::Label1, Texts::GameClearMessage);
    s.CelebrationPhase = true;

    // A saved game of this mode is cancelled: the file keeps the final score with level 0,
    // which is never offered.
    if (recordFileExists(recordPath(Files::SavedGame)) && s.HammerMode == s.SavedGame.hammerMode) {
        s.Level = 0;
        trySaveGame();
    }
    s.Score = 0;
    s.Level = 0;

    if (s.HammerMode >= 1) {
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
    if (s.HammerMode >= 1) {
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

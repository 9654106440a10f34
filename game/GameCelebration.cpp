// The game clear and the celebration until the next key.

#include "Game.h"
#include "Rules.h"
#include "Texts.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

void Game::gameClear() {
    GameState& s = m_state;
    m_platform.playSound(SoundId::GameClear);
    m_platform.setMenuEnabled(MenuItem::N5, false);

    const ClearedGameRecords records = recordClearedGame();
    if (records.newRecord) {
        m_scene.show(ElementId::LabelNR);
        s.NewRecordShown = true;
        if (s.HammerMode == HammerMode::NormalOnly) {
            m_platform.setTimerInterval(Rules::CelebrationInterval);
            m_platform.setTimerEnabled(true);
        }
    }
    m_scene.setColor(ElementId::Label1, Colors::Magenta);
    m_scene.setText(ElementId::Label1, Texts::GameClearMessage);
    s.CelebrationPhase = true;
    for (const GameText& error : records.errors)
        m_platform.reportError(error);
    s.Score = 0;
    s.Level = 0;

    // The monsters circle when the strange hammer plays; with the normal one the new record blinks.
    if (s.HammerMode != HammerMode::NormalOnly) {
        for (int i = 0; i < Rules::MonsterCount; ++i) {
            s.OrbitAngles[static_cast<std::size_t>(i)] = 360 / Rules::MonsterCount * i;
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
    if (s.HammerMode != HammerMode::NormalOnly) {
        for (int i = 0; i < Rules::MonsterCount; ++i) {
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

// The Hammer menu: choosing a mode restarts the game at level 1 with that mode's record.

#include "Game.h"
#include "Rules.h"
#include "StatusTexts.h"

#include <optional>

void Game::chooseHammerMode(MenuItem item) {
    const std::optional<HammerMode> mode = hammerModeOf(item);
    if (!mode || m_platform.isMenuChecked(item))
        return;
    // The question does not stop the timer: the title, the orbit and the blink go on behind it.
    if (m_platform.confirm(Texts::ModeChangeQuestion, DialogButtons::YesNo) != Answer::Yes)
        return;
    m_state.HammerMode = *mode;
    m_state.NormalHammerActive = *mode == HammerMode::NormalOnly;
    for (const MenuItem other : HammerModeItems)
        m_platform.setMenuChecked(other, other == item);
    ResetGame();
}

void Game::ResetGame() {
    GameState& s = m_state;
    s.NewRecordShown = false;
    m_scene.hide(ElementId::LabelNR);
    m_platform.setTimerEnabled(false);
    s.Level = 0;
    m_scene.setText(ElementId::LabelLevel, StatusTexts::level(1));
    s.Score = 0;
    m_scene.setText(ElementId::LabelScore, "0");
    m_scene.setText(ElementId::LabelHighScore, StatusTexts::highScore(currentHighScore()));
    s.LevelStartScore = 0;
    s.ResumePending = false;
    m_scene.setText(ElementId::LabelTime, "60");
    m_scene.setColor(ElementId::Label1, Colors::Yellow);
    m_scene.setText(ElementId::Label1, Texts::StartMessage);
}

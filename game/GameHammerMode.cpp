// The Hammer menu: choosing a mode restarts the game at level 1 with that mode's record.

#include "Game.h"
#include "Rules.h"
#include "StatusTexts.h"

MenuItem Game::menuItemOf(int mode) {
    switch (mode) {
    case Rules::NormalOnly:
        return MenuItem::N2;
    case Rules::StrangeOnly:
        return MenuItem::N3;
    default:
        return MenuItem::N4;
    }
}

void Game::chooseHammerMode(int mode) {
    if (m_platform.isMenuChecked(menuItemOf(mode)))
        return;
    // The question does not stop the timer: the title, the orbit and the blink go on behind it.
    if (m_platform.confirm(Texts::ModeChangeQuestion, DialogButtons::YesNo) != Answer::Yes)
        return;
    m_state.HammerMode = mode;
    m_state.NormalHammerActive = mode == Rules::NormalOnly;
    for (int other = 0; other < Rules::HammerModeCount; ++other)
        m_platform.setMenuChecked(menuItemOf(other), other == mode);
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

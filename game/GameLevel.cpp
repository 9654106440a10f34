// The level flow: start, pause and resume, the monsters' jumps, the clock and the level's end.

#include "Files.h"
#include "Game.h"
#include "Layout.h"
#include "Rules.h"
#include "StatusTexts.h"
#include "Texts.h"

void Game::FormKeyDown() {
    if (m_state.TitlePhase)
        return;
    if (m_state.Playing)
        pause();
    else
        startOrResumeLevel();

    using enum ElementId;
    m_scene.setTop(Label1, MessageTop);
    for (const ElementId label : {LabelTime, LabelLevel, LabelScore, LabelHighScore})
        m_scene.show(label);
    for (const ElementId title : {ImgTitle1, ImgTitle2, ImgRogo})
        m_scene.hide(title);
    m_state.CelebrationPhase = false;
    m_scene.hide(LabelNR);
    m_state.NewRecordShown = false;
    m_platform.setMenuEnabled(MenuItem::N5, true);
}

void Game::playerLeft() {
    // The clock must not run out while nobody watches; coming back does not resume by itself,
    // since the player may be looking elsewhere still. Every other phase already stands still.
    if (m_state.Playing)
        FormKeyDown();
}

void Game::pause() {
    StopPlay();
    m_state.ResumePending = true;
    showMessage(Texts::PauseMessage, Colors::Yellow);
}

void Game::startOrResumeLevel() {
    GameState& s = m_state;
    for (const ElementId monster : s.Monsters)
        m_scene.hide(monster);
    s.Playing = true;
    m_platform.setMenuEnabled(MenuItem::N1, false);
    if (s.NormalHammerActive) {
        m_platform.setCursor(CursorIndex::Hammer);
        m_scene.hide(ElementId::ImgBou);
    } else {
        m_platform.setCursor(CursorIndex::Transparent);
        placeHammerOppositePointer();
    }
    m_random.randomize(m_platform.millisecondsOfDay());
    PlaceMonsters();
    if (!s.ResumePending) {
        s.MoveCounter = 0;
        s.Ticks = 0;
        m_scene.setText(ElementId::LabelTime, "60");
        s.LevelStartScore = s.Score;
        s.Level += 1;
    }
    showStatusLabels();
    m_scene.hide(ElementId::Label1);
    m_platform.setTimerInterval(Rules::PlayInterval);
    m_platform.setTimerEnabled(true);
    s.ResumePending = false;
    // Play goes on: the game is no longer what closing was last answered about.
    m_closeAnswered = false;
}

void Game::showStatusLabels() {
    m_scene.setText(ElementId::LabelScore, StatusTexts::score(m_state.Score));
    m_scene.setText(ElementId::LabelHighScore, StatusTexts::highScore(currentHighScore()));
    m_scene.setText(ElementId::LabelLevel, StatusTexts::level(m_state.Level));
}

void Game::showMessage(const char* text, Color color) {
    m_scene.setColor(ElementId::Label1, color);
    m_scene.setText(ElementId::Label1, text);
    m_scene.show(ElementId::Label1);
}

Point Game::drawMonsterCorner() {
    // Left first, then top: the order of the draws is part of the game.
    const int left = m_random.next(Rules::MonsterLeftRange) + Rules::MonsterAreaLeft;
    const int top = m_random.next(Rules::MonsterTopRange) + Rules::MonsterAreaTop;
    return {left, top};
}

void Game::PlaceMonsters() {
    const auto farApart = [](Point a, Point b) {
        const int dx = a.x - b.x;
        const int dy = a.y - b.y;
        return dx * dx + dy * dy > Rules::MinSquaredDistance;
    };

    const Point first = drawMonsterCorner();
    m_scene.moveTo(m_state.Monsters[0], first);
    m_scene.show(m_state.Monsters[0]);

    Point second = drawMonsterCorner();
    while (!farApart(second, first))
        second = drawMonsterCorner();
    m_scene.moveTo(m_state.Monsters[1], second);
    m_scene.show(m_state.Monsters[1]);

    Point third = drawMonsterCorner();
    while (!farApart(third, first) || !farApart(third, second))
        third = drawMonsterCorner();
    m_scene.moveTo(m_state.Monsters[2], third);
    m_scene.show(m_state.Monsters[2]);
}

void Game::placeHammerOppositePointer() {
    constexpr int m = Rules::HammerEdgeMargin;
    const Point p = m_platform.pointerPosition();
    const Rect w = m_platform.windowRect();
    const Rect hammer = m_scene.rect(ElementId::ImgBou);
    const int top0 = clientTop(w);
    m_state.PrevCursorX = p.x;
    m_state.PrevCursorY = p.y;

    int left = hammer.left;
    if (w.left + m < p.x && p.x < w.right() - m)
        left = w.width - (p.x - w.left);
    if (p.x <= w.left + m)
        left = w.width - hammer.width - m;
    if (p.x >= w.right() - m)
        left = m;

    int top = hammer.top;
    if (top0 + m < p.y && p.y < w.bottom() - m)
        top = w.height - (p.y - w.top);
    if (p.y <= top0 + m)
        top = w.height - hammer.height - m;
    if (p.y >= w.bottom() - m)
        top = m;

    m_scene.moveTo(ElementId::ImgBou, {left, top});
    m_scene.show(ElementId::ImgBou);
}

void Game::StopPlay() {
    m_state.Playing = false;
    m_platform.setCursor(CursorIndex::Arrow);
    m_scene.hide(ElementId::ImgBou);
    m_platform.setMenuEnabled(MenuItem::N1, true);
    for (const ElementId monster : m_state.Monsters)
        m_scene.hide(monster);
    for (const ElementId explosion : m_state.Explosions)
        m_scene.hide(explosion);
    m_platform.setTimerEnabled(false);
}

void Game::setPlayCursor() {
    if (m_state.NormalHammerActive) {
        m_platform.setCursor(CursorIndex::Hammer);
        m_scene.hide(ElementId::ImgBou);
    } else {
        m_platform.setCursor(CursorIndex::Transparent);
        m_scene.show(ElementId::ImgBou);
    }
}

void Game::playStep() {
    GameState& s = m_state;
    s.SavedByMenu = false;
    s.MoveCounter += 1;
    if (s.MoveCounter >= Rules::jumpPeriod(s.Level)) {
        PlaceMonsters();
        for (const ElementId explosion : s.Explosions)
            m_scene.hide(explosion);
        s.MoveCounter = 0;
        if (s.HammerMode == HammerMode::Random) {
            // The pointer's last position is not refreshed: the strange hammer's first movement
            // after a switch makes up the pointer's whole travel.
            s.NormalHammerActive = m_random.next(2) != 0;
            setPlayCursor();
        }
    }
    s.Ticks += 1;
    m_scene.setText(ElementId::LabelTime, StatusTexts::time(s.Ticks));
    if (s.Ticks >= Rules::TicksPerLevel)
        endLevel();
}

void Game::endLevel() {
    GameState& s = m_state;
    StopPlay();
    const int target = Rules::target(s.Level, s.HammerMode);
    if (s.Score < target) {
        m_platform.playSound(SoundId::GameOver);
        s.Level -= 1;
        s.Score = s.LevelStartScore;
        showMessage(Texts::GameOverMessage, Colors::Blue);
    } else if (s.Level == Rules::LastLevel) {
        gameClear();
    } else {
        m_platform.playSound(SoundId::LevelClear);
        showMessage(Texts::LevelClearMessage, Colors::Yellow);
    }
}

void Game::Help2Click() {
    m_platform.openHelp(path(Files::Help), Files::HelpFirstTopic);
    if (m_state.Playing)
        pause();
}

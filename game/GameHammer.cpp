// The hammers: presses on monsters, the strange hammer's swing and its mirrored movement.

#include "Game.h"
#include "Rules.h"
#include "StatusTexts.h"

void Game::monsterPressed(int index) {
    // From the moment the title settles until the first key, and during the celebration, the
    // monsters are only for show.
    if (m_state.CelebrationPhase || m_scene.isVisible(ElementId::ImgRogo))
        return;
    if (m_state.NormalHammerActive)
        hitMonster(index);
    else
        SwingHammer();
}

void Game::hitMonster(int index) {
    const auto i = static_cast<std::size_t>(index);
    const ElementId monster = m_state.Monsters[i];
    const ElementId explosion = m_state.Explosions[i];
    m_platform.playSound(SoundId::Hit);
    m_scene.hide(monster);
    m_scene.moveTo(explosion, {m_scene.left(monster), m_scene.top(monster)});
    m_scene.show(explosion);
    m_state.Score += 1;
    m_scene.setText(ElementId::LabelScore, StatusTexts::score(m_state.Score));
}

void Game::FormMouseDown() {
    if (m_state.Playing && !m_state.NormalHammerActive)
        SwingHammer();
}

void Game::LabelLevelMouseDown() {
    FormMouseDown();
}

void Game::SwingHammer() {
    // Positions alone decide: a monster already hit in this jump counts again where it stood,
    // and a hammer hidden at an edge still swings.
    const Rect b = m_scene.rect(ElementId::ImgBou);
    for (int i = 0; i < Rules::MonsterCount; ++i) {
        const Rect m = m_scene.rect(m_state.Monsters[static_cast<std::size_t>(i)]);
        const bool touches = b.left >= m.left - b.width && m.right() >= b.left &&
                             b.top >= m.top - b.height && m.bottom() >= b.top;
        if (touches)
            hitMonster(i);
    }
}

void Game::FormMouseMove() {
    if (!m_state.Playing || m_state.NormalHammerActive)
        return;
    GameState& s = m_state;
    m_scene.show(ElementId::ImgBou);

    // The hammer moves by the pointer's movement, reversed in both axes.
    const Point p = m_platform.pointerPosition();
    const Rect hammer = m_scene.rect(ElementId::ImgBou);
    m_scene.moveTo(ElementId::ImgBou,
                   {hammer.left - (p.x - s.PrevCursorX), hammer.top - (p.y - s.PrevCursorY)});
    const Point now = m_platform.pointerPosition();
    s.PrevCursorX = now.x;
    s.PrevCursorY = now.y;

    // Near an edge of the window the hammer jumps to the opposite side and hides until the
    // next movement. Each rule reads the pointer afresh.
    constexpr int m = Rules::HammerEdgeMargin;
    const Rect w = m_platform.windowRect();
    if (m_platform.pointerPosition().x <= w.left + m) {
        m_scene.setLeft(ElementId::ImgBou, w.width - hammer.width - m);
        m_scene.hide(ElementId::ImgBou);
    }
    if (m_platform.pointerPosition().x >= w.right() - m) {
        m_scene.setLeft(ElementId::ImgBou, m);
        m_scene.hide(ElementId::ImgBou);
    }
    if (m_platform.pointerPosition().y <= clientTop(w) + m) {
        m_scene.setTop(ElementId::ImgBou, w.height - hammer.height - m);
        m_scene.hide(ElementId::ImgBou);
    }
    if (m_platform.pointerPosition().y >= w.bottom() - m) {
        m_scene.setTop(ElementId::ImgBou, m);
        m_scene.hide(ElementId::ImgBou);
    }
}

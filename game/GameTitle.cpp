// The start-up and the bouncing title.

#include "Game.h"
#include "Rules.h"
#include "Texts.h"

void Game::FormCreate() {
    m_state.AppDir = m_folders.appDir;
    m_platform.registerCursor(CursorIndex::Hammer, path(Files::HammerCursor));
    m_platform.registerCursor(CursorIndex::Transparent, path(Files::TransparentCursor));
    m_state.Monsters = {ElementId::ImgMonster0, ElementId::ImgMonster1, ElementId::ImgMonster2};
    m_state.Explosions = {ElementId::ImgBakuhatu0, ElementId::ImgBakuhatu1,
                          ElementId::ImgBakuhatu2};
    m_platform.setCaption("");
    m_scene.resize(ElementId::ImgTitle1, {40, 6});
    m_scene.resize(ElementId::ImgTitle2, {48, 6});
    m_state.TitleSpeed1 = -10;
    m_state.TitleSpeed2 = +10;
    m_state.TitlePhase = true;
    // A mode change would stop the title's timer for good, so the Hammer menu waits for the end
    // of the title.
    m_platform.setMenuEnabled(MenuItem::N1, false);
    m_platform.setTimerInterval(Rules::TitleInterval);
    m_platform.setTimerEnabled(true);
}

void Game::titleStep() {
    using enum ElementId;
    GameState& s = m_state;

    // The first line rises from 170 to 0 and falls back, growing at every turn.
    m_scene.setTop(ImgTitle1, m_scene.top(ImgTitle1) + s.TitleSpeed1);
    const int top1 = m_scene.top(ImgTitle1);
    if ((s.TitleSpeed1 < 0 && top1 <= 0) || (s.TitleSpeed1 > 0 && top1 >= 170)) {
        s.TitleSpeed1 = -s.TitleSpeed1;
        const Rect r = m_scene.rect(ImgTitle1);
        m_scene.resize(ImgTitle1, {r.width + 40, r.height + 6});
    }
    if (m_scene.rect(ImgTitle1).width >= 400 && m_scene.top(ImgTitle1) >= 165) {
        s.TitleSpeed1 = 0;
        m_scene.setTop(ImgTitle1, 170);
    }

    // The second line falls from 230 to 400 and rises back, growing at every turn.
    m_scene.setTop(ImgTitle2, m_scene.top(ImgTitle2) + s.TitleSpeed2);
    const int top2 = m_scene.top(ImgTitle2);
    if ((s.TitleSpeed2 < 0 && top2 <= 230) || (s.TitleSpeed2 > 0 && top2 >= 400)) {
        s.TitleSpeed2 = -s.TitleSpeed2;
        const Rect r = m_scene.rect(ImgTitle2);
        m_scene.resize(ImgTitle2, {r.width + 48, r.height + 6});
    }
    if (m_scene.rect(ImgTitle2).width >= 480 && m_scene.top(ImgTitle2) <= 235) {
        s.TitleSpeed2 = 0;
        m_scene.setTop(ImgTitle2, 230);
    }

    // Both settle on the same tick; the settled picture is held for a hundred ticks.
    if (s.TitleSpeed1 == 0 && s.TitleSpeed2 == 0) {
        m_platform.setCaption(Texts::Caption);
        for (const ElementId monster : s.Monsters)
            m_scene.show(monster);
        m_scene.show(ImgRogo);
        s.MoveCounter += 1;
        if (s.MoveCounter >= Rules::TitleHoldTicks) {
            s.MoveCounter = 0;
            endTitle();
        }
    }
}

void Game::endTitle() {
    m_platform.setTimerEnabled(false);
    m_platform.setTimerInterval(Rules::PlayInterval);

    if (!loadRecords()) {
        m_state.HammerMode = 1;
        m_state.NormalHammerActive = false;
        m_platform.setMenuChecked(MenuItem::N3, true);
    }

    m_scene.setText(ElementId::Label1, Texts::StartMessage);
    m_scene.setTop(ElementId::Label1, 400);
    m_scene.show(ElementId::Label1);
    m_state.TitlePhase = false;
    m_platform.setMenuEnabled(MenuItem::N1, true);
}

// The start-up and the bouncing title.

#include "Files.h"
#include "Game.h"
#include "Layout.h"
#include "Rules.h"
#include "Texts.h"

#include <algorithm>

void Game::FormCreate() {
    m_state.AppDir = m_folders.appDir;
    m_platform.registerCursor(CursorIndex::Hammer, path(Files::HammerCursor));
    m_platform.registerCursor(CursorIndex::Transparent, path(Files::TransparentCursor));
    m_state.Monsters = {ElementId::ImgMonster0, ElementId::ImgMonster1, ElementId::ImgMonster2};
    m_state.Explosions = {ElementId::ImgBakuhatu0, ElementId::ImgBakuhatu1,
                          ElementId::ImgBakuhatu2};
    m_platform.setCaption("");
    m_scene.resize(TitleLine1.element, TitleLine1.start);
    m_scene.resize(TitleLine2.element, TitleLine2.start);
    m_state.TitleSpeed1 = TitleLine1.outwards() * TitleSpeed;
    m_state.TitleSpeed2 = TitleLine2.outwards() * TitleSpeed;
    m_state.TitlePhase = true;
    // A mode change would stop the title's timer for good, so the Hammer menu waits for the end
    // of the title.
    m_platform.setMenuEnabled(MenuItem::N1, false);
    m_platform.setTimerInterval(Rules::TitleInterval);
    m_platform.setTimerEnabled(true);
}

void Game::bounceTitleLine(const TitleLine& line, std::int32_t& speed) {
    m_scene.setTop(line.element, m_scene.top(line.element) + speed);
    const int top = m_scene.top(line.element);
    const int upper = std::min(line.home, line.far);
    const int lower = std::max(line.home, line.far);
    if ((speed < 0 && top <= upper) || (speed > 0 && top >= lower)) {
        speed = -speed;
        const Rect r = m_scene.rect(line.element);
        m_scene.resize(line.element, {r.width + line.growth.width, r.height + line.growth.height});
    }
    // How far the line stands from home on its way out; resizing leaves its top where it was.
    const bool backHome = line.outwards() * (top - line.home) <= TitleSettleSlack;
    if (m_scene.rect(line.element).width >= line.settledWidth && backHome) {
        speed = 0;
        m_scene.setTop(line.element, line.home);
    }
}

void Game::titleStep() {
    using enum ElementId;
    GameState& s = m_state;
    bounceTitleLine(TitleLine1, s.TitleSpeed1);
    bounceTitleLine(TitleLine2, s.TitleSpeed2);

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
        m_state.HammerMode = HammerMode::StrangeOnly;
        m_state.NormalHammerActive = false;
        m_platform.setMenuChecked(menuItemOf(HammerMode::StrangeOnly), true);
    }

    m_scene.setText(ElementId::Label1, Texts::StartMessage);
    m_scene.setTop(ElementId::Label1, StartMessageTop);
    m_scene.show(ElementId::Label1);
    m_state.TitlePhase = false;
    m_platform.setMenuEnabled(MenuItem::N1, true);
}

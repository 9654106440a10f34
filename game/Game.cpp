#include "Game.h"

#include <utility>

Game::Game(Platform& platform, FileLocations folders)
    : m_platform(platform), m_folders(std::move(folders)),
      m_scene(
          [&platform](const GameText& text, Font font) { return platform.textSize(text, font); }) {}

void Game::Timer1Timer() {
    // The play step does not look at Playing: the timer is off whenever no level is in play.
    if (m_state.TitlePhase)
        titleStep();
    else if (m_state.CelebrationPhase)
        celebrationStep();
    else
        playStep();
}

void Game::mousePressed(Point clientPos, MouseButton button) {
    const MouseTarget target = m_mouse.press(m_scene, clientPos, button);
    if (target.kind == MouseTarget::Kind::Window)
        FormMouseDown();
    if (target.kind != MouseTarget::Kind::Element)
        return;
    switch (target.element) {
    case ElementId::ImgMonster0:
        ImgMonster0MouseDown();
        break;
    case ElementId::ImgMonster1:
        ImgMonster1MouseDown();
        break;
    case ElementId::ImgMonster2:
        ImgMonster2MouseDown();
        break;
    case ElementId::LabelHighScore:
    case ElementId::LabelLevel:
    case ElementId::LabelTime:
    case ElementId::LabelScore:
        LabelLevelMouseDown();
        break;
    default:
        break; // the other elements swallow the press
    }
}

void Game::mouseMoved(Point clientPos, bool leftHeld) {
    // No element of the main window handles movements: only the bare field moves the hammer.
    if (m_mouse.move(m_scene, clientPos, leftHeld) == MouseTarget::window())
        FormMouseMove();
}

void Game::mouseReleased(MouseButton button) {
    m_mouse.release(button);
}

void Game::mouseLost() {
    m_mouse.lose();
}

void Game::menuChosen(MenuItem item) {
    switch (item) {
    case MenuItem::N2:
    case MenuItem::N3:
    case MenuItem::N4:
        chooseHammerMode(item);
        break;
    case MenuItem::N5:
        N5Click();
        break;
    case MenuItem::Help2:
        Help2Click();
        break;
    case MenuItem::N7:
        N7Click();
        break;
    case MenuItem::N1:
    case MenuItem::Help1:
        break; // drop-down menus: they only open
    }
}

void Game::N7Click() {
    m_platform.showAbout();
}

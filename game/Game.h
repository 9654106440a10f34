#pragma once

#include "Folders.h"
#include "GameState.h"
#include "MouseRouter.h"
#include "Platform.h"
#include "Random.h"
#include "Scene.h"

#include <string>

// The game: its state, its elements and the handlers of every event the main window receives.
// The window turns Qt events into these calls and paints the scene; the game knows no toolkit.
// The handlers are grouped in files by subject: title, level, hammer, celebration, hammer mode
// and saving.
class Game {
public:
    Game(Platform& platform, Folders folders);
    // The game kept in one folder (`appDir`, with a trailing separator): records in its data/.
    Game(Platform& platform, const std::string& appDir)
        : Game(platform, Folders::portable(appDir)) {}

    const GameState& state() const { return m_state; }
    const Scene& scene() const { return m_scene; }
    Scene& scene() { return m_scene; }
    Random& random() { return m_random; }

    // Start-up and the timer.
    void FormCreate();
    void Timer1Timer();

    // Keys and the mouse.
    void FormKeyDown();
    void FormMouseDown();
    void FormMouseMove();
    void LabelLevelMouseDown();
    void ImgMonster0MouseDown() { monsterPressed(0); }
    void ImgMonster1MouseDown() { monsterPressed(1); }
    void ImgMonster2MouseDown() { monsterPressed(2); }

    // Raw mouse events in client coordinates, routed to the handlers above.
    void mousePressed(Point clientPos, MouseButton button);
    void mouseMoved(Point clientPos);
    void mouseReleased(MouseButton button);

    // Menu commands.
    void N2Click() { chooseHammerMode(MenuItem::N2, 0); }
    void N3Click() { chooseHammerMode(MenuItem::N3, 1); }
    void N4Click() { chooseHammerMode(MenuItem::N4, 2); }
    void N5Click();
    void Help2Click();
    void N7Click();

    // Asked before the window closes; false keeps it open.
    bool FormCloseQuery();

private:
    // Title (GameTitle.cpp).
    void titleStep();
    void endTitle();

    // Level flow (GameLevel.cpp).
    void pause();
    void startOrResumeLevel();
    void PlaceMonsters();
    Point drawMonsterCorner();
    void placeHammerOppositePointer();
    void StopPlay();
    void playStep();
    void endLevel();
    void showMessage(const char* text, Color color);
    void showStatusLabels();
    void setPlayCursor();
    int currentHighScore() const { return m_state.HighScores.at(modeIndex()); }
    std::size_t modeIndex() const { return static_cast<std::size_t>(m_state.HammerMode); }

    // Hammers and hits (GameHammer.cpp).
    void monsterPressed(int index);
    void hitMonster(int index);
    void SwingHammer();

    // Celebration (GameCelebration.cpp).
    void gameClear();
    void celebrationStep();
    void putOnOrbit(int index);

    // Hammer mode (GameHammerMode.cpp).
    void chooseHammerMode(MenuItem item, int mode);
    void ResetGame();

    // Records and saving (GameSaving.cpp).
    bool loadRecords();
    void loadHighScores();
    bool offerSavedGame();
    void restoreSavedGame();
    void WriteHighScores();
    void SaveGame();
    bool trySaveGame();
    void resumeAfterQuestion();
    std::string path(const char* relative) const { return m_state.AppDir + relative; }
    std::string recordPath(const char* name) const { return m_folders.recordDir + name; }
    // The record file to write, its folder made first where the player has none yet.
    std::string recordPathForWriting(const char* name) const;

    Platform& m_platform;
    Folders m_folders;
    GameState m_state;
    Scene m_scene;
    Random m_random;
    MouseRouter m_mouse;
};

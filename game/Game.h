#pragma once

#include "FileLocations.h"
#include "GameState.h"
#include "MouseRouter.h"
#include "Platform.h"
#include "Random.h"
#include "Rules.h"
#include "Scene.h"
#include "ScoreTable.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TitleLine;

// The game: its state, its elements and the handlers of every event the main window receives.
// The window turns Qt events into these calls and paints the scene; the game knows no toolkit.
// The handlers are grouped in files by subject: title, level, hammer, celebration, hammer mode
// and saving. Handlers and the game's own operations (PlaceMonsters, StopPlay, SwingHammer, ...)
// keep the PascalCase names the game's design gives them; everything else is camelCase.
class Game {
public:
    Game(Platform& platform, FileLocations folders);
    // The game kept in one folder (`appDir`, with a trailing separator): records in its data/.
    Game(Platform& platform, const std::string& appDir)
        : Game(platform, FileLocations::portable(appDir)) {}

    const GameState& state() const { return m_state; }
    const Scene& scene() const { return m_scene; }
    Scene& scene() { return m_scene; }

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

    // Raw mouse events in client coordinates, routed to the handlers above. `leftHeld` is the
    // left button's state that comes with a movement; mouseLost() tells that a dialog, a menu
    // or another window took the mouse, so no release will follow.
    void mousePressed(Point clientPos, MouseButton button);
    void mouseMoved(Point clientPos, bool leftHeld);
    void mouseReleased(MouseButton button);
    void mouseLost();
    // The player left the game for another program, or the desktop hid it (minimised, the
    // screen locked): a level in play pauses as a key would pause it.
    void playerLeft();

    // Menu commands, and the command chosen from the menu bar routed to its handler.
    void menuChosen(MenuItem item);
    void N2Click() { chooseHammerMode(MenuItem::N2); }
    void N3Click() { chooseHammerMode(MenuItem::N3); }
    void N4Click() { chooseHammerMode(MenuItem::N4); }
    void N5Click();
    void Help2Click();
    void N7Click();

    // Asked before the window closes; false keeps it open.
    bool FormCloseQuery();
    // The game ends with nobody to answer (a signal, or a session end that allows no
    // interaction): a game that closing would have offered to save is saved as if the answer
    // were Yes; otherwise nothing is written. Never asks.
    void closeWithoutAsking();

    // The ten best game clears of each mode as the score file holds them now; a file that cannot
    // be read gives what could be read of it, and no error.
    ScoreTable readScores() const;
    // The entry the latest game clear of this run put into the table, by mode index.
    struct LatestScore {
        std::size_t mode = 0;
        ScoreEntry entry;
    };
    const std::optional<LatestScore>& latestScore() const { return m_latestScore; }

private:
    // Title (GameTitle.cpp).
    void titleStep();
    void bounceTitleLine(const TitleLine& line, std::int32_t& speed);
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
    int currentHighScore() const { return m_state.HighScores.at(modeIndex(m_state.HammerMode)); }

    // The top of the client area in screen coordinates: the window's outer rectangle less the
    // client area's height, which leaves the caption, the frame and the menu bar above it.
    int clientTop(const Rect& window) const {
        return window.top + window.height - m_platform.clientHeight();
    }

    // Hammers and hits (GameHammer.cpp).
    void monsterPressed(int index);
    void hitMonster(int index);
    void SwingHammer();

    // Game clear and celebration (GameCelebration.cpp).
    void gameClear();
    void celebrationStep();
    void putOnOrbit(int index);

    // Hammer mode (GameHammerMode.cpp).
    // Chooses the mode of an item of the Hammer menu; the menu's other items choose nothing.
    void chooseHammerMode(MenuItem item);
    void ResetGame();

    // Records and saving (GameSaving.cpp).
    // Reads both records at the end of the title and offers a saved game.
    bool loadRecords();
    // These two throw FileError for a file that cannot be read; false: there is no saved game.
    void loadHighScores();
    bool readSavedGame();
    bool offerSavedGame();
    void restoreSavedGame();
    void WriteHighScores();
    void SaveGame();
    bool trySaveGame();
    bool closeWouldAsk() const;
    // A question stops the clock; a level in play resumes where it stood once it is answered.
    void holdForQuestion();
    void resumeAfterQuestion();
    // Closing was answered Yes, and saved, or No: the answer stands. True: the close goes ahead.
    bool keepCloseAnswer();
    // Another copy of the game may have written the record files since this one read them.
    void takeBetterScoresFromFile();
    bool savedGameFileUnchanged() const;
    // The game clear's update of the record files: a better score recorded, a saved game of the
    // mode cancelled. Errors are shown by the caller, once the records folder's lock is let go.
    struct ClearedGameRecords {
        bool newRecord = false;
        std::vector<GameText> errors;
    };
    ClearedGameRecords recordClearedGame();
    // Adds the game clear to the score file when it reaches the ten best of its mode
    // (GameScores.cpp); called under the records folder's lock.
    void recordScore(ClearedGameRecords& result);
    std::string path(const char* relative) const { return m_state.AppDir + relative; }
    std::string recordPath(const char* name) const { return m_folders.recordDir + name; }
    // The record file to write, its folder made first where the player has none yet.
    std::string recordPathForWriting(const char* name) const;

    Platform& m_platform;
    FileLocations m_folders;
    GameState m_state;
    Scene m_scene;
    Random m_random;
    MouseRouter m_mouse;
    // The last answer to closing still stands: no level was started or resumed since.
    bool m_closeAnswered = false;
    std::optional<LatestScore> m_latestScore;
};

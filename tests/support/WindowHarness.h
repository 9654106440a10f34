#pragma once

#include "HammerMode.h"
#include "MainWindow.h"

#include <QList>
#include <QSignalBlocker>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

class Game;
class QAction;
class Scene;

// A point of the bare field, where no visible element lies, away from the window's edges.
QPoint bareSpot(const Scene& scene);

// Runs `act` on the next modal dialog as soon as it is up, from inside its event loop.
void whenDialogOpens(std::function<void(QWidget& dialog)> act);

// The menu items' captions in order, "-" for a separator.
QStringList captions(const QList<QAction*>& actions);

// The main window in this process, shown and active, over a fresh folder of its own. Its real
// timer never reaches the game: the tests give every tick themselves, so a busy machine cannot
// slip one in.
class WindowHarness : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Game& game() { return m_window->game(); }
    MainWindow& window() { return *m_window; }

    // Drives the title to its end, tick by tick, and leaves the game in the Ready phase.
    void runTitle();
    // Chooses a mode from the Hammer menu and answers Yes to the question that a change of mode
    // asks.
    void chooseMode(HammerMode mode);
    // The title, the hammer mode chosen when one is given (else the Ready phase's own), then a
    // key: level 1 is in play.
    void startLevel1(std::optional<HammerMode> mode = std::nullopt);
    // Presses a key on the field, as the player would.
    void pressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // Alt pressed and released alone, with the modifiers the window system reports.
    void pressAltAlone();
    // A pixel of the field, at whatever scale it is drawn, in the window's coordinates.
    QPoint inWindow(QPoint fieldPos) const;
    // Mouse clicks at a pixel of the field, through the window system's event queue.
    void clickField(Qt::MouseButton button, QPoint fieldPos);
    void doubleClickField(Qt::MouseButton button, QPoint fieldPos);

    // Lays files into the data folder before the window is made.
    virtual void prepareFolder() {}

    QTemporaryDir m_folder;
    std::unique_ptr<MainWindow> m_window;
    std::optional<QSignalBlocker> m_realTicks;
};

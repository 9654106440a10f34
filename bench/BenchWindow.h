#pragma once

#include "MainWindow.h"
#include "PlayerFolder.h"

#include <memory>

class Game;

// The real main window over a player's folder of its own, shown and settled, driven the way the
// player drives it. Its timer is stopped while the title is stepped by hand, so the bench decides
// when each title tick happens; play runs on the real timer.
class BenchWindow {
public:
    BenchWindow();
    ~BenchWindow();

    bool isValid() const { return m_window != nullptr; }
    MainWindow& window() { return *m_window; }
    Game& game();
    QWidget& field();

    // Steps the title tick by tick to the Ready phase.
    void finishTitle();
    // One key press on the field, as the window system delivers it.
    void pressKey();
    // Picks the hammer mode of a Hammer menu item and answers its question with Yes.
    void chooseHammer(MenuItem item);
    // The field's point in screen coordinates.
    QPoint toScreen(QPoint fieldPoint);

private:
    PlayerFolder m_folder;
    std::unique_ptr<MainWindow> m_window;
};

#pragma once

#include "FileLocations.h"
#include "Pictures.h"
#include "Platform.h"
#include "PlayerSettings.h"

#include <QMainWindow>
#include <memory>
#include <optional>

class FieldWidget;
class Game;
class GameMenus;
class GameTimer;
class HandlerRunner;
class ProgramEnd;
class QtPlatform;
class QtReachableFolder;

// The game's one window: a black field under the menu bar, at the size the player chose, or
// covering the screen. It creates the game, turns every Qt event into the game's handler, and
// repaints what the handler changed.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The game reads its files from `folders.appDir` and keeps its records in
    // `folders.recordDir`.
    explicit MainWindow(const FileLocations& folders, QWidget* parent = nullptr);
    // The game kept in one folder, `appDir`, with a trailing separator.
    explicit MainWindow(const QString& appDir, QWidget* parent = nullptr);
    ~MainWindow() override;

    Game& game() { return *m_game; }
    FieldWidget& field() { return *m_field; }
    GameMenus& menus() { return *m_menus; }
    GameTimer& timer() { return *m_timer; }
    const PlayerSettings& settings() const { return m_settings; }

    // One tick of Timer1, as the timer delivers it.
    void tick();

    // A signal asked the program to end: it ends at once and waits for no answer. What closing
    // would have offered to save is saved as if the answer were Yes (ProgramEnd).
    void endWithoutAsking();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // The window's parts, the game and the two that run its handlers and its end.
    void build(const FileLocations& folders);
    // Every Qt event the game hears, turned into its handler.
    void wire();
    // The game starts, and the window takes its place on the desktop.
    void start();
    void onMenuChosen(MenuItem item);
    // The player's settings take effect and are remembered.
    void applySettings(const PlayerSettings& chosen);
    // The field at the chosen size in a window, or covering the screen.
    void showAtChosenSize();
    // The chosen size, or the largest smaller one that fits the screen.
    WindowSize fittingSize(WindowSize wanted) const;
    bool fitsScreen(WindowSize size) const;
    void offerFittingSizes();
    void showHighScores();
    void onKeyPressed(int key, Qt::KeyboardModifiers modifiers);
    void giveKeysBackToField();
    void selectMenuBar();
    void centreOnDesktop();

    Pictures m_pictures;
    std::unique_ptr<QtReachableFolder> m_gameFiles;
    FieldWidget* m_field = nullptr;
    GameMenus* m_menus = nullptr;
    GameTimer* m_timer = nullptr;
    std::unique_ptr<SettingsFile> m_settingsFile;
    PlayerSettings m_settings;
    std::unique_ptr<QtPlatform> m_platform;
    std::unique_ptr<Game> m_game;
    HandlerRunner* m_runner = nullptr;
    ProgramEnd* m_end = nullptr;
    // The window stands centred with the frame the window manager put around it.
    bool m_centredWithFrame = false;
    // The scale of the field in a window and where its client area stood, kept while the window
    // covers the screen.
    qreal m_windowScale = 1.0;
    std::optional<QPoint> m_windowPlace;
};

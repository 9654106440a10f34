#pragma once

#include "Platform.h"
#include "PlayerSettings.h"

#include <QObject>
#include <array>

class QAction;
class QMenu;
class QMenuBar;

// The main window's menu bar: the Hammer menu, the save command right on the bar, the Settings
// menu and the Help menu. The game keeps the check marks of its own items itself, so a chosen
// item never toggles its own mark; the Settings menu is the window's and marks its own choices.
class GameMenus : public QObject {
    Q_OBJECT
public:
    explicit GameMenus(QMenuBar& bar);

    void setEnabled(MenuItem item, bool enabled);
    void setChecked(MenuItem item, bool checked);
    bool isChecked(MenuItem item) const;

    QAction* action(MenuItem item) const;
    QAction* soundAction() const { return m_sound; }
    QAction* sizeAction(WindowSize size) const { return m_sizes[static_cast<std::size_t>(size)]; }
    QAction* fullScreenAction() const { return m_fullScreen; }
    // The window's own item at the foot of the Hammer menu, enabled whenever that menu is.
    QAction* highScoresAction() const { return m_highScores; }
    // The drop-down menus, whose closing gives the keyboard back to the field.
    std::array<QMenu*, 3> dropDowns() const { return {m_hammerMenu, m_settingsMenu, m_helpMenu}; }

    // Marks the settings in force, without telling anyone they changed.
    void showSettings(const PlayerSettings& settings);

signals:
    void chosen(MenuItem item);
    // The player changed a setting.
    void settingsChosen(const PlayerSettings& settings);

private:
    static constexpr std::size_t index(MenuItem item) { return static_cast<std::size_t>(item); }
    void addCommand(QMenu& menu, MenuItem item, const QString& caption, bool checkable);
    void wire(MenuItem item);
    void addSettings(QMenuBar& bar);
    PlayerSettings chosenSettings() const;

    QMenu* m_hammerMenu = nullptr;
    QMenu* m_settingsMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QAction* m_sound = nullptr;
    std::array<QAction*, WindowSizeCount> m_sizes{};
    QAction* m_fullScreen = nullptr;
    QAction* m_highScores = nullptr;
    std::array<QAction*, MenuItemCount> m_actions{};
    std::array<bool, MenuItemCount> m_checked{};
};

#pragma once

#include "Platform.h"

#include <QObject>
#include <array>

class QAction;
class QMenu;
class QMenuBar;

// The main window's menu bar: the Hammer menu, the save command right on the bar and the Help
// menu. The game keeps the check marks itself, so a chosen item never toggles its own mark.
class GameMenus : public QObject {
    Q_OBJECT
public:
    explicit GameMenus(QMenuBar& bar);

    void setEnabled(MenuItem item, bool enabled);
    void setChecked(MenuItem item, bool checked);
    bool isChecked(MenuItem item) const;

    QAction* action(MenuItem item) const;
    // The drop-down menus, whose closing gives the keyboard back to the field.
    std::array<QMenu*, 2> dropDowns() const { return {m_hammerMenu, m_helpMenu}; }

signals:
    void chosen(MenuItem item);

private:
    static constexpr std::size_t index(MenuItem item) { return static_cast<std::size_t>(item); }
    void addCommand(QMenu& menu, MenuItem item, const QString& caption, bool checkable);
    void wire(MenuItem item);

    QMenu* m_hammerMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    std::array<QAction*, MenuItemCount> m_actions{};
    std::array<bool, MenuItemCount> m_checked{};
};

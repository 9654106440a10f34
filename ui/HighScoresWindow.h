#pragma once

#include "Game.h"

#include <QDialog>
#include <cstddef>
#include <optional>

class QTabWidget;
class QWidget;

// The ten best game clears of each hammer mode, one tab a mode, read-only. The tab of the mode
// in play is open, and the clear this run added last stands out in bold and selected. It is
// made afresh each time it opens, from the score file as it stands then, and closed with its
// Close button (Enter), Escape or its close box.
class HighScoresWindow : public QDialog {
    Q_OBJECT
public:
    HighScoresWindow(const ScoreTable& table, std::size_t currentMode,
                     const std::optional<Game::LatestScore>& latest, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }

private:
    // The mode's entries as a list, or a note that nobody has cleared a game in it yet.
    static QWidget* modePage(const std::vector<ScoreEntry>& entries, const ScoreEntry* latest);

    QTabWidget* m_tabs = nullptr;
};

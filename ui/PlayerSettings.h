#pragma once

#include <QString>
#include <utility>

// How large the field is drawn in a window: the field's own 617 × 460 pixels, half as large again,
// or twice as large.
enum class WindowSize { Normal, OneAndHalf, Double };
inline constexpr int WindowSizeCount = 3;

qreal scaleOf(WindowSize size);

// What the player chose in the Settings menu. The defaults are the game as it always was: sound
// on, the normal size, a window.
struct PlayerSettings {
    bool soundOn = true;
    WindowSize size = WindowSize::Normal;
    bool fullScreen = false;

    bool operator==(const PlayerSettings&) const = default;
};

// The player's settings file, a small INI file. Whatever it lacks, or holds in a form the game
// does not know, reads as the default; a file that cannot be read at all gives the defaults
// without a word. Nothing here ever stops the game. An empty path remembers nothing.
class SettingsFile {
public:
    explicit SettingsFile(QString path) : m_path(std::move(path)) {}

    PlayerSettings read() const;
    // Writes the settings; false when the file could not be written, and the settings then hold
    // for this run only. Two copies writing at once take turns, and each write replaces the file
    // whole.
    bool write(const PlayerSettings& settings) const;

private:
    QString m_path;
};

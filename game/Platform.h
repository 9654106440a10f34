#pragma once

#include "Element.h"
#include "Geometry.h"
#include "MenuItem.h"

#include <cstdint>
#include <string>

enum class CursorIndex : std::uint8_t { Arrow = 0, Hammer = 1, Transparent = 2 };
inline constexpr int CursorCount = 3;
static_assert(static_cast<int>(CursorIndex::Transparent) + 1 == CursorCount);

// The game's sounds, asked for by name: the window knows their files.
enum class SoundId : std::uint8_t { Hit, GameOver, LevelClear, GameClear };
inline constexpr int SoundCount = 4;
static_assert(static_cast<int>(SoundId::GameClear) + 1 == SoundCount);

enum class DialogButtons : std::uint8_t { YesNo, YesNoCancel };
enum class Answer : std::uint8_t { Yes, No, Cancel };

// Everything the game asks of the window system, and nothing more. The window implements it
// with Qt; the tests implement it with a fake that records calls and answers from a script.
class Platform {
public:
    virtual ~Platform() = default;

    // Timer1. A change of either value restarts the period; the same value changes nothing.
    virtual void setTimerInterval(int milliseconds) = 0;
    virtual void setTimerEnabled(bool enabled) = 0;

    virtual void setCaption(const GameText& caption) = 0;
    virtual void registerCursor(CursorIndex index, const std::string& path) = 0;
    virtual void setCursor(CursorIndex index) = 0;

    // The pointer and the window's outer rectangle (frame, title bar and menu bar included),
    // both in screen coordinates, and the height of the client area.
    virtual Point pointerPosition() const = 0;
    virtual Rect windowRect() const = 0;
    virtual int clientHeight() const = 0;

    virtual void setMenuEnabled(MenuItem item, bool enabled) = 0;
    virtual void setMenuChecked(MenuItem item, bool checked) = 0;
    virtual bool isMenuChecked(MenuItem item) const = 0;

    // A modal question; timer ticks keep arriving while it is open.
    virtual Answer confirm(const GameText& message, DialogButtons buttons) = 0;
    // The error box: the game's caption, a stop icon, OK, and the message.
    virtual void reportError(const GameText& message) = 0;

    // Plays a sound asynchronously, cutting off the sound still playing; a sound whose file is
    // missing plays nothing.
    virtual void playSound(SoundId sound) = 0;
    // Opens the help file at a topic and returns at once.
    virtual void openHelp(const std::string& path, int context) = 0;
    // Shows the about box modally.
    virtual void showAbout() = 0;

    // The size a label's text takes in the given font, for labels that size themselves.
    virtual Size textSize(const GameText& text, Font font) const = 0;
    // Milliseconds since midnight, UTC: the random source's seed.
    virtual std::int64_t millisecondsOfDay() const = 0;
    // Seconds since 1970-01-01 00:00 UTC: the date of a game clear.
    virtual std::int64_t secondsSinceEpoch() const = 0;
    // The player's name for the score table, UTF-8: the account's full name, or its login name
    // when it has none.
    virtual std::string playerName() const = 0;
};

#pragma once

#include <QByteArray>
#include <optional>
#include <utility>
#include <vector>

// What the environment tells Qt while the application object is made, and only then: the
// environment is given back as the player had it once Qt has read it, so that programs the game
// opens, and the desktop's language, see the player's own.
//
// Natively on Wayland the window cannot centre itself and the pointer is only known inside the
// window, while the hammers read it against the window on the screen; through XWayland both
// work. So X11 comes first, Wayland only where there is no X server. A player's own
// QT_QPA_PLATFORM always wins.
//
// Qt works in UTF-8: started in a locale of another character encoding (the C locale of a bare
// system or of a service, say) it switches the character type to UTF-8 itself and prints four
// lines of warning on the player's terminal. The game makes the same switch beforehand, quietly:
// the character type becomes the UTF-8 form of the player's locale, or C.UTF-8, while the
// language and every other category stay the player's.
class StartEnvironment {
public:
    StartEnvironment();
    ~StartEnvironment() { restore(); }
    StartEnvironment(const StartEnvironment&) = delete;
    StartEnvironment& operator=(const StartEnvironment&) = delete;

    // Gives the player's environment back.
    void restore();

private:
    void preferX11();
    void useUtf8CharacterType();
    void set(const char* name, const QByteArray& value);
    void unset(const char* name);

    // Each variable changed, with the value it had, or none when it was unset.
    std::vector<std::pair<const char*, std::optional<QByteArray>>> m_saved;
};

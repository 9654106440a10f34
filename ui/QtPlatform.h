#pragma once

#include "Platform.h"
#include "SoundPlayer.h"

#include <QCursor>
#include <QPointer>
#include <array>
#include <optional>

class AboutBox;
class FieldWidget;
class GameMenus;
class GameTimer;
class HelpWindow;
class Pictures;
class QWidget;
class QtReachableFolder;

// What the game asks of the window system, answered with Qt on the main window.
class QtPlatform : public Platform {
public:
    // The game's cursors, sounds and help are read from `gameFiles`; sounds play when
    // `soundOn`.
    QtPlatform(QWidget& window, FieldWidget& field, GameTimer& timer, GameMenus& menus,
               const Pictures& pictures, const QtReachableFolder& gameFiles, bool soundOn);
    ~QtPlatform() override;

    // While a mouse event is handled, the pointer is where that event puts it, in screen
    // coordinates: asking the window system would cost a round trip for each of the several
    // reads a hammer movement makes. One EventPointer lives for the handling of one event.
    class EventPointer {
    public:
        EventPointer(QtPlatform& platform, QPoint screenPos) : m_platform(platform) {
            m_platform.m_eventPointer = screenPos;
        }
        ~EventPointer() { m_platform.m_eventPointer.reset(); }
        EventPointer(const EventPointer&) = delete;
        EventPointer& operator=(const EventPointer&) = delete;

    private:
        QtPlatform& m_platform;
    };

    // Once the game is ending with nobody to answer, no dialog is shown: a question takes the
    // answer a closed dialog gives (Cancel, or No where there is no Cancel) and an error goes
    // to standard error.
    void setUnattended(bool unattended) { m_unattended = unattended; }

    // The player's sound switch.
    void setSoundOn(bool on) { m_sounds.setOn(on); }
    // The field has been drawn at another scale: the hammer cursor follows it.
    void fieldScaled();

    void setTimerInterval(int milliseconds) override;
    void setTimerEnabled(bool enabled) override;
    void setCaption(const GameText& caption) override;
    void registerCursor(CursorIndex index, const std::string& path) override;
    void setCursor(CursorIndex index) override;
    Point pointerPosition() const override;
    Rect windowRect() const override;
    int clientHeight() const override;
    void setMenuEnabled(MenuItem item, bool enabled) override;
    void setMenuChecked(MenuItem item, bool checked) override;
    bool isMenuChecked(MenuItem item) const override;
    Answer confirm(const GameText& message, DialogButtons buttons) override;
    void reportError(const GameText& message) override;
    void playSound(SoundId sound) override;
    void openHelp(const std::string& path, int context) override;
    void showAbout() override;
    Size textSize(const GameText& text, Font font) const override;
    std::int64_t millisecondsOfDay() const override;
    std::int64_t secondsSinceEpoch() const override;
    std::string playerName() const override;

private:
    static constexpr std::size_t index(CursorIndex i) { return static_cast<std::size_t>(i); }
    // A point of the screen as the game sees it: the field at its own size, where it stands,
    // with the window's frame and menu bar around it as they are. At the normal size in a window
    // this is the screen itself.
    Point onGameScreen(QPoint screenPos) const;
    // The field's top left corner on the screen, in whole pixels.
    QPoint fieldOrigin() const;

    QWidget& m_window;
    FieldWidget& m_field;
    GameTimer& m_timer;
    GameMenus& m_menus;
    const QtReachableFolder& m_gameFiles;
    // Made with the window: reading the four sounds takes well under a millisecond, and the
    // server is reached on the sound library's own thread.
    SoundPlayer m_sounds;
    std::optional<QPoint> m_eventPointer;
    // Index 0 is the arrow; a cursor file that could not be read leaves its index empty.
    std::array<std::optional<QCursor>, CursorCount> m_cursors;
    CursorIndex m_cursor = CursorIndex::Arrow;
    QPointer<HelpWindow> m_help;
    const Pictures& m_pictures;
    // Made when the player first asks for it: its fonts and sizing cost the first frame a few
    // milliseconds. The window owns it, and it is shown again at every request, where the player
    // left it.
    QPointer<AboutBox> m_about;
    bool m_unattended = false;
};

#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// The virtual X server the end-to-end tests run in, and the few things they ask of it.
namespace X11Session {

// Starts Xvfb on a free display and points DISPLAY at it; false when it cannot start.
bool start(QProcess& server);

// Starts a window manager (openbox) on that server, its settings and caches kept in
// `runtimeFolder`; false when it does not take over.
bool startWindowManager(QProcess& manager, const QString& runtimeFolder);

// Runs an X tool to its end and returns what it printed, without the final newline.
QString run(const QString& program, const QStringList& arguments);

// The first top-level window of the process, once it is mapped.
std::optional<std::uint32_t> waitForWindow(qint64 pid, int timeoutMs);

// The window's _NET_WM_NAME, read the same under any locale; on another X server when `display`
// is given.
QString windowName(std::uint32_t window, const char* display = nullptr);
QRect windowGeometry(std::uint32_t window);
// The window with the frame a window manager put around it, in screen coordinates.
QRect outerGeometry(std::uint32_t window);

// Gives the window the keyboard and types the keys (xdotool names, such as "space" or "alt+n").
void typeKeys(std::uint32_t window, const QString& keys);

// The first mapped window whose _NET_WM_NAME is exactly this name.
std::optional<std::uint32_t> waitForWindowNamed(const QString& name, int timeoutMs,
                                                const char* display = nullptr);

// Asks the window to close, as the close box does; on another X server when `display` is given.
void requestClose(std::uint32_t window, const char* display = nullptr);

// The whole screen as it is now.
QImage screenshot();

} // namespace X11Session

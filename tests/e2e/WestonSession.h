#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <optional>

// A Wayland compositor of the test's own: weston with its X11 backend, drawing its one output
// into a window on the test's Xvfb (which gives it real input), and Xwayland for X11 clients.
// Everything it makes lies in a private runtime folder; it is stopped by its process id.
class WestonSession {
public:
    WestonSession() = default;
    ~WestonSession();
    WestonSession(const WestonSession&) = delete;
    WestonSession& operator=(const WestonSession&) = delete;

    // Starts weston on the Xvfb of DISPLAY and waits until Xwayland listens; false, with
    // `error()` saying why, when it cannot.
    bool start(QSize output, int timeoutMs);
    QString error() const { return m_error; }

    // The environment of a desktop session on this compositor: WAYLAND_DISPLAY, the runtime
    // folder and DISPLAY for Xwayland.
    QProcessEnvironment sessionEnvironment() const;
    // Xwayland's display, such as ":1".
    QString xwaylandDisplay() const { return m_xwayland; }

    // Runs an X tool against Xwayland and returns what it printed.
    QString runOnXwayland(const QString& program, const QStringList& arguments) const;
    // The first window of the process on Xwayland, once it is viewable.
    std::optional<std::uint32_t> waitForXwaylandWindow(qint64 pid, int timeoutMs) const;
    // A window's rectangle on Xwayland, and that of the frame the compositor put around it.
    QRect xwaylandGeometry(std::uint32_t window) const;
    QRect xwaylandFrame(std::uint32_t window) const;

    // The compositor's output window on the Xvfb, where its input arrives.
    std::uint32_t outputWindow() const { return m_outputWindow; }

private:
    QString logText() const;

    QTemporaryDir m_runtime;
    QProcess m_weston;
    QString m_socket = QStringLiteral("zunbario-wayland");
    QString m_xwayland;
    std::uint32_t m_outputWindow = 0;
    QString m_error;
};

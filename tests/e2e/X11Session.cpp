#include "X11Session.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace X11Session {

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}

} // namespace

bool start(QProcess& server) {
    // Xvfb picks a free display itself and writes its number to standard output.
    server.start(QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                  QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                  QStringLiteral("tcp")});
    if (!server.waitForStarted(10000))
        return false;
    while (!server.canReadLine()) {
        if (!server.waitForReadyRead(10000))
            return false;
    }
    const QByteArray display = ':' + server.readLine().trimmed();
    qputenv("DISPLAY", display);
    return true;
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

namespace {

// The first visible window that xdotool's search finds with these criteria, once there is one.
std::optional<std::uint32_t> waitForSearch(const QStringList& criteria, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const QString found =
            run(QStringLiteral("xdotool"),
                QStringList{QStringLiteral("search"), QStringLiteral("--onlyvisible")} + criteria);
        bool ok = false;
        const std::uint32_t window = found.section(QLatin1Char('\n'), 0, 0).toUInt(&ok);
        if (ok)
            return window;
        QTest::qWait(50);
    }
    return std::nullopt;
}

} // namespace

std::optional<std::uint32_t> waitForWindow(qint64 pid, int timeoutMs) {
    return waitForSearch({QStringLiteral("--pid"), QString::number(pid)}, timeoutMs);
}

void typeKeys(std::uint32_t window, const QString& keys) {
    // Without a window manager only windowfocus gives a window the keyboard.
    run(QStringLiteral("xdotool"),
        {QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window)});
    run(QStringLiteral("xdotool"), {QStringLiteral("key"), keys});
}

std::optional<std::uint32_t> waitForWindowNamed(const QString& name, int timeoutMs) {
    return waitForSearch({QStringLiteral("--name"), QLatin1Char('^') + name + QLatin1Char('$')},
                         timeoutMs);
}

QString windowName(std::uint32_t window) {
    return run(QStringLiteral("xdotool"),
               {QStringLiteral("getwindowname"), QString::number(window)});
}

QRect windowGeometry(std::uint32_t window) {
    const QString shell =
        run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"),
                                        QStringLiteral("--shell"), QString::number(window)});
    QRect r;
    for (const QString& line : shell.split(QLatin1Char('\n'))) {
        const int value = line.section(QLatin1Char('='), 1).toInt();
        if (line.startsWith(QLatin1String("X=")))
            r.moveLeft(value);
        else if (line.startsWith(QLatin1String("Y=")))
            r.moveTop(value);
        else if (line.startsWith(QLatin1String("WIDTH=")))
            r.setWidth(value);
        else if (line.startsWith(QLatin1String("HEIGHT=")))
            r.setHeight(value);
    }
    return r;
}

void requestClose(std::uint32_t window, const char* display) {
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    if (xcb_connection_has_error(connection) == 0) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = atom(connection, "WM_PROTOCOLS");
        message.data.data32[0] = atom(connection, "WM_DELETE_WINDOW");
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        // A busy server may drop what a client sent just before hanging up: wait for a reply,
        // which comes only after the message has gone out.
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
    xcb_disconnect(connection);
}

QImage screenshot() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

} // namespace X11Session

#include "X11Session.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <cstring>
#include <vector>
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
                  QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
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

namespace {

// One connection for one question to the server, closed again at once.
class Connection {
public:
    explicit Connection(const char* display = nullptr)
        : m_connection(xcb_connect(display, nullptr)) {}
    ~Connection() { xcb_disconnect(m_connection); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool isOpen() const { return xcb_connection_has_error(m_connection) == 0; }
    xcb_connection_t* get() const { return m_connection; }

    xcb_window_t root() const {
        return xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    }

    // The window's _NET_WM_NAME, which Qt writes in UTF-8 whatever the locale (WM_NAME follows
    // the locale and holds Latin-1 under the C locale).
    QString name(xcb_window_t window) const {
        const auto cookie =
            xcb_get_property(m_connection, 0, window, atom(m_connection, "_NET_WM_NAME"),
                             atom(m_connection, "UTF8_STRING"), 0, 1024);
        xcb_get_property_reply_t* reply = xcb_get_property_reply(m_connection, cookie, nullptr);
        QString result;
        if (reply != nullptr)
            result = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply)),
                                       xcb_get_property_value_length(reply));
        std::free(reply);
        return result;
    }

    bool isViewable(xcb_window_t window) const {
        xcb_get_window_attributes_reply_t* reply = xcb_get_window_attributes_reply(
            m_connection, xcb_get_window_attributes(m_connection, window), nullptr);
        const bool viewable = reply != nullptr && reply->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(reply);
        return viewable;
    }

    // Every window below `parent`, depth first: a window manager puts the programs' windows
    // inside frames of its own.
    void collect(xcb_window_t parent, std::vector<xcb_window_t>& into) const {
        xcb_query_tree_reply_t* tree =
            xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, parent), nullptr);
        if (tree == nullptr)
            return;
        const xcb_window_t* children = xcb_query_tree_children(tree);
        for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
            into.push_back(children[i]);
            collect(children[i], into);
        }
        std::free(tree);
    }

private:
    xcb_connection_t* m_connection;
};

} // namespace

std::optional<std::uint32_t> waitForWindowNamed(const QString& name, int timeoutMs,
                                                const char* display) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        Connection x(display);
        std::vector<xcb_window_t> windows;
        if (x.isOpen())
            x.collect(x.root(), windows);
        for (const xcb_window_t window : windows) {
            if (x.name(window) == name && x.isViewable(window))
                return window;
        }
        QTest::qWait(50);
    }
    return std::nullopt;
}

QString windowName(std::uint32_t window, const char* display) {
    Connection x(display);
    return x.isOpen() ? x.name(window) : QString();
}

bool startWindowManager(QProcess& manager, const QString& runtimeFolder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
        environment.insert(QString::fromLatin1(name), runtimeFolder);
    manager.setProcessEnvironment(environment);
    manager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    if (!manager.waitForStarted(10000))
        return false;
    // The manager is at work once it has named itself on the root window.
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && manager.state() == QProcess::Running) {
        Connection x;
        if (x.isOpen()) {
            const auto cookie =
                xcb_get_property(x.get(), 0, x.root(), atom(x.get(), "_NET_SUPPORTING_WM_CHECK"),
                                 XCB_ATOM_WINDOW, 0, 1);
            xcb_get_property_reply_t* reply = xcb_get_property_reply(x.get(), cookie, nullptr);
            const bool named = reply != nullptr && xcb_get_property_value_length(reply) == 4;
            std::free(reply);
            if (named)
                return true;
        }
        QTest::qWait(50);
    }
    return false;
}

QRect outerGeometry(std::uint32_t window) {
    Connection x;
    if (!x.isOpen())
        return {};
    // Up to the child of the root: the window manager's frame, or the window itself.
    xcb_window_t outer = window;
    for (;;) {
        xcb_query_tree_reply_t* tree =
            xcb_query_tree_reply(x.get(), xcb_query_tree(x.get(), outer), nullptr);
        if (tree == nullptr)
            return {};
        const xcb_window_t parent = tree->parent;
        const xcb_window_t root = tree->root;
        std::free(tree);
        if (parent == root || parent == XCB_WINDOW_NONE)
            break;
        outer = parent;
    }
    xcb_get_geometry_reply_t* g =
        xcb_get_geometry_reply(x.get(), xcb_get_geometry(x.get(), outer), nullptr);
    if (g == nullptr)
        return {};
    const QRect r(g->x, g->y, g->width + 2 * g->border_width, g->height + 2 * g->border_width);
    std::free(g);
    return r;
}

QRect windowGeometry(std::uint32_t window) {
    // The window's own size and its place on the screen; under a window manager its geometry
    // is relative to the frame it was put into.
    Connection x;
    if (!x.isOpen())
        return {};
    xcb_get_geometry_reply_t* g =
        xcb_get_geometry_reply(x.get(), xcb_get_geometry(x.get(), window), nullptr);
    xcb_translate_coordinates_reply_t* at = xcb_translate_coordinates_reply(
        x.get(), xcb_translate_coordinates(x.get(), window, x.root(), 0, 0), nullptr);
    QRect r;
    if (g != nullptr && at != nullptr)
        r = QRect(at->dst_x, at->dst_y, g->width, g->height);
    std::free(g);
    std::free(at);
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

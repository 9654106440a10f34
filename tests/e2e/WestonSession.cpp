#include "WestonSession.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

WestonSession::~WestonSession() {
    if (m_weston.state() != QProcess::NotRunning) {
        // weston ends Xwayland and its own clients when it is asked to stop.
        m_weston.terminate();
        if (!m_weston.waitForFinished(10000)) {
            m_weston.kill();
            m_weston.waitForFinished(10000);
        }
    }
}

QString WestonSession::logText() const {
    QFile log(m_runtime.filePath(QStringLiteral("weston.log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

bool WestonSession::start(QSize output, int timeoutMs) {
    if (!m_runtime.isValid()) {
        m_error = QStringLiteral("no runtime folder");
        return false;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    m_weston.setProcessEnvironment(env);
    m_weston.setProcessChannelMode(QProcess::MergedChannels);
    m_weston.start(QStringLiteral("weston"),
                   {QStringLiteral("--backend=x11-backend.so"), QStringLiteral("--xwayland"),
                    QStringLiteral("--no-config"), QStringLiteral("--idle-time=0"),
                    QStringLiteral("--socket=") + m_socket,
                    QStringLiteral("--width=%1").arg(output.width()),
                    QStringLiteral("--height=%1").arg(output.height()),
                    QStringLiteral("--log=") + m_runtime.filePath(QStringLiteral("weston.log"))});
    if (!m_weston.waitForStarted(timeoutMs)) {
        m_error = QStringLiteral("weston could not be started: is it installed? ") +
                  m_weston.errorString();
        return false;
    }
    // weston says which display Xwayland will take once it is ready for X clients.
    const QRegularExpression listening(QStringLiteral("xserver listening on display (:\\d+)"));
    const bool ready = QTest::qWaitFor(
        [&] {
            const auto match = listening.match(logText());
            if (match.hasMatch())
                m_xwayland = match.captured(1);
            return match.hasMatch() || m_weston.state() == QProcess::NotRunning;
        },
        timeoutMs);
    if (!ready || m_xwayland.isEmpty()) {
        m_error = QStringLiteral("weston did not start Xwayland:\n") + logText() +
                  QString::fromUtf8(m_weston.readAll());
        return false;
    }
    // The output's window on the Xvfb, as weston reports it.
    const QRegularExpression outputLine(QStringLiteral("x11 output \\d+x\\d+, window id (\\d+)"));
    m_outputWindow = outputLine.match(logText()).captured(1).toUInt();
    if (m_outputWindow == 0) {
        m_error = QStringLiteral("weston did not say which window is its output:\n") + logText();
        return false;
    }
    return true;
}

QProcessEnvironment WestonSession::sessionEnvironment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), m_socket);
    env.insert(QStringLiteral("DISPLAY"), m_xwayland);
    env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    return env;
}

QString WestonSession::runOnXwayland(const QString& program, const QStringList& arguments) const {
    QProcess process;
    process.setProcessEnvironment(sessionEnvironment());
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

std::optional<std::uint32_t> WestonSession::waitForXwaylandWindow(qint64 pid, int timeoutMs) const {
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        bool ok = false;
        const std::uint32_t window =
            runOnXwayland(QStringLiteral("xdotool"),
                          {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                           QStringLiteral("--pid"), QString::number(pid)})
                .section(QLatin1Char('\n'), 0, 0)
                .toUInt(&ok);
        if (ok)
            return window;
        QTest::qWait(50);
    }
    return std::nullopt;
}

namespace {

int field(const QString& text, const QString& name) {
    const QRegularExpression line(QRegularExpression::escape(name) +
                                  QStringLiteral(":\\s+(-?\\d+)"));
    return line.match(text).captured(1).toInt();
}

QRect geometryIn(const QString& xwininfo) {
    return QRect(field(xwininfo, QStringLiteral("Absolute upper-left X")),
                 field(xwininfo, QStringLiteral("Absolute upper-left Y")),
                 field(xwininfo, QStringLiteral("Width")),
                 field(xwininfo, QStringLiteral("Height")));
}

} // namespace

QRect WestonSession::xwaylandGeometry(std::uint32_t window) const {
    return geometryIn(runOnXwayland(QStringLiteral("xwininfo"),
                                    {QStringLiteral("-id"), QString::number(window)}));
}

QRect WestonSession::xwaylandFrame(std::uint32_t window) const {
    // The compositor's window manager reparents the window into a frame of its own.
    const QString tree =
        runOnXwayland(QStringLiteral("xwininfo"),
                      {QStringLiteral("-tree"), QStringLiteral("-id"), QString::number(window)});
    const QRegularExpression parent(QStringLiteral("Parent window id: (0x[0-9a-f]+)"));
    const QString id = parent.match(tree).captured(1);
    if (id.isEmpty())
        return {};
    return geometryIn(runOnXwayland(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id}));
}

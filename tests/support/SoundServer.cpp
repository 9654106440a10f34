#include "SoundServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace {

constexpr int Patience = 20000; // ms: generous for a loaded machine, never a measurement

QString runtimeFolder(const QTemporaryDir& folder) {
    return folder.filePath(QStringLiteral("run"));
}

QString socketPath(const QTemporaryDir& folder) {
    return runtimeFolder(folder) + QStringLiteral("/native");
}

// The server and the tools that feed and record it run ahead of other work, as a desktop's sound
// server does: a busy machine then delays the game, which is what is tested, not the measuring.
void runAhead(QProcess& process) {
    process.setChildProcessModifier([] { setpriority(PRIO_PROCESS, 0, -10); });
}

void stopProcess(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(Patience)) {
        process.kill();
        process.waitForFinished(Patience);
    }
}

// The null sink's latency in microseconds, as pactl lists it.
qint64 sinkLatency(const QString& sinks) {
    const int at = sinks.indexOf(QStringLiteral("Latency: "));
    return at < 0 ? -1 : sinks.mid(at + 9).section(QLatin1Char(' '), 0, 0).toLongLong();
}

} // namespace

SoundServer::SoundServer() {
    QDir(m_folder.path()).mkpath(QStringLiteral("run"));
    QDir(m_folder.path()).mkpath(QStringLiteral("home"));
    QFile::setPermissions(runtimeFolder(m_folder),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile script(m_folder.filePath(QStringLiteral("server.pa")));
    if (script.open(QIODevice::WriteOnly))
        script.write(QStringLiteral("load-module module-null-sink sink_name=%1\n"
                                    "set-default-sink %1\n"
                                    "load-module module-native-protocol-unix auth-anonymous=1 "
                                    "socket=%2\n")
                         .arg(QLatin1String(SinkName), socketPath(m_folder))
                         .toUtf8());
}

SoundServer::~SoundServer() {
    stop();
}

QProcessEnvironment SoundServer::clientEnvironment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PULSE_SERVER"),
                       QStringLiteral("unix:") + socketPath(m_folder));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder(m_folder));
    environment.insert(QStringLiteral("HOME"), m_folder.filePath(QStringLiteral("home")));
    return environment;
}

void SoundServer::connectThisProcess() const {
    const QProcessEnvironment environment = clientEnvironment();
    for (const char* name : {"PULSE_SERVER", "XDG_RUNTIME_DIR", "HOME"})
        qputenv(name, environment.value(QLatin1String(name)).toUtf8());
}

bool SoundServer::start() {
    if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) {
        m_error = QStringLiteral("PulseAudio is not installed (pulseaudio, pactl, parec): run "
                                 "tools/install-deps.sh");
        return false;
    }
    QFile::remove(socketPath(m_folder));
    QProcessEnvironment environment = clientEnvironment();
    environment.remove(QStringLiteral("PULSE_SERVER"));
    m_daemon.setProcessEnvironment(environment);
    runAhead(m_daemon);
    m_daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_daemon.setStandardOutputFile(QProcess::nullDevice());
    // Warnings about running as root or without a session bus are expected; errors are not.
    m_daemon.start(QStringLiteral("pulseaudio"),
                   {QStringLiteral("-n"), QStringLiteral("-F"),
                    m_folder.filePath(QStringLiteral("server.pa")),
                    QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                    QStringLiteral("--log-level=error")});
    if (!m_daemon.waitForStarted(Patience)) {
        m_error = QStringLiteral("pulseaudio did not start: ") + m_daemon.errorString();
        return false;
    }
    const QDeadlineTimer deadline(Patience);
    while (!deadline.hasExpired()) {
        if (m_daemon.state() != QProcess::Running) {
            m_error = QStringLiteral("pulseaudio ended at once (its messages are above)");
            return false;
        }
        if (pactl({QStringLiteral("info")}).contains(QLatin1String(SinkName)))
            return startSilence();
        QThread::msleep(20);
    }
    m_error = QStringLiteral("pulseaudio did not answer on its socket");
    return false;
}

bool SoundServer::startSilence() {
    m_silence.setProcessEnvironment(clientEnvironment());
    runAhead(m_silence);
    m_silence.start(QStringLiteral("pacat"),
                    {QStringLiteral("--playback"), QStringLiteral("--raw"),
                     QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                     QStringLiteral("--latency-msec=10"), QStringLiteral("--client-name=silence"),
                     QStringLiteral("/dev/zero")});
    const QDeadlineTimer deadline(Patience);
    while (m_silence.waitForStarted(Patience) && !deadline.hasExpired()) {
        const qint64 latency =
            sinkLatency(pactl({QStringLiteral("list"), QStringLiteral("sinks")}));
        if (latency >= 0 && latency < 50000)
            return true;
        QThread::msleep(50);
    }
    m_error = QStringLiteral("the null sink did not settle to a short latency");
    return false;
}

void SoundServer::stop() {
    thaw();
    stopProcess(m_silence);
    stopProcess(m_daemon);
}

void SoundServer::freeze() {
    if (m_daemon.state() == QProcess::Running)
        ::kill(static_cast<pid_t>(m_daemon.processId()), SIGSTOP);
}

void SoundServer::thaw() {
    if (m_daemon.state() == QProcess::Running)
        ::kill(static_cast<pid_t>(m_daemon.processId()), SIGCONT);
}

QString SoundServer::pactl(const QStringList& arguments) const {
    QProcess process;
    process.setProcessEnvironment(clientEnvironment());
    process.start(QStringLiteral("pactl"), arguments);
    process.waitForFinished(Patience);
    return QString::fromUtf8(process.readAllStandardOutput());
}

MonitorRecording::MonitorRecording(const SoundServer& server) : m_server(server) {}

MonitorRecording::~MonitorRecording() {
    stop();
}

bool MonitorRecording::start() {
    m_parec.setProcessEnvironment(m_server.clientEnvironment());
    runAhead(m_parec);
    m_parec.setStandardOutputFile(m_folder.filePath(QStringLiteral("monitor.raw")));
    m_parec.start(QStringLiteral("parec"),
                  {QStringLiteral("-d"), QLatin1String(SoundServer::SinkName) + ".monitor",
                   QStringLiteral("--raw"), QStringLiteral("--format=float32le"),
                   QStringLiteral("--channels=1"), QStringLiteral("--rate=%1").arg(Rate),
                   QStringLiteral("--latency-msec=10")});
    if (!m_parec.waitForStarted(Patience))
        return false;
    // Recording has begun once the server lists the recording stream.
    const QDeadlineTimer deadline(Patience);
    while (!deadline.hasExpired()) {
        if (m_parec.state() != QProcess::Running)
            return false;
        if (!m_server
                 .pactl({QStringLiteral("list"), QStringLiteral("short"),
                         QStringLiteral("source-outputs")})
                 .trimmed()
                 .isEmpty())
            return true;
        QThread::msleep(20);
    }
    return false;
}

std::vector<float> MonitorRecording::stop() {
    if (m_parec.state() == QProcess::NotRunning)
        return {};
    stopProcess(m_parec);
    return samples();
}

std::vector<float> MonitorRecording::samples() const {
    QFile file(m_folder.filePath(QStringLiteral("monitor.raw")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    std::vector<float> samples(static_cast<std::size_t>(bytes.size()) / sizeof(float));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(float));
    return samples;
}

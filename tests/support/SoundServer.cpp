#include "SoundServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// Where PulseAudio and pipewire-pulse alike listen in a runtime folder.
QString socketPath(const QTemporaryDir& folder) {
    return runtimeFolder(folder) + QStringLiteral("/pulse/native");
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

// Asks again every 20 ms until the answer is yes or patience runs out.
template <typename Question> bool waitFor(Question question) {
    const QDeadlineTimer deadline(Patience);
    while (!question()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    return true;
}

void signalProcess(QProcess& process, int signal) {
    if (process.state() == QProcess::Running)
        ::kill(static_cast<pid_t>(process.processId()), signal);
}

// The null sink's latency in microseconds, as pactl lists it; -1 while the sink is not running.
// PipeWire lists no latency for its null sink, only whether it runs.
qint64 runningSinkLatency(const QString& sinks) {
    const int at = sinks.indexOf(QStringLiteral("Latency: "));
    if (!sinks.contains(QStringLiteral("State: RUNNING")) || at < 0)
        return -1;
    return sinks.mid(at + 9).section(QLatin1Char(' '), 0, 0).toLongLong();
}

// A session bus that knows no services to start: WirePlumber needs a bus, and nothing installed
// on the machine should be started on it.
constexpr const char* BusConfiguration = R"(<busconfig>
  <type>session</type>
  <listen>unix:path=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

} // namespace

SoundServer::SoundServer(Kind kind) : m_kind(kind) {
    const QDir folder(m_folder.path());
    for (const char* name :
         {"run/pulse", "home", "config/wireplumber/bluetooth.lua.d", "state", "data"})
        folder.mkpath(QLatin1String(name));
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
    // The test's server has no Bluetooth. WirePlumber 0.4 (Debian 12) watches the login
    // manager's seats for its Bluetooth monitor, and gives up where no systemd login manager
    // runs (a container, a bare root); 0.5 reads no such file.
    QFile noBluetooth(
        m_folder.filePath(QStringLiteral("config/wireplumber/bluetooth.lua.d/80-none.lua")));
    if (noBluetooth.open(QIODevice::WriteOnly))
        noBluetooth.write("bluez_monitor.enabled = false\n");
    QFile bus(m_folder.filePath(QStringLiteral("bus.conf")));
    if (bus.open(QIODevice::WriteOnly))
        bus.write(QString::fromLatin1(BusConfiguration)
                      .arg(m_folder.filePath(QStringLiteral("run/bus")))
                      .toUtf8());
}

SoundServer::~SoundServer() {
    stop();
}

const char* SoundServer::name(Kind kind) {
    return kind == Kind::PipeWire ? "PipeWire" : "PulseAudio";
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
    stop();
    m_error.clear();
    if (!installed())
        return false;
    QFile::remove(socketPath(m_folder));
    if (!(m_kind == Kind::PipeWire ? startPipeWire() : startPulseAudio()) ||
        !waitForDefaultSink() || !startSilence()) {
        stop();
        return false;
    }
    return true;
}

bool SoundServer::installed() {
    QStringList programs = {QStringLiteral("pactl"), QStringLiteral("parec"),
                            QStringLiteral("pacat")};
    if (m_kind == Kind::PipeWire)
        programs << QStringLiteral("pipewire") << QStringLiteral("pipewire-pulse")
                 << QStringLiteral("wireplumber") << QStringLiteral("dbus-daemon");
    else
        programs << QStringLiteral("pulseaudio");
    QStringList missing;
    for (const QString& program : programs)
        if (QStandardPaths::findExecutable(program).isEmpty())
            missing << program;
    if (missing.isEmpty())
        return true;
    m_error = QStringLiteral("%1 is not installed (%2 missing): run tools/install-deps.sh")
                  .arg(QLatin1String(name(m_kind)), missing.join(QStringLiteral(", ")));
    return false;
}

bool SoundServer::launch(const QString& program, const QStringList& arguments,
                         const QProcessEnvironment& environment) {
    auto& daemon = *m_daemons.emplace_back(std::make_unique<QProcess>());
    daemon.setProcessEnvironment(environment);
    runAhead(daemon);
    daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    daemon.setStandardOutputFile(QProcess::nullDevice());
    daemon.start(program, arguments);
    if (daemon.waitForStarted(Patience))
        return true;
    m_error = program + QStringLiteral(" did not start: ") + daemon.errorString();
    return false;
}

bool SoundServer::startPulseAudio() {
    QProcessEnvironment environment = clientEnvironment();
    environment.remove(QStringLiteral("PULSE_SERVER"));
    // Warnings about running as root or without a session bus are expected; errors are not.
    return launch(QStringLiteral("pulseaudio"),
                  {QStringLiteral("-n"), QStringLiteral("-F"),
                   m_folder.filePath(QStringLiteral("server.pa")), QStringLiteral("--daemonize=no"),
                   QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--log-level=error")},
                  environment);
}

bool SoundServer::startPipeWire() {
    const QString bus = runtimeFolder(m_folder) + QStringLiteral("/bus");
    QProcessEnvironment environment = clientEnvironment();
    for (const char* name : {"PULSE_SERVER", "DISPLAY", "WAYLAND_DISPLAY", "PIPEWIRE_REMOTE",
                             "PIPEWIRE_RUNTIME_DIR", "PIPEWIRE_CONFIG_DIR"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                       QStringLiteral("unix:path=") + bus);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       m_folder.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_STATE_HOME"),
                       m_folder.filePath(QStringLiteral("state")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_folder.filePath(QStringLiteral("data")));
    // Only errors: without sound cards, cameras or a login session, warnings are expected.
    environment.insert(QStringLiteral("PIPEWIRE_DEBUG"), QStringLiteral("E"));
    environment.insert(QStringLiteral("WIREPLUMBER_DEBUG"), QStringLiteral("E"));
    // WirePlumber and pipewire-pulse give up at once when PipeWire is not listening yet.
    return launchListening(
               QStringLiteral("dbus-daemon"),
               {QStringLiteral("--config-file=") + m_folder.filePath(QStringLiteral("bus.conf")),
                QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                QStringLiteral("--syslog-only")},
               environment, bus) &&
           launchListening(QStringLiteral("pipewire"), {}, environment,
                           runtimeFolder(m_folder) + QStringLiteral("/pipewire-0")) &&
           launch(QStringLiteral("wireplumber"), {}, environment) &&
           launch(QStringLiteral("pipewire-pulse"), {}, environment);
}

bool SoundServer::launchListening(const QString& program, const QStringList& arguments,
                                  const QProcessEnvironment& environment, const QString& socket) {
    // A socket left behind by a server that was killed would answer nothing.
    QFile::remove(socket);
    if (!launch(program, arguments, environment))
        return false;
    const QProcess& daemon = *m_daemons.back();
    if (waitFor([&] { return QFileInfo::exists(socket) || daemon.state() != QProcess::Running; }) &&
        daemon.state() == QProcess::Running)
        return true;
    m_error = program + QStringLiteral(" did not open its socket");
    return false;
}

// The server answers once pactl finds the null sink as its default output. PipeWire's session
// manager takes the default from pipewire-pulse only once it is up itself: ask until it does.
bool SoundServer::waitForDefaultSink() {
    const QString sink = QLatin1String(SinkName);
    const QDeadlineTimer deadline(Patience);
    while (!deadline.hasExpired()) {
        for (const auto& daemon : m_daemons) {
            if (daemon->state() != QProcess::Running) {
                m_error =
                    daemon->program() + QStringLiteral(" ended at once (its messages are above)");
                return false;
            }
        }
        const QString info = pactl({QStringLiteral("info")});
        if (info.contains(QStringLiteral("Default Sink: ") + sink))
            return true;
        if (m_kind == Kind::PipeWire && !info.isEmpty()) {
            if (!pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")})
                     .contains(sink))
                pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                       QStringLiteral("sink_name=") + sink});
            pactl({QStringLiteral("set-default-sink"), sink});
        }
        QThread::msleep(20);
    }
    m_error = QStringLiteral("%1 did not answer with its null sink as the default output")
                  .arg(QLatin1String(name(m_kind)));
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
            runningSinkLatency(pactl({QStringLiteral("list"), QStringLiteral("sinks")}));
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
    while (!m_daemons.empty()) {
        stopProcess(*m_daemons.back());
        m_daemons.pop_back();
    }
}

void SoundServer::freeze() {
    for (const auto& daemon : m_daemons)
        signalProcess(*daemon, SIGSTOP);
}

void SoundServer::thaw() {
    for (const auto& daemon : m_daemons)
        signalProcess(*daemon, SIGCONT);
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

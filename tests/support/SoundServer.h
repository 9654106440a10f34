#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// A sound server of the test's own, PulseAudio or PipeWire (through pipewire-pulse, as desktops
// run it, with WirePlumber on a private session bus): a null sink as the default output, reached
// through a socket in a private runtime folder, with a private home, configuration and state.
// Stopped by its process ids.
// A silent stream keeps the sink running in real time at a short latency, as a desktop's sink
// is while it plays: an idle PulseAudio null sink renders two seconds ahead and cannot take that
// back, which would hold back every new stream's first sound, and its monitor records nothing
// while it idles, so a recording would lose its pauses. PipeWire never renders ahead and a
// recording keeps its sink running: the silent stream is not needed there, and runs all the same
// so that both servers are tested alike.
class SoundServer {
public:
    enum class Kind { PulseAudio, PipeWire };
    static constexpr const char* SinkName = "game_out";

    explicit SoundServer(Kind kind = Kind::PulseAudio);
    ~SoundServer();

    // The server's name, as a test's name may carry it.
    static const char* name(Kind kind);

    // Starts the server and waits until it answers with its null sink as the default output;
    // false, with the reason in error(), when it cannot (for one, when it is not installed).
    bool start();
    void stop();
    // Holds the server still without closing its socket, as a hung server would; and lets it go.
    void freeze();
    void thaw();

    QString error() const { return m_error; }
    // The environment for a client of this server: its address and the private folders.
    QProcessEnvironment clientEnvironment() const;
    // Makes this process a client of this server, as clientEnvironment() makes a child one.
    void connectThisProcess() const;
    // Runs pactl against this server and returns what it printed.
    QString pactl(const QStringList& arguments) const;

private:
    bool installed();
    bool launch(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment);
    bool startPulseAudio();
    bool startPipeWire();
    // Launches a daemon and waits for the socket it listens on.
    bool launchListening(const QString& program, const QStringList& arguments,
                         const QProcessEnvironment& environment, const QString& socket);
    bool waitForDefaultSink();
    bool startSilence();

    Kind m_kind;
    QTemporaryDir m_folder;
    // In the order they were started, so that they stop the other way round.
    std::vector<std::unique_ptr<QProcess>> m_daemons;
    QProcess m_silence;
    QString m_error;
};

// Both servers a desktop may have, for the suites that run against each: a test's name then ends
// in the server's.
inline const auto EachSoundServer =
    ::testing::Values(SoundServer::Kind::PulseAudio, SoundServer::Kind::PipeWire);
inline void PrintTo(SoundServer::Kind kind, std::ostream* out) {
    *out << SoundServer::name(kind);
}
inline std::string soundServerName(const ::testing::TestParamInfo<SoundServer::Kind>& server) {
    return SoundServer::name(server.param);
}

// Records the null sink's monitor as mono float samples at the game's sound rate, until stopped.
class MonitorRecording {
public:
    static constexpr int Rate = 22050;

    explicit MonitorRecording(const SoundServer& server);
    ~MonitorRecording();

    bool start();
    // Every sample recorded so far, recording on.
    std::vector<float> samples() const;
    // Stops recording and returns every sample recorded.
    std::vector<float> stop();

private:
    const SoundServer& m_server;
    QTemporaryDir m_folder;
    QProcess m_parec;
};

#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

// A PulseAudio daemon of the test's own: a null sink as the only and default output, reached
// through a socket in a private runtime folder, with a private home. Stopped by its process id.
// A silent stream keeps the sink running in real time at a short latency, as a desktop's sink
// is while it plays: an idle null sink renders two seconds ahead and cannot take that back,
// which would hold back every new stream's first sound, and its monitor records nothing while
// it idles, so a recording would lose its pauses.
class SoundServer {
public:
    static constexpr const char* SinkName = "game_out";

    SoundServer();
    ~SoundServer();

    // Starts the daemon and waits until it answers; false, with the reason in error(), when it
    // cannot (for one, when PulseAudio is not installed).
    bool start();
    void stop();
    // Holds the daemon still without closing its socket, as a hung server would; and lets it go.
    void freeze();
    void thaw();
    bool isRunning() const { return m_daemon.state() == QProcess::Running; }

    QString error() const { return m_error; }
    // The environment for a client of this server: its address and the private folders.
    QProcessEnvironment clientEnvironment() const;
    // Makes this process a client of this server, as clientEnvironment() makes a child one.
    void connectThisProcess() const;
    // Runs pactl against this server and returns what it printed.
    QString pactl(const QStringList& arguments) const;

private:
    bool startSilence();

    QTemporaryDir m_folder;
    QProcess m_daemon;
    QProcess m_silence;
    QString m_error;
};

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

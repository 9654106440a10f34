// From a press on a monster to the hit sound's first sample in the sound server's mix, against
// a PulseAudio daemon of the bench's own; and what asking for a sound costs the game's thread.

#include "BenchWindow.h"
#include "FieldWidget.h"
#include "Game.h"
#include "LoadMeter.h"
#include "Report.h"
#include "Scenarios.h"
#include "SoundPlayer.h"
#include "SoundServer.h"
#include "SpawnClock.h"
#include "Stats.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QWindow>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <optional>
#include <pulse/simple.h>
#include <thread>
#include <vector>

namespace {

constexpr ElementId Monsters[] = {ElementId::ImgMonster0, ElementId::ImgMonster1,
                                  ElementId::ImgMonster2};
constexpr int Rate = 22050;
// One read of the monitor: a millisecond, the resolution of the figure.
constexpr int ReadFrames = Rate / 1000;
constexpr float Audible = 0.006F;

// Listens to the null sink's monitor on a thread of its own and notes when sound begins.
class MonitorEar {
public:
    bool start() {
        const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, Rate, 1};
        pa_buffer_attr buffer{};
        buffer.maxlength = static_cast<std::uint32_t>(-1);
        buffer.fragsize = ReadFrames * sizeof(float);
        const std::string monitor = std::string(SoundServer::SinkName) + ".monitor";
        m_simple = pa_simple_new(nullptr, "bench", PA_STREAM_RECORD, monitor.c_str(), "monitor",
                                 &spec, nullptr, &buffer, nullptr);
        if (!m_simple)
            return false;
        m_thread = std::thread([this] { listen(); });
        return true;
    }
    ~MonitorEar() {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_simple)
            pa_simple_free(m_simple);
    }
    // Forgets what was heard and waits for the next sound to begin.
    void arm() {
        m_onsetMs = -1;
        m_armed = true;
    }
    // When the sound began, in steadyNowMs() time, once it has.
    std::optional<double> onset() const {
        const double at = m_onsetMs;
        return at < 0 ? std::nullopt : std::optional<double>(at);
    }

private:
    void listen() {
        float samples[ReadFrames];
        while (!m_stop) {
            if (pa_simple_read(m_simple, samples, sizeof samples, nullptr) < 0)
                return;
            const double readAt = steadyNowMs();
            if (!m_armed)
                continue;
            for (int i = 0; i < ReadFrames; ++i) {
                if (std::fabs(samples[i]) >= Audible) {
                    // The sample came that much before the end of its read.
                    m_onsetMs = readAt - 1000.0 * (ReadFrames - i) / Rate;
                    m_armed = false;
                    break;
                }
            }
        }
    }

    pa_simple* m_simple = nullptr;
    std::thread m_thread;
    std::atomic<bool> m_stop{false}, m_armed{false};
    std::atomic<double> m_onsetMs{-1};
};

std::optional<int> pressableMonster(const Scene& scene) {
    for (int i = 0; i < 3; ++i) {
        const Rect r = scene.rect(Monsters[i]);
        const Element* top = scene.elementAt({r.left + r.width / 2, r.top + r.height / 2});
        if (top != nullptr && top->id == Monsters[i])
            return i;
    }
    return std::nullopt;
}

void sendMouse(QWidget& window, QEvent::Type type, QPoint windowPos) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, QPointF(windowPos), QPointF(window.mapToGlobal(windowPos)),
                      Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(window.windowHandle(), &event);
}

// Press after press on a monster, each heard or not within half a second.
void measurePresses(const SoundServer& server, int presses) {
    BenchWindow bench;
    if (!bench.isValid())
        return;
    bench.finishTitle();
    bench.chooseHammer(MenuItem::N2);
    bench.pressKey();
    // The game's stream opens once the window is on screen; let the server settle on it.
    for (int i = 0;
         i < 100 && !server.pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")})
                         .contains(QStringLiteral("ズンバリオ"));
         ++i)
        settle(std::chrono::milliseconds(20));
    settle(std::chrono::milliseconds(500));

    MonitorEar ear;
    if (!ear.start())
        return;
    const Scene& scene = bench.game().scene();
    std::vector<double> latencies;
    int missed = 0;
    for (int trial = 0; trial < presses; ++trial) {
        // A pause and a resume put the monsters in new places; the pause lets the last hit end.
        bench.pressKey();
        settle(std::chrono::milliseconds(250));
        bench.pressKey();
        settle(std::chrono::milliseconds(30));
        const std::optional<int> monster = pressableMonster(scene);
        if (!monster)
            continue;
        const Rect r = scene.rect(Monsters[*monster]);
        const QPoint centre = bench.field().mapTo(
            &bench.window(), QPoint(r.left + r.width / 2, r.top + r.height / 2));
        ear.arm();
        const double pressedAt = steadyNowMs();
        sendMouse(bench.window(), QEvent::MouseButtonPress, centre);
        sendMouse(bench.window(), QEvent::MouseButtonRelease, centre);
        QElapsedTimer wait;
        wait.start();
        while (!ear.onset() && wait.elapsed() < 500)
            settle(std::chrono::milliseconds(1));
        if (!ear.onset()) {
            ++missed;
            continue;
        }
        latencies.push_back(*ear.onset() - pressedAt);
        std::fprintf(stderr, "press %d: %.2f ms\n", trial + 1, latencies.back());
    }
    Report::put("presses", static_cast<double>(latencies.size()));
    Report::put("missed", missed);
    Report::put("medianMs", Stats::median(latencies));
    Report::put("maxMs", Stats::maximum(latencies));
}

// The sound player alone: how long one request for the hit sound holds the calling thread.
void measureRequests(int requests) {
    SoundPlayer player(QStringLiteral(ZUNBARIO_BUILD_FOLDER "/"));
    settle(std::chrono::milliseconds(500));
    std::vector<double> micros;
    for (int i = 0; i < requests; ++i) {
        QElapsedTimer call;
        call.start();
        player.play(QStringLiteral(ZUNBARIO_BUILD_FOLDER "/data/sound2.wav"));
        micros.push_back(static_cast<double>(call.nsecsElapsed()) / 1000.0);
        settle(std::chrono::milliseconds(i % 2 == 0 ? 5 : 60));
    }
    Report::put("requestMedianUs", Stats::median(micros));
    Report::put("requestMaxUs", Stats::maximum(micros));
}

} // namespace

int runSoundLatency(int presses) {
    SoundServer server;
    if (!server.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(server.error()));
        return 1;
    }
    const QProcessEnvironment environment = server.clientEnvironment();
    for (const char* name : {"PULSE_SERVER", "XDG_RUNTIME_DIR", "HOME"})
        qputenv(name, environment.value(QLatin1String(name)).toUtf8());
    measurePresses(server, presses);
    measureRequests(200);
    return 0;
}

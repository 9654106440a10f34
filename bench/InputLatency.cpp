// From a press on a monster to the frame that shows its explosion.

#include "BenchWindow.h"
#include "FieldWidget.h"
#include "Game.h"
#include "LoadMeter.h"
#include "Report.h"
#include "Scenarios.h"
#include "SpawnClock.h"
#include "Stats.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr ElementId Monsters[] = {ElementId::ImgMonster0, ElementId::ImgMonster1,
                                  ElementId::ImgMonster2};
constexpr ElementId Explosions[] = {ElementId::ImgBakuhatu0, ElementId::ImgBakuhatu1,
                                    ElementId::ImgBakuhatu2};

// Follows one press through the field: when it arrived, and when the explosion was painted, each
// with the number of event-loop turns so far.
class PressWatch : public QObject {
public:
    PressWatch(QWidget& field, const Scene& scene, ElementId explosion, QEventLoop& loop)
        : m_field(field), m_scene(scene), m_explosion(explosion), m_loop(loop) {
        field.installEventFilter(this);
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
                [this] { ++m_turns; });
    }
    ~PressWatch() override { m_field.removeEventFilter(this); }

    bool pressed = false;
    std::optional<double> shownAt;
    int pressTurn = 0, paintTurn = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress && !pressed) {
            pressed = true;
            pressTurn = m_turns;
        } else if (event->type() == QEvent::Paint && pressed && !m_painted &&
                   m_scene.isVisible(m_explosion)) {
            const Rect r = m_scene.rect(m_explosion);
            if (static_cast<QPaintEvent*>(event)->region().intersects(
                    QRect(r.left, r.top, r.width, r.height))) {
                // This frame shows the explosion; it is on screen once the frame is flushed.
                m_painted = true;
                paintTurn = m_turns;
                QTimer::singleShot(0, this, [this] {
                    shownAt = steadyNowMs();
                    m_loop.quit();
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& m_field;
    const Scene& m_scene;
    ElementId m_explosion;
    QEventLoop& m_loop;
    int m_turns = 0;
    bool m_painted = false;
};

// A monster that is on top where its centre lies, so a press there reaches it.
std::optional<int> pressableMonster(const Scene& scene) {
    for (int i = 0; i < 3; ++i) {
        const Rect r = scene.rect(Monsters[i]);
        const Element* top = scene.elementAt({r.left + r.width / 2, r.top + r.height / 2});
        if (top != nullptr && top->id == Monsters[i])
            return i;
    }
    return std::nullopt;
}

void postMouse(QWidget& window, QEvent::Type type, QPoint windowPos) {
    const QPointF local(windowPos);
    const QPointF global(window.mapToGlobal(windowPos));
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QCoreApplication::postEvent(
        window.windowHandle(),
        new QMouseEvent(type, local, global, Qt::LeftButton, held, Qt::NoModifier));
}

} // namespace

int runInputLatency(int presses) {
    BenchWindow bench;
    if (!bench.isValid())
        return 1;
    bench.finishTitle();
    bench.chooseHammer(MenuItem::N2);
    bench.pressKey();
    const Scene& scene = bench.game().scene();
    if (!bench.game().state().Playing || !bench.game().state().NormalHammerActive)
        return 1;

    std::vector<double> latencies;
    int worstTurns = 0, missed = 0;
    for (int trial = 0; trial < presses; ++trial) {
        // A pause and a resume put the monsters in new places and clear the explosions.
        bench.pressKey();
        bench.pressKey();
        settle(std::chrono::milliseconds(30));
        const std::optional<int> monster = pressableMonster(scene);
        if (!monster)
            continue;
        const Rect r = scene.rect(Monsters[*monster]);
        const QPoint centre = bench.field().mapTo(
            &bench.window(), QPoint(r.left + r.width / 2, r.top + r.height / 2));

        QEventLoop loop;
        PressWatch watch(bench.field(), scene, Explosions[*monster], loop);
        QTimer::singleShot(500, &loop, &QEventLoop::quit);
        const double postedAt = steadyNowMs();
        postMouse(bench.window(), QEvent::MouseButtonPress, centre);
        postMouse(bench.window(), QEvent::MouseButtonRelease, centre);
        loop.exec();
        if (!watch.pressed || !watch.shownAt) {
            ++missed;
            continue;
        }
        latencies.push_back(*watch.shownAt - postedAt);
        std::fprintf(stderr, "press %d: %.3f ms, %d turns\n", trial + 1, latencies.back(),
                     watch.paintTurn - watch.pressTurn);
        worstTurns = std::max(worstTurns, watch.paintTurn - watch.pressTurn);
    }
    Report::put("presses", static_cast<double>(latencies.size()));
    Report::put("missed", missed);
    Report::put("medianMs", Stats::median(latencies));
    Report::put("maxMs", Stats::maximum(latencies));
    Report::put("worstTurns", worstTurns);
    return 0;
}

// Figure 7, from a press on a monster to the frame that shows its explosion: a mouse press
// posted to the window on a monster, normal hammer, until the frame showing its explosion has
// been flushed; turns are the event loop's waits in between. 30 presses.

#include "FieldWidget.h"
#include "Figure.h"
#include "Game.h"
#include "Measures.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWindow>
#include <cstdio>
#include <gtest/gtest.h>
#include <optional>

namespace {

constexpr int Presses = 30;
// One frame of a 60 Hz screen.
constexpr double FrameMs = 1000.0 / 60.0;
constexpr ElementId Explosions[] = {ElementId::ImgBakuhatu0, ElementId::ImgBakuhatu1,
                                    ElementId::ImgBakuhatu2};
using Input = BenchWindow;

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

void postMouse(QWidget& window, QEvent::Type type, QPoint windowPos) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QCoreApplication::postEvent(window.windowHandle(),
                                new QMouseEvent(type, QPointF(windowPos),
                                                QPointF(window.mapToGlobal(windowPos)),
                                                Qt::LeftButton, held, Qt::NoModifier));
}

} // namespace

TEST_F(Input, PressOnAMonsterToItsExplosionOnScreen) {
    startNormalHammerLevel();
    const Scene& scene = game().scene();
    ASSERT_TRUE(game().state().Playing && game().state().NormalHammerActive);

    std::vector<double> latencies;
    int worstTurns = 0, missed = 0;
    for (int trial = 0; trial < Presses; ++trial) {
        const std::optional<int> monster = moveMonsters();
        if (!monster)
            continue;
        const QPoint centre = monsterCentre(*monster);

        QEventLoop loop;
        PressWatch watch(window().field(), scene, Explosions[*monster], loop);
        QTimer::singleShot(500, &loop, &QEventLoop::quit);
        const double postedAt = steadyNowMs();
        postMouse(window(), QEvent::MouseButtonPress, centre);
        postMouse(window(), QEvent::MouseButtonRelease, centre);
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
    ASSERT_FALSE(latencies.empty()) << "no press reached a monster";

    printRow({"7 Input: press on a\nmonster to explosion\non screen",
              "same event-loop turn;\nnever a full frame late",
              fixed(median(latencies), 3) + " ms median, " + fixed(maximum(latencies), 3) +
                  " ms worst (" + std::to_string(latencies.size()) +
                  " presses)\nturns between press and paint: " + std::to_string(worstTurns) +
                  " at worst" + (missed > 0 ? "\n" + std::to_string(missed) + " missed" : ""),
              "one frame at 60 Hz: 16.7 ms",
              worstTurns == 0 && maximum(latencies) < FrameMs && missed == 0});
}

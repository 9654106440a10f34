// Figure 4, a level with the strange hammer while the pointer circles the field at 60 Hz
// through the window system (QCursor::setPos), the same pointer the game reads: 20 s of the
// process's CPU time, the driving counted. The same driving over a fresh empty window
// (Baseline.cpp) is shown for reference. Measured at the field's own size and at double size,
// where the circle and the empty window grow with the field.

#include "FieldWidget.h"
#include "Figure.h"
#include "Game.h"
#include "Measures.h"

#include <QCursor>
#include <gtest/gtest.h>

namespace {

constexpr int PlayMs = 20000;
constexpr int CircleRadius = 150;
constexpr double CpuPercentLimit = 2.0;
using PlayLoad = ScaledBenchWindow;

} // namespace

TEST_P(PlayLoad, StrangeHammerWhileThePointerMoves) {
    const Reports empty =
        runChild(QStringLiteral(ZUNBARIO_BASELINE),
                 {QStringLiteral("pointer"), QString::number(PlayMs), QString::number(GetParam())});

    runTitle();
    settle(300);
    useRealTimer();
    const QPoint centre = window().field().mapToGlobal(window().field().rect().center());
    // The pointer rests inside the field when the level starts, as a player's would.
    QCursor::setPos(centre);
    pressSpace();
    const GameState& state = game().state();
    ASSERT_TRUE(state.Playing && !state.NormalHammerActive);

    // Every step that reached the game moved the hammer; steps over a monster or a label do not.
    int hammerMoves = 0;
    Rect hammer = game().scene().rect(ElementId::ImgBou);
    const PointerCircle pointer(centre, CircleRadius * GetParam(), [&] {
        const Rect now = game().scene().rect(ElementId::ImgBou);
        hammerMoves += now == hammer ? 0 : 1;
        hammer = now;
    });
    const Load load = measureLoad(std::chrono::milliseconds(PlayMs));

    printRow({figureAtScale("4", "Play, strange\nhammer, pointer\nmoving (20 s)"),
              "CPU under 2 % of one core",
              fixed(load.cpuPercent(), 2) + " % (" + fixed(load.cpuMs, 0) + " ms CPU)\n" +
                  std::to_string(pointer.moves()) + " pointer moves, hammer moved " +
                  std::to_string(hammerMoves) + " times" +
                  (hammerMoves > 0 ? "" : "\n  (the pointer did not reach the game)"),
              empty.has({"cpuPercent"}) ? "same pointer over an empty\nwindow: " +
                                              fixed(empty["cpuPercent"], 2) + " % (for reference)"
                                        : "empty window: failed",
              hammerMoves > 0 && state.Playing && load.cpuPercent() < CpuPercentLimit});
}

INSTANTIATE_TEST_SUITE_P(Sizes, PlayLoad, ::testing::Values(1, 2));

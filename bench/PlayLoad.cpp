// A running level with the strange hammer following a moving pointer.

#include "BenchWindow.h"
#include "Game.h"
#include "LoadMeter.h"
#include "PointerDriver.h"
#include "Report.h"
#include "Scenarios.h"

#include <QCursor>

namespace {
constexpr int CircleRadius = 150;
} // namespace

int runPlayLoad(std::chrono::milliseconds duration) {
    BenchWindow bench;
    if (!bench.isValid())
        return 1;
    bench.finishTitle();
    const QPoint centre = bench.toScreen(bench.field().rect().center());
    // The pointer rests inside the field when the level starts, as a player's would.
    QCursor::setPos(centre);
    bench.pressKey();
    const GameState& state = bench.game().state();
    if (!state.Playing || state.NormalHammerActive)
        return 1;

    // Every step that reached the game moved the hammer; steps over a monster or a label do not.
    int hammerMoves = 0;
    Rect hammer = bench.game().scene().rect(ElementId::ImgBou);
    PointerDriver pointer;
    pointer.start(centre, CircleRadius, [&] {
        const Rect now = bench.game().scene().rect(ElementId::ImgBou);
        if (!(now == hammer))
            ++hammerMoves;
        hammer = now;
    });
    const LoadFigures figures = measureLoad(duration);

    reportLoad("", figures);
    Report::put("pointerMoves", pointer.moves());
    Report::put("hammerMoves", hammerMoves);
    Report::put("stillPlaying", state.Playing ? 1 : 0);
    return 0;
}

// What a repaint costs: every title tick as the game runs it, and whole-window repaints of the
// real elements.

#include "BenchWindow.h"
#include "FieldWidget.h"
#include "Game.h"
#include "Layout.h"
#include "PaintRecorder.h"
#include "Report.h"
#include "Scenarios.h"
#include "Stats.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMenuBar>
#include <array>
#include <vector>

namespace {

constexpr int FullRepaints = 300;

using Elements = std::array<Element, ElementCount>;

QRect toQRect(const Rect& r) {
    return {r.left, r.top, r.width, r.height};
}

// Where the screen may differ after a tick: the old and new places of every element that changed.
QRegion changedRegion(const Elements& before, const Elements& after) {
    QRegion region;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const Element& b = before[i];
        const Element& a = after[i];
        if (b.rect == a.rect && b.visible == a.visible && b.text == a.text && b.color == a.color)
            continue;
        if (b.visible)
            region += toQRect(b.rect);
        if (a.visible)
            region += toQRect(a.rect);
    }
    return region;
}

long long area(const QRegion& region) {
    long long total = 0;
    for (const QRect& r : region)
        total += static_cast<long long>(r.width()) * r.height();
    return total;
}

// The mean cost of a synchronous repaint of the whole widget, painting and flushing included.
double meanRepaintUs(QWidget& widget) {
    widget.repaint();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < FullRepaints; ++i)
        widget.repaint();
    return static_cast<double>(timer.nsecsElapsed()) / 1000.0 / FullRepaints;
}

} // namespace

int runPaintCost() {
    BenchWindow bench;
    if (!bench.isValid())
        return 1;
    FieldWidget& field = bench.window().field();
    PaintRecorder recorder(field);
    const Scene& scene = bench.game().scene();
    const long long fieldArea = static_cast<long long>(FieldSize.width) * FieldSize.height;

    std::vector<double> cycleUs, paintUs;
    long long worstArea = 0;
    int ticks = 0, paintingOutside = 0, withoutChange = 0, repaintedWithoutChange = 0;
    while (bench.game().state().TitlePhase) {
        const Elements before = scene.elements();
        recorder.clear();
        QElapsedTimer timer;
        timer.start();
        bench.window().tick();
        QCoreApplication::processEvents();
        const double cycle = static_cast<double>(timer.nsecsElapsed()) / 1000.0;
        ++ticks;

        const QRegion changed = changedRegion(before, scene.elements());
        if (changed.isEmpty()) {
            ++withoutChange;
            if (recorder.paints() > 0)
                ++repaintedWithoutChange;
            continue;
        }
        cycleUs.push_back(cycle);
        paintUs.push_back(recorder.paintingUs());
        worstArea = std::max(worstArea, area(recorder.painted()));
        if (!recorder.painted().subtracted(changed).isEmpty() || recorder.paints() == 0)
            ++paintingOutside;
    }
    Report::put("titleTicks", ticks);
    Report::put("titleTicksChanging", static_cast<double>(cycleUs.size()));
    Report::put("titleTicksPaintingOutside", paintingOutside);
    Report::put("titleTicksUnchanged", withoutChange);
    Report::put("titleTicksUnchangedRepainted", repaintedWithoutChange);
    Report::put("titleWorstPaintedPercent", 100.0 * static_cast<double>(worstArea) / fieldArea);
    Report::put("titleCycleMedianUs", Stats::median(cycleUs));
    Report::put("titleCycleMaxUs", Stats::maximum(cycleUs));
    Report::put("titlePaintMedianUs", Stats::median(paintUs));
    Report::put("titlePaintMaxUs", Stats::maximum(paintUs));

    // The Ready phase shows the most at once: both title lines, the monsters, the credit banner
    // and the start message. Qt never repaints an opaque child with its window, so the whole
    // window is the field and the menu bar, each repainted in full.
    bench.finishTitle();
    QWidget& menuBar = *bench.window().menuBar();
    const double menuUs = meanRepaintUs(menuBar);
    Report::put("menuBarUs", menuUs);
    const double readyUs = meanRepaintUs(field);
    Report::put("readyFieldUs", readyUs);
    Report::put("readyWindowUs", readyUs + menuUs);
    bench.pressKey();
    QCoreApplication::processEvents();
    const double playUs = meanRepaintUs(field);
    Report::put("playFieldUs", playUs);
    Report::put("playWindowUs", playUs + menuUs);
    return 0;
}

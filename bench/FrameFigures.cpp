// What reaches the screen and how soon: the repaint of a tick, and the answer to a press.

#include "ChildProcess.h"
#include "Figures.h"
#include "RowFormat.h"

namespace {

constexpr double FullRepaintLimitUs = 1000;
constexpr int Presses = 30;
// One frame of a 60 Hz screen.
constexpr double FrameMs = 1000.0 / 60.0;

} // namespace

Row measurePaint(const BenchSetup& setup) {
    const std::string figure = "5 Paint (real\nelements)";
    const std::string goal = "a title tick repaints\nonly what changed;\nfull repaint under 1 ms";
    const auto result = ChildProcess::run({setup.bench, "paint"}, {}, setup.log("paint"));
    if (!reported(result, {"titleTicks", "titleTicksPaintingOutside", "readyWindowUs"}))
        return unmeasured(figure, goal, "the window did not paint (paint.log)");

    const double outside = valueOf(result, "titleTicksPaintingOutside");
    const double idleRepaints = valueOf(result, "titleTicksUnchangedRepainted");
    const double fullWindow = valueOf(result, "readyWindowUs");
    const double fullField = valueOf(result, "readyFieldUs");
    const double playWindow = valueOf(result, "playWindowUs");
    const std::string measured =
        "title tick: paint " + fixed(valueOf(result, "titlePaintMedianUs"), 0) + " us median, " +
        fixed(valueOf(result, "titlePaintMaxUs"), 0) + " us worst;\n  whole turn " +
        fixed(valueOf(result, "titleCycleMedianUs"), 0) + " us median; at most " +
        fixed(valueOf(result, "titleWorstPaintedPercent"), 1) + " % of the field\n" +
        fixed(outside, 0) + " of " + fixed(valueOf(result, "titleTicksChanging"), 0) +
        " moving ticks painted outside the change;\n  " + fixed(idleRepaints, 0) + " of " +
        fixed(valueOf(result, "titleTicksUnchanged"), 0) + " still ticks repainted\n" +
        "full repaint (field + menu bar): " + fixed(fullWindow, 0) + " us Ready,\n  " +
        fixed(playWindow, 0) + " us play; field alone " + fixed(fullField, 0) + " us Ready";
    return {figure, goal, measured, "",
            verdictText(judge(outside == 0 && idleRepaints == 0 &&
                              fullWindow < FullRepaintLimitUs && playWindow < FullRepaintLimitUs))};
}

Row measureInput(const BenchSetup& setup) {
    const std::string figure = "7 Input: press on a\nmonster to explosion\non screen";
    const std::string goal = "same event-loop turn;\nnever a full frame late";
    const auto result =
        ChildProcess::run({setup.bench, "input", std::to_string(Presses)}, {}, setup.log("input"));
    if (!reported(result, {"presses", "medianMs", "maxMs", "worstTurns"}) ||
        valueOf(result, "presses") == 0)
        return unmeasured(figure, goal, "no press reached a monster (input.log)");

    const double turns = valueOf(result, "worstTurns");
    const double worst = valueOf(result, "maxMs");
    const std::string measured =
        fixed(valueOf(result, "medianMs"), 3) + " ms median, " + fixed(worst, 3) + " ms worst (" +
        fixed(valueOf(result, "presses"), 0) +
        " presses)\nturns between press and paint: " + fixed(turns, 0) + " at worst" +
        (valueOf(result, "missed") > 0 ? "\n" + fixed(valueOf(result, "missed"), 0) + " missed"
                                       : "");
    return {figure, goal, measured, "one frame at 60 Hz: 16.7 ms",
            verdictText(judge(turns == 0 && worst < FrameMs && valueOf(result, "missed") == 0))};
}

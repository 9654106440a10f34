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

Row measureSound(const BenchSetup& setup) {
    const std::string figure = "8 Sound: press on a\nmonster to its first\nsample at the server";
    const std::string goal = "median <= 10 ms,\nworst <= 20 ms;\nasking < 1 ms";
    const auto result =
        ChildProcess::run({setup.bench, "sound", std::to_string(Presses)}, {}, setup.log("sound"));
    if (!reported(result, {"presses", "medianMs", "maxMs", "requestMaxUs"}) ||
        valueOf(result, "presses") == 0)
        return unmeasured(figure, goal, "no hit was heard (sound.log)");

    const double median = valueOf(result, "medianMs");
    const double worst = valueOf(result, "maxMs");
    const double missed = valueOf(result, "missed");
    const double request = valueOf(result, "requestMaxUs");
    std::string measured = fixed(median, 1) + " ms median, " + fixed(worst, 1) + " ms worst (" +
                           fixed(valueOf(result, "presses"), 0) + " hits)" +
                           (missed > 0 ? ", " + fixed(missed, 0) + " not heard" : "") +
                           "\nasking for a sound: " + fixed(valueOf(result, "requestMedianUs"), 0) +
                           " us median, " + fixed(request, 0) + " us worst";
    if (setup.loadPerProcessor > 0.5)
        measured +=
            "\n(the machine was busy: load " + fixed(setup.loadPerProcessor, 1) + " per processor)";
    return {figure, goal, measured, "Qt Multimedia, before:\n  22 ms median",
            verdictText(judge(median <= 10 && worst <= 20 && missed == 0 && request < 1000))};
}

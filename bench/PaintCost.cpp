// Figure 5, what a repaint costs: every title tick stepped and repainted as the game runs it,
// the painted region checked against the old and new places of the elements that changed;
// then synchronous full repaints of the real elements, flush included. Measured at the field's
// own size and at double size.

#include "FieldWidget.h"
#include "Figure.h"
#include "Game.h"
#include "GameTimer.h"
#include "Measures.h"
#include "PaintRecorder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <array>
#include <gtest/gtest.h>

namespace {

constexpr int FullRepaints = 300;
constexpr double FullRepaintLimitUs = 1000;

using Elements = std::array<Element, ElementCount>;
using Paint = ScaledBenchWindow;

// Where the screen may differ after a tick: the old and new places of every element that changed,
// in the widget's pixels.
QRegion changedRegion(const Elements& before, const Elements& after, const FieldView& view) {
    QRegion region;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const Element& b = before[i];
        const Element& a = after[i];
        if (b.rect == a.rect && b.visible == a.visible && b.text == a.text && b.color == a.color)
            continue;
        if (b.visible)
            region += view.toWidget(b.rect);
        if (a.visible)
            region += view.toWidget(a.rect);
    }
    return region;
}

double area(const QRegion& region) {
    double total = 0;
    for (const QRect& r : region)
        total += static_cast<double>(r.width()) * r.height();
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

// What a repaint of the field's size costs here with nothing drawn: a window that only paints
// itself black, for reference.
class BlackWindow : public QWidget {
public:
    explicit BlackWindow(QSize size) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(size);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter(this).fillRect(event->rect(), Qt::black);
    }
};

} // namespace

TEST_P(Paint, TitleTicksRepaintOnlyTheChangeAndFullRepaints) {
    // The title is stepped here alone; the real timer does not run beside it.
    window().timer().setEnabled(false);
    PaintRecorder recorder(window().field());
    const FieldView& view = window().field().view();
    const Scene& scene = game().scene();
    std::vector<double> cycleUs, paintUs;
    double worstArea = 0;
    int ticks = 0, paintingOutside = 0, unchanged = 0, repaintedUnchanged = 0;
    while (game().state().TitlePhase) {
        const Elements before = scene.elements();
        recorder.clear();
        QElapsedTimer timer;
        timer.start();
        window().tick();
        QCoreApplication::processEvents();
        const double cycle = static_cast<double>(timer.nsecsElapsed()) / 1000.0;
        ++ticks;
        const QRegion changed = changedRegion(before, scene.elements(), view);
        if (changed.isEmpty()) {
            ++unchanged;
            repaintedUnchanged += recorder.paints() > 0 ? 1 : 0;
            continue;
        }
        cycleUs.push_back(cycle);
        paintUs.push_back(recorder.paintingUs());
        worstArea = std::max(worstArea, area(recorder.painted()));
        if (!recorder.painted().subtracted(changed).isEmpty() || recorder.paints() == 0)
            ++paintingOutside;
    }

    // The Ready phase shows the most at once: both title lines, the monsters, the credit banner
    // and the start message. Qt never repaints an opaque child with its window, so the whole
    // window is the field and the menu bar, each repainted in full.
    settle(300);
    const double menuUs = meanRepaintUs(*window().menuBar());
    const double readyUs = meanRepaintUs(window().field());
    pressSpace();
    QCoreApplication::processEvents();
    const double playUs = meanRepaintUs(window().field());
    BlackWindow black(view.widgetSize());
    black.show();
    settle(300);
    const double blackUs = meanRepaintUs(black);

    const QSize widget = view.widgetSize();
    printRow({figureAtScale("5", "Paint (real\nelements)"),
              "a title tick repaints\nonly what changed;\nfull repaint under 1 ms",
              "title tick: paint " + fixed(median(paintUs), 0) + " us median, " +
                  fixed(maximum(paintUs), 0) + " us worst;\n  whole turn " +
                  fixed(median(cycleUs), 0) + " us median; at most " +
                  fixed(100.0 * worstArea / (widget.width() * widget.height()), 1) +
                  " % of the field\n" + std::to_string(paintingOutside) + " of " +
                  std::to_string(cycleUs.size()) + " moving ticks painted outside the change;\n  " +
                  std::to_string(repaintedUnchanged) + " of " + std::to_string(unchanged) +
                  " still ticks repainted\nfull repaint (field + menu bar): " +
                  fixed(readyUs + menuUs, 0) + " us Ready,\n  " + fixed(playUs + menuUs, 0) +
                  " us play; field alone " + fixed(readyUs, 0) + " us Ready",
              "a black window of the\nfield's size: " + fixed(blackUs, 0) + " us",
              paintingOutside == 0 && repaintedUnchanged == 0 &&
                  readyUs + menuUs < FullRepaintLimitUs && playUs + menuUs < FullRepaintLimitUs});
}

INSTANTIATE_TEST_SUITE_P(Sizes, Paint, ::testing::Values(1, 2));

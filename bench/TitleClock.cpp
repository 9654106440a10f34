// Figure 1, the title clock of the real program: its own main() and window, built with a probe
// that only listens (ProgramProbe.cpp). The title runs from FormCreate, whose caption change
// comes just before the timer starts, to the tick that ends it; three runs, each in a player's
// folder of its own.

#include "Figure.h"
#include "Measures.h"
#include "PortableCopy.h"
#include "Rules.h"

#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int Runs = 3;
constexpr int TitleTicks = 269;
constexpr double IdealTitleMs = TitleTicks * Rules::TitleInterval;
constexpr double Tolerance = 0.01;

} // namespace

TEST(TitleClock, OfTheRealProgramAgainstItsIdealLength) {
    QTemporaryDir folder;
    ASSERT_TRUE(copyPortableGame(folder.path(), {QStringLiteral(ZUNBARIO_PROBE)}));
    std::vector<double> titles;
    std::string perRun;
    double worstTick = 0, worstOff = 0;
    bool allTicks = true;
    for (int i = 0; i < Runs; ++i) {
        const Reports run = runChild(folder.filePath(QStringLiteral("zunbario_probe")), {},
                                     {QStringLiteral("ZUNBARIO_PROBE=title")});
        ASSERT_TRUE(run.has({"titleMs", "titleTicks", "titleWorstTickErrorMs"}))
            << "the title did not end";
        titles.push_back(run["titleMs"]);
        perRun += (i == 0 ? "" : ", ") + fixed(titles.back(), 1);
        worstTick = std::max(worstTick, run["titleWorstTickErrorMs"]);
        worstOff = std::max(worstOff, std::abs(titles.back() - IdealTitleMs) / IdealTitleMs);
        allTicks = allTicks && run["titleTicks"] == TitleTicks;
    }
    printRow({"1 Title clock\n(real program)", "FormCreate to end of title\nwithin 1 % of 2690 ms",
              fixed(median(titles), 1) + " ms (median of 3: " + perRun + ")\nworst run " +
                  fixed(worstOff * 100, 2) + " % off; " +
                  (allTicks ? "269 ticks" : "tick count WRONG") + ",\n  worst tick " +
                  fixed(worstTick, 2) + " ms off its time",
              "ideal: 269 x 10 ms = 2690 ms", allTicks && worstOff <= Tolerance});
}

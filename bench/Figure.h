#pragma once

#include "Element.h"
#include "WindowHarness.h"

#include <QStringList>
#include <map>
#include <source_location>
#include <string>

// What every figure's test shares: its row of the table, the children it starts and the real
// main window it measures in.

// A row of the table `make bench` prints. A cell may hold several lines. The verdict is the
// bench's judgement of the goal, never a test failure: a busy machine fails no test.
struct Row {
    std::string figure;
    std::string goal;
    std::string measured;
    std::string baseline;
    bool met = false;
};

// Prints the row as one line, "bench-row" and its cells separated by tabs, each line break a
// literal \n; the file that measured it goes with it. When BENCH_ROWS names a file, the line is
// added to it too, for bench/run.sh to gather.
void printRow(const Row& row, std::source_location where = std::source_location::current());

std::string fixed(double value, int decimals);
std::string megabytes(double kilobytes);
// The machine's load average over the last minute, per processor.
double loadPerProcessor();

// What a child reported with report(), one value per key, and its peak resident memory in
// kilobytes from the kernel; not ok when it did not end well.
struct Reports {
    bool ok = false;
    std::map<std::string, double> values;
    double peakKb = 0;

    bool has(std::initializer_list<const char*> keys) const;
    double operator[](const std::string& key) const;
};

// Runs a program with a few more environment variables ("NAME=value"), its errors going to
// ours, to its end, or until it is asked to end (SIGTERM) after `endAfterMs`, which counts as a
// good end. BENCH_SPAWN_NS carries the steady clock's reading just before it starts.
Reports runChild(const QString& program, const QStringList& arguments = {},
                 const QStringList& environment = {}, int endAfterMs = -1);

// The real main window over a player's folder with the build's cursors, sounds and help file.
// Like every window test it gets no tick of its real timer until a figure hands the timer back.
class BenchWindow : public WindowHarness {
protected:
    void prepareFolder() override;
    void SetUp() override;

    // Runs the event loop alone for a while, so that what was just done has settled.
    static void settle(int ms);
    // Lets the real timer tick the game, as it does for the player.
    void useRealTimer() { m_realTicks.reset(); }
    void pressSpace() { pressKey(Qt::Key_Space); }
    // Through the title to a level with the normal hammer on the real timer.
    void startNormalHammerLevel();
    // Pauses and resumes, which puts the monsters in new places and clears the explosions, then
    // picks a monster on top where its centre lies, so a press there reaches it, if there is one.
    std::optional<int> moveMonsters(int pausedMs = 0);
    // The centre of that monster, in the window's coordinates.
    QPoint monsterCentre(int monster);
};

// The same window with the field drawn at a scale the player may choose (the parameter: 1 or 2),
// read from the settings file in the player's folder as the game reads it at start.
class ScaledBenchWindow : public BenchWindow, public ::testing::WithParamInterface<int> {
protected:
    void prepareFolder() override;
    void SetUp() override;

    // The row's figure: "5 Paint" at the field's own size, "5b Paint" and "double size" under it
    // at twice the size.
    std::string figureAtScale(const std::string& number, const std::string& name) const;
};

inline constexpr ElementId Monsters[] = {ElementId::ImgMonster0, ElementId::ImgMonster1,
                                         ElementId::ImgMonster2};

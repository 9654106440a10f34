// Figure 6, start-up and peak memory of the real program against a window with a Japanese label
// (Baseline.cpp), both under an X server, where players run the game: Qt's offscreen platform
// makes no X connection and would reward work that only helps there. The figure starts a virtual
// X server of its own, whatever platform the rest of the bench uses.
// Start-up is the time from spawning the process to the field's first frame on screen
// (ProgramProbe.cpp), median of 7; the two programs take turns, so a busy moment of the machine
// falls on both alike. Peak memory is the peak resident memory of zunbario itself, unchanged,
// through its whole title, from wait4.

#include "Figure.h"
#include "Measures.h"
#include "PortableCopy.h"
#include "X11Session.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int Runs = 7;
constexpr double Ratio = 1.3;
// Long enough for the whole title and the records read at its end.
constexpr int WholeTitleMs = 4500;

} // namespace

TEST(Startup, FirstFrameAndPeakMemoryAgainstALabelWindow) {
    // The children inherit the display and the platform; this program keeps the one it has.
    QProcess server;
    ASSERT_TRUE(X11Session::start(server)) << "Xvfb could not be started";
    qputenv("QT_QPA_PLATFORM", "xcb");
    QTemporaryDir folder;
    ASSERT_TRUE(copyPortableGame(
        folder.path(), {QStringLiteral(ZUNBARIO_PROBE), QStringLiteral(ZUNBARIO_PROGRAM)}));
    std::vector<double> gameStart, gameMade, gameFramePeak, labelStart, labelMade, labelPeak;
    for (int i = 0; i < Runs; ++i) {
        const Reports game = runChild(folder.filePath(QStringLiteral("zunbario_probe")), {},
                                      {QStringLiteral("ZUNBARIO_PROBE=startup")});
        const Reports label =
            runChild(QStringLiteral(ZUNBARIO_BASELINE), {QStringLiteral("label")});
        ASSERT_TRUE(game.has({"firstFrameMs", "applicationMs"}) && game["firstFrameMs"] >= 0);
        ASSERT_TRUE(label.has({"firstFrameMs", "applicationMs"}));
        gameStart.push_back(game["firstFrameMs"]);
        gameMade.push_back(game["applicationMs"]);
        gameFramePeak.push_back(game.peakKb);
        labelStart.push_back(label["firstFrameMs"]);
        labelMade.push_back(label["applicationMs"]);
        labelPeak.push_back(label.peakKb);
    }

    // The program itself through its title into the Ready phase; then it is asked to end, as
    // closing would not ask there either.
    const Reports whole =
        runChild(folder.filePath(QStringLiteral("zunbario")), {}, {}, WholeTitleMs);
    ASSERT_TRUE(whole.ok) << "zunbario did not run through its title";
    const double gamePeak = whole.peakKb;

    const double startRatio = median(gameStart) / median(labelStart);
    const double memoryRatio = gamePeak / median(labelPeak);
    printRow({"6 Start-up and\npeak memory",
              "process start to first\npainted frame, and peak\nresident memory, under\nXvfb: "
              "each within\n1.3 x baseline",
              "first frame " + fixed(median(gameStart), 1) + " ms (median of 7), " +
                  fixed(startRatio, 2) + " x\n  (application made at " +
                  fixed(median(gameMade), 1) + " ms)\npeak " + megabytes(gamePeak) +
                  " (zunbario through its title), " + fixed(memoryRatio, 2) + " x\n  " +
                  megabytes(median(gameFramePeak)) + " at its first frame",
              "label window: first frame\n  " + fixed(median(labelStart), 1) +
                  " ms (application made at " + fixed(median(labelMade), 1) + " ms),\n  peak " +
                  megabytes(median(labelPeak)),
              startRatio <= Ratio && memoryRatio <= Ratio});
    server.terminate();
    server.waitForFinished(5000);
}

// The yardsticks the game is measured against: the plainest Qt programs doing the same job.
//   label          a window with a Japanese label; reports its first frame, then ends
//   idle MS        an empty window of the game's size, left alone
//   pointer MS     the same window while the pointer moves over it

#include "FirstFrameWatch.h"
#include "LoadMeter.h"
#include "PointerDriver.h"
#include "ProcessUsage.h"
#include "Report.h"
#include "SpawnClock.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <chrono>
#include <string>

namespace {

constexpr QSize GameFieldSize(617, 460);

int labelWindow() {
    Report::put("applicationMs", millisecondsSinceSpawn().value_or(-1));
    QWidget window;
    QLabel label(QStringLiteral("ズンバリオ"), &window);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    label.setFont(font);
    FirstFrameWatch watch([&label](const QObject& painted) { return &painted == &label; },
                          [] {
                              Report::put("firstFrameMs", millisecondsSinceSpawn().value_or(-1));
                              Report::put("firstFramePeakKb",
                                          static_cast<double>(peakResidentKb().value_or(0)));
                              QCoreApplication::exit(0);
                          });
    window.show();
    return QApplication::exec();
}

int emptyWindow(std::chrono::milliseconds duration, bool movePointer) {
    QWidget window;
    window.setFixedSize(GameFieldSize);
    window.show();
    settle(std::chrono::milliseconds(800));
    PointerDriver pointer;
    if (movePointer)
        pointer.start(window.mapToGlobal(window.rect().center()), 150);
    reportLoad("", measureLoad(duration));
    Report::put("pointerMoves", pointer.moves());
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString mode = arguments.value(1);
    const std::chrono::milliseconds duration(arguments.value(2).toInt());
    if (mode == QStringLiteral("label"))
        return labelWindow();
    if (mode == QStringLiteral("idle"))
        return emptyWindow(duration, false);
    if (mode == QStringLiteral("pointer"))
        return emptyWindow(duration, true);
    return 2;
}

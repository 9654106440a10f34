// The yardsticks the game is measured against: the plainest Qt programs doing the same job.
//   label               a window with a Japanese label; reports its first frame, then ends
//   idle MS             an empty window of the game's size, left alone
//   pointer MS [SCALE]  the same window while the pointer moves over it; SCALE times larger,
//                       the pointer's circle too, when given

#include "Measures.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWidget>
#include <algorithm>

namespace {

int labelWindow() {
    report("applicationMs", millisecondsSinceSpawn());
    QWidget window;
    QLabel label(QStringLiteral("ズンバリオ"), &window);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    label.setFont(font);
    FirstFrameWatch watch([&label](const QObject& painted) { return &painted == &label; },
                          [] {
                              report("firstFrameMs", millisecondsSinceSpawn());
                              QCoreApplication::exit(0);
                          });
    window.show();
    return QApplication::exec();
}

int emptyWindow(std::chrono::milliseconds duration, bool movePointer, int scale) {
    QWidget window;
    window.setFixedSize(617 * scale, 460 * scale);
    window.show();
    QTest::qWait(800);
    std::optional<PointerCircle> pointer;
    if (movePointer)
        pointer.emplace(window.mapToGlobal(window.rect().center()), 150 * scale);
    const Load load = measureLoad(duration);
    report("cpuMs", load.cpuMs);
    report("cpuPercent", load.cpuPercent());
    report("mainWakeups", load.mainWakeups);
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
    if (mode == QStringLiteral("idle") || mode == QStringLiteral("pointer"))
        return emptyWindow(duration, mode == QStringLiteral("pointer"),
                           std::max(1, arguments.value(3).toInt()));
    return 2;
}

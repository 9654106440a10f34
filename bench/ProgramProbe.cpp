// Watches the real program from inside. The program's main() and window are the game's own,
// built from the same sources; this file only listens to the application's events. It reports
// when the field's first frame was on screen, and how long the title ran from FormCreate to its
// end, then ends the program. ZUNBARIO_PROBE=startup ends it at the first frame instead.

#include "FieldWidget.h"
#include "FirstFrameWatch.h"
#include "Game.h"
#include "GameTimer.h"
#include "MainWindow.h"
#include "ProcessUsage.h"
#include "Report.h"
#include "Rules.h"
#include "SpawnClock.h"
#include "Stats.h"
#include "TimerEventClock.h"

#include <QCoreApplication>
#include <QEvent>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

class ProgramProbe : public QObject {
public:
    ProgramProbe(bool endAtFirstFrame, QObject* parent)
        : QObject(parent), m_endAtFirstFrame(endAtFirstFrame),
          m_firstFrame(
              [](const QObject& painted) {
                  return qobject_cast<const FieldWidget*>(&painted) != nullptr;
              },
              [this] { firstFrame(); }) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // FormCreate blanks the caption just before it starts the title's timer: the first
        // caption change of the main window is the moment the title begins.
        if (event->type() == QEvent::WindowTitleChange && m_formCreateMs < 0) {
            if (auto* window = qobject_cast<MainWindow*>(watched)) {
                m_formCreateMs = steadyNowMs();
                Report::put("formCreateMs", millisecondsSinceSpawn().value_or(-1));
                connect(&window->timer(), &GameTimer::ticked, this,
                        [this, window] { titleTick(*window); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void firstFrame() {
        Report::put("firstFrameMs", millisecondsSinceSpawn().value_or(-1));
        Report::put("firstFramePeakKb", static_cast<double>(peakResidentKb().value_or(0)));
        if (m_endAtFirstFrame)
            QCoreApplication::exit(0);
    }

    void titleTick(MainWindow& window) {
        if (m_titleOver)
            return;
        m_tickTimes.push_back(m_clock.lastMs());
        if (window.game().state().TitlePhase)
            return;
        m_titleOver = true;
        const Stats::TickTiming timing =
            Stats::analyseTicks(m_tickTimes, m_formCreateMs, Rules::TitleInterval);
        Report::put("titleMs", m_tickTimes.back() - m_formCreateMs);
        Report::put("titleTicks", timing.ticks);
        Report::put("titleWorstTickErrorMs", timing.maxAbsError);
        Report::put("titleFirstTickErrorMs",
                    m_tickTimes.front() - m_formCreateMs - Rules::TitleInterval);
        Report::put("titlePeakKb", static_cast<double>(peakResidentKb().value_or(0)));
        QCoreApplication::exit(0);
    }

    bool m_endAtFirstFrame;
    FirstFrameWatch m_firstFrame;
    TimerEventClock m_clock;
    double m_formCreateMs = -1;
    std::vector<double> m_tickTimes;
    bool m_titleOver = false;
};

void installProbe() {
    Report::put("applicationMs", millisecondsSinceSpawn().value_or(-1));
    const char* mode = std::getenv("ZUNBARIO_PROBE");
    const bool endAtFirstFrame = mode != nullptr && std::strcmp(mode, "startup") == 0;
    new ProgramProbe(endAtFirstFrame, QCoreApplication::instance());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)

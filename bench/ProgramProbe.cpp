// Watches the real program from inside, for figures 1 and 6. The program's main() and window
// are the game's own, built from the same sources; this file only listens to the application's
// events. It reports when the field's first frame was on screen, and how long the title ran from
// FormCreate to its end, then ends the program. ZUNBARIO_PROBE=startup ends it at the first
// frame instead.

#include "FieldWidget.h"
#include "Game.h"
#include "GameTimer.h"
#include "MainWindow.h"
#include "Measures.h"
#include "Rules.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

class ProgramProbe : public QObject {
public:
    explicit ProgramProbe(bool endAtFirstFrame)
        : QObject(QCoreApplication::instance()),
          m_firstFrame(
              [](const QObject& painted) {
                  return qobject_cast<const FieldWidget*>(&painted) != nullptr;
              },
              [endAtFirstFrame] {
                  report("firstFrameMs", millisecondsSinceSpawn());
                  if (endAtFirstFrame)
                      QCoreApplication::exit(0);
              }) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // FormCreate blanks the caption just before it starts the title's timer: the first
        // caption change of the main window is the moment the title begins.
        if (event->type() == QEvent::WindowTitleChange && m_formCreateMs < 0) {
            if (auto* window = qobject_cast<MainWindow*>(watched)) {
                m_formCreateMs = steadyNowMs();
                connect(&window->timer(), &GameTimer::ticked, this,
                        [this, window] { titleTick(*window); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void titleTick(MainWindow& window) {
        if (m_titleOver)
            return;
        m_tickTimes.push_back(m_clock.lastMs());
        if (window.game().state().TitlePhase)
            return;
        m_titleOver = true;
        const TickTiming timing = analyseTicks(m_tickTimes, m_formCreateMs, Rules::TitleInterval);
        report("titleMs", m_tickTimes.back() - m_formCreateMs);
        report("titleTicks", timing.ticks);
        report("titleWorstTickErrorMs", timing.maxAbsError);
        QCoreApplication::exit(0);
    }

    FirstFrameWatch m_firstFrame;
    TimerEventClock m_clock;
    double m_formCreateMs = -1;
    std::vector<double> m_tickTimes;
    bool m_titleOver = false;
};

void installProbe() {
    report("applicationMs", millisecondsSinceSpawn());
    const bool endAtFirstFrame = qgetenv("ZUNBARIO_PROBE") == "startup";
    new ProgramProbe(endAtFirstFrame);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)

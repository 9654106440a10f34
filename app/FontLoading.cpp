#include "FontLoading.h"

#include <QFontDatabase>
#include <QStringList>
#include <pthread.h>
#include <sched.h>

FontLoading::FontLoading() {
    const int windowCore = sched_getcpu();
    m_thread = std::jthread([] { QFontDatabase::families(); });
    // Linux may queue a new thread on the core of the thread that made it and move it to an idle
    // core only when it next balances its cores, up to a scheduler tick (4 ms) later: by then the
    // window would have read the fonts itself. So the reading is kept off the window's core.
    cpu_set_t cores;
    if (windowCore < 0 || sched_getaffinity(0, sizeof cores, &cores) != 0 || CPU_COUNT(&cores) < 2)
        return;
    CPU_CLR(windowCore, &cores);
    pthread_setaffinity_np(m_thread.native_handle(), sizeof cores, &cores);
}

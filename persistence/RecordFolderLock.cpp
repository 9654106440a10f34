#include "RecordFolderLock.h"

#include "RecordFile.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

RecordFolderLock::RecordFolderLock(const std::string& recordPath, int patienceMs) {
    m_fd = ::open(recordFolderOf(recordPath).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0)
        return;
    // The other copy holds the lock only for the few milliseconds of a read and a write; it is
    // asked again and again rather than waited for without end.
    constexpr auto Pause = std::chrono::milliseconds(5);
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(patienceMs);
    for (;;) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
            m_held = true;
            return;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= giveUp)
            return;
        std::this_thread::sleep_for(Pause);
    }
}

RecordFolderLock::~RecordFolderLock() {
    // Closing the folder's descriptor releases the lock.
    if (m_fd >= 0)
        ::close(m_fd);
}

#include "OpenedFiles.h"

#include "Files.h"

#include <QTest>
#include <sys/inotify.h>
#include <unistd.h>

OpenedFiles::OpenedFiles(const std::vector<std::string>& folders)
    : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    m_watching = m_fd >= 0;
    for (const std::string& folder : folders) {
        const int wd = m_fd >= 0 ? ::inotify_add_watch(m_fd, folder.c_str(), IN_OPEN) : -1;
        m_watching &= wd >= 0;
        m_folders.emplace_back(wd, folder.back() == '/' ? folder : folder + '/');
    }
}

OpenedFiles::~OpenedFiles() {
    if (m_fd >= 0)
        ::close(m_fd);
}

void OpenedFiles::collect() {
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t length = ::read(m_fd, buffer, sizeof buffer);
        if (length <= 0)
            return;
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            for (const auto& [wd, folder] : m_folders)
                if (wd == event->wd && event->len > 0)
                    m_opened.insert(folder + event->name);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

const std::set<std::string>& OpenedFiles::opened() {
    collect();
    return m_opened;
}

bool OpenedFiles::waitFor(const std::set<std::string>& paths, int timeoutMs) {
    return QTest::qWaitFor(
        [&] {
            collect();
            for (const std::string& path : paths)
                if (!m_opened.contains(path))
                    return false;
            return true;
        },
        timeoutMs);
}

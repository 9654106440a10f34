#pragma once

#include <set>
#include <string>
#include <vector>

// Which files of some folders another process opens, as the kernel reports it: how the tests
// tell where the running game reads its cursors, sounds and help from. The folders are byte paths.
class OpenedFiles {
public:
    explicit OpenedFiles(const std::vector<std::string>& folders);
    ~OpenedFiles();
    OpenedFiles(const OpenedFiles&) = delete;
    OpenedFiles& operator=(const OpenedFiles&) = delete;

    bool watching() const { return m_watching; }
    // Waits until every one of the paths has been opened since the watch began.
    bool waitFor(const std::set<std::string>& paths, int timeoutMs);
    // Every path opened so far.
    const std::set<std::string>& opened();

private:
    void collect();

    int m_fd = -1;
    bool m_watching = false;
    std::vector<std::pair<int, std::string>> m_folders; // watch descriptor, folder with '/'
    std::set<std::string> m_opened;
};

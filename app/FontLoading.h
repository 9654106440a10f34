#pragma once

#include <thread>

// Reads the desktop's font list on another core while the window is built. Reading it is most
// of the time before the first frame (the font configuration is parsed from dozens of files),
// and nothing the window builds before its first text needs it. Qt's font database is
// thread-safe: the window's first text waits for the reading if it is not over yet, and the list
// is read once either way.
class FontLoading {
public:
    // Starts reading; the application object must exist.
    FontLoading();
    // Waits for the reading to end.
    ~FontLoading() = default;

private:
    std::jthread m_thread;
};

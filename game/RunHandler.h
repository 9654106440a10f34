#pragma once

#include "FileError.h"
#include "Platform.h"

#include <utility>

// Runs one handler: the last-resort net for a file error no handler catches itself (today every
// handler that touches a file reports its own failures and carries on). Such an error ends the
// handler where it stood and is shown in the error box; the program keeps running.
template <typename Handler> void runHandler(Platform& platform, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const FileError& error) {
        platform.reportError(error.text());
    }
}

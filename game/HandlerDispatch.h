#pragma once

#include "FileError.h"
#include "Platform.h"

#include <utility>

// Runs one handler. A file error ends the handler where it stood and is shown in the error box;
// the program keeps running.
template <typename Handler> void runHandler(Platform& platform, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const FileError& error) {
        platform.reportError(error.what());
    }
}

#pragma once

#include "TempFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

// A promise the code under fuzzing broke: say which one and abort, so that libFuzzer keeps the
// input that broke it.
inline void fuzzCheck(bool holds, const char* promise) {
    if (!holds) {
        std::fprintf(stderr, "broken promise: %s\n", promise);
        std::abort();
    }
}

// The folder of one fuzzing process in the working folder, with its data folder, removed when
// the process ends. A process that crashes leaves it beside the input that crashed it.
inline const std::filesystem::path& fuzzFolder() {
    static const TempFolder folder("zunbario-fuzz", std::filesystem::current_path());
    static const bool made = std::filesystem::create_directories(folder.path() / "data");
    static_cast<void>(made);
    return folder.path();
}

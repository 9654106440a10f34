#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

// A promise the code under fuzzing broke: say which one and abort, so that libFuzzer keeps the
// input that broke it.
inline void fuzzCheck(bool holds, const char* promise) {
    if (!holds) {
        std::fprintf(stderr, "broken promise: %s\n", promise);
        std::abort();
    }
}

// A folder of one fuzzing process in the working folder, removed when the process ends. A
// process that crashes leaves it beside the input that crashed it.
class FuzzFolder {
public:
    FuzzFolder() {
        std::random_device entropy;
        m_path = std::filesystem::current_path() / ("zunbario-fuzz-" + std::to_string(entropy()));
        std::filesystem::create_directories(m_path / "data");
    }
    ~FuzzFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    FuzzFolder(const FuzzFolder&) = delete;
    FuzzFolder& operator=(const FuzzFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>
#include <vector>

// A fresh folder of a test's own, removed with everything in it when the object goes. The Qt
// tests use QTemporaryDir instead; this one is for the tests and tools without the toolkit.
class TempFolder {
public:
    // A folder named `prefix` and a random number, under `parent`.
    explicit TempFolder(
        const std::string& prefix = "zunbario-test",
        const std::filesystem::path& parent = std::filesystem::temp_directory_path()) {
        std::random_device entropy;
        do
            m_path = parent / (prefix + "-" + std::to_string(entropy()));
        while (!std::filesystem::create_directories(m_path));
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// A file's whole content; nothing when it cannot be read.
inline std::vector<std::uint8_t> fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Replaces a file's content with `bytes`.
inline void writeFileBytes(const std::filesystem::path& file,
                           const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

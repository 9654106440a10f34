#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The signed 32-bit little-endian words of a record file's leading bytes, as a fresh program
// sees them: bytes a short file does not reach stay zero.
template <std::size_t N>
std::array<std::int32_t, N> wordsOf(const std::uint8_t* bytes, std::size_t count) {
    std::array<std::int32_t, N> words{};
    for (std::size_t i = 0; i < N; ++i) {
        std::uint32_t u = 0;
        for (std::size_t b = 0; b < 4; ++b) {
            const std::size_t at = i * 4 + b;
            if (at < count)
                u |= static_cast<std::uint32_t>(bytes[at]) << (8 * b);
        }
        words[i] = static_cast<std::int32_t>(u);
    }
    return words;
}

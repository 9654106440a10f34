#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The two record files are byte images of these records: signed 32-bit little-endian words.

// data/record1.dat, 12 bytes: the best final score of each hammer mode.
struct HighScoreRecord {
    std::array<std::int32_t, 3> scores{};

    static constexpr std::size_t ByteSize = 12;
    std::array<std::byte, ByteSize> toBytes() const;
    // Takes the leading bytes; words the bytes do not reach keep their values.
    void overwriteFrom(const std::byte* bytes, std::size_t count);
    friend bool operator==(const HighScoreRecord&, const HighScoreRecord&) = default;
};

// data/record2.dat, 32 bytes: one interrupted game.
struct SavedGameRecord {
    std::int32_t reserved0 = 0; // carried through unchanged
    std::int32_t reserved1 = 0; // carried through unchanged
    std::int32_t level = 0;     // 0 or less: nothing to resume
    std::int32_t score = 0;
    std::int32_t levelStartScore = 0;
    std::int32_t hammerMode = 0;
    std::int32_t ticks = 0;
    std::int32_t freshStart = 0; // 0: the next key resumes the level; 1: it begins a new one

    static constexpr std::size_t ByteSize = 32;
    std::array<std::byte, ByteSize> toBytes() const;
    void overwriteFrom(const std::byte* bytes, std::size_t count);

    friend bool operator==(const SavedGameRecord&, const SavedGameRecord&) = default;
};

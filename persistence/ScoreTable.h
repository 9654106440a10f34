#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One game clear that reached the ten best of its hammer mode.
struct ScoreEntry {
    std::int32_t score = 0;
    std::int64_t time = 0; // seconds since 1970-01-01 00:00 UTC
    std::string name;      // the player's name, UTF-8

    friend bool operator==(const ScoreEntry&, const ScoreEntry&) = default;
};

// The ten best game clears of each hammer mode, best first; of two equal scores the older ranks
// first. Modes are numbered as the high-score record numbers them.
//
// As text (scores.txt), one entry a line in rank order, after a comment line:
//     normal 512 2026-12-08T22:30:05Z Taro Yamada
// the mode (normal, strange or random), the score, the date and time in UTC and the name.
class ScoreTable {
public:
    static constexpr std::size_t ModeCount = 3;
    static constexpr std::size_t Length = 10;

    const std::vector<ScoreEntry>& entries(std::size_t mode) const { return m_modes.at(mode); }

    // Puts a game clear in its place and returns its rank, counted from 0; none when it does not
    // reach the ten best, and the table is then unchanged.
    std::optional<std::size_t> add(std::size_t mode, ScoreEntry entry);

    std::string toText() const;
    // The entries of the lines that read as entries. `damaged` tells whether anything else was
    // there: a line that is not an entry or a comment, or more entries of a mode than it keeps.
    static ScoreTable fromText(std::string_view text, bool* damaged = nullptr);

    friend bool operator==(const ScoreTable&, const ScoreTable&) = default;

private:
    std::array<std::vector<ScoreEntry>, ModeCount> m_modes;
};

// What a read of the score file found. A file that is damaged, foreign, too large, not a file at
// all or unreadable gives the entries it could read and `damaged`; a missing file is an empty
// table, and not damaged.
struct ScoreFile {
    ScoreTable table;
    bool damaged = false;

    // More than this is not a score file the game wrote.
    static constexpr std::size_t MaxSize = 64 * 1024;
};

// Reads the score file; never throws.
ScoreFile readScoreFile(const std::string& path);

// Replaces the score file with the table, atomically as the records are replaced. A damaged file
// is first kept beside it as `scores.txt.damaged` (or `.damaged-2`, ... when that name is taken),
// so that nothing the player had is lost. Throws FileError when the file, or the name kept for a
// damaged one, cannot be made; what the player had is then whole under one of the two names.
void writeScoreFile(const std::string& path, const ScoreTable& table, bool keepDamaged);

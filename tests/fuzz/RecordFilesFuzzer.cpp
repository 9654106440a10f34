// Both record files read with any content and any length: a read takes what the file holds up to
// the record's size, the words it does not reach keep their values, and a saved game that passes
// as resumable can be played on without leaving the game's tables.

#include "FuzzCheck.h"
#include "RecordFile.h"
#include "Records.h"
#include "Rules.h"
#include "SavedGameRule.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <limits>
#include <string>

namespace {

template <typename Record>
Record readOver(const std::string& file, const std::uint8_t* data, std::size_t size,
                const Record& before) {
    std::array<std::byte, Record::ByteSize> bytes{};
    const std::size_t count = readRecordFile(file, bytes.data(), bytes.size());
    fuzzCheck(count == std::min(size, Record::ByteSize),
              "a read takes as many bytes as both the file and the record have");

    Record record = before;
    record.overwriteFrom(bytes.data(), count);
    const auto image = record.toBytes();
    const auto old = before.toBytes();
    for (std::size_t i = 0; i < Record::ByteSize; ++i) {
        const std::byte expected = i < count ? std::byte{data[i]} : old[i];
        fuzzCheck(image[i] == expected, "the record holds the bytes read and keeps the others");
    }
    return record;
}

// The next key resumes the saved level or begins the one after it; either must have a jump
// period and a target, and the mode must pick one of the three high scores.
void checkPlayable(const SavedGameRecord& saved) {
    const int next = saved.freshStart == 0 ? saved.level : saved.level + 1;
    fuzzCheck(next >= 1 && next <= Rules::LastLevel, "a resumed game plays one of the levels");
    fuzzCheck(saved.hammerMode >= 0 && saved.hammerMode <= 2, "a resumed game has a known mode");
    fuzzCheck(saved.ticks >= 0 && saved.ticks <= Rules::TicksPerLevel,
              "a resumed level has its clock within the level");
    fuzzCheck(saved.score >= 0 && saved.levelStartScore >= 0, "a resumed game has no debt");
    fuzzCheck(saved.score <= std::numeric_limits<std::int32_t>::max() - 1'000'000,
              "a resumed score has room for a million more hits");
    fuzzCheck(Rules::jumpPeriod(next) > 0 &&
                  Rules::target(next, static_cast<HammerMode>(saved.hammerMode)) > 0,
              "the resumed level has a period and a target");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = (fuzzFolder() / "data" / "record.dat").string();
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    HighScoreRecord highScores;
    highScores.scores = {0x01020304, -5, 77};
    readOver(file, data, size, highScores);

    SavedGameRecord saved;
    saved.reserved0 = 0x7F00FF00;
    saved.reserved1 = -1;
    saved.level = 3;
    saved.score = 150;
    saved.levelStartScore = 120;
    saved.hammerMode = 2;
    saved.ticks = 40;
    saved.freshStart = 0;
    const SavedGameRecord read = readOver(file, data, size, saved);
    if (holdsResumableGame(read))
        checkPlayable(read);

    // A buffer larger than the file takes the whole file and nothing more.
    std::array<std::byte, 64> whole{};
    const std::size_t count = readRecordFile(file, whole.data(), whole.size());
    fuzzCheck(count == std::min(size, whole.size()), "a large buffer takes the whole file");
    fuzzCheck(std::equal(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(count),
                         reinterpret_cast<const std::byte*>(data)),
              "the bytes read are the file's");
    return 0;
}

// The score table read from any text: it keeps at most ten entries a mode, best first and the
// older first among equals, and written out it reads back the same and whole.

#include "FuzzCheck.h"
#include "ScoreTable.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ScoreTable table =
        ScoreTable::fromText(std::string_view(reinterpret_cast<const char*>(data), size));
    for (std::size_t mode = 0; mode < ScoreTable::ModeCount; ++mode) {
        const auto& entries = table.entries(mode);
        fuzzCheck(entries.size() <= ScoreTable::Length, "a mode keeps ten entries at most");
        for (std::size_t i = 1; i < entries.size(); ++i) {
            const ScoreEntry& above = entries[i - 1];
            const ScoreEntry& below = entries[i];
            fuzzCheck(above.score > below.score ||
                          (above.score == below.score && above.time <= below.time),
                      "entries stand in rank order");
        }
    }
    bool damaged = true;
    fuzzCheck(ScoreTable::fromText(table.toText(), &damaged) == table && !damaged,
              "what the game writes reads back the same and whole");
    return 0;
}

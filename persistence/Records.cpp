#include "Records.h"

#include <algorithm>

namespace {

template <std::size_t N>
std::array<std::byte, N * 4> encode(const std::array<std::int32_t, N>& words) {
    std::array<std::byte, N * 4> bytes{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto u = static_cast<std::uint32_t>(words[i]);
        for (std::size_t b = 0; b < 4; ++b)
            bytes[i * 4 + b] = static_cast<std::byte>((u >> (8 * b)) & 0xFFu);
    }
    return bytes;
}

template <std::size_t N>
std::array<std::int32_t, N> decode(const std::array<std::byte, N * 4>& bytes) {
    std::array<std::int32_t, N> words{};
    for (std::size_t i = 0; i < N; ++i) {
        std::uint32_t u = 0;
        for (std::size_t b = 0; b < 4; ++b)
            u |= std::to_integer<std::uint32_t>(bytes[i * 4 + b]) << (8 * b);
        words[i] = static_cast<std::int32_t>(u);
    }
    return words;
}

template <std::size_t N>
std::array<std::int32_t, N> overwrite(const std::array<std::int32_t, N>& words,
                                      const std::byte* bytes, std::size_t count) {
    auto image = encode(words);
    std::copy_n(bytes, std::min(count, image.size()), image.begin());
    return decode<N>(image);
}

using SavedWords = std::array<std::int32_t, 8>;

SavedWords words(const SavedGameRecord& r) {
    return {r.reserved0,       r.reserved1,  r.level, r.score,
            r.levelStartScore, r.hammerMode, r.ticks, r.freshStart};
}

void assign(SavedGameRecord& r, const SavedWords& w) {
    r.reserved0 = w[0];
    r.reserved1 = w[1];
    r.level = w[2];
    r.score = w[3];
    r.levelStartScore = w[4];
    r.hammerMode = w[5];
    r.ticks = w[6];
    r.freshStart = w[7];
}

} // namespace

std::array<std::byte, HighScoreRecord::ByteSize> HighScoreRecord::toBytes() const {
    return encode(scores);
}

void HighScoreRecord::overwriteFrom(const std::byte* bytes, std::size_t count) {
    scores = overwrite(scores, bytes, count);
}

std::array<std::byte, SavedGameRecord::ByteSize> SavedGameRecord::toBytes() const {
    return encode(words(*this));
}

void SavedGameRecord::overwriteFrom(const std::byte* bytes, std::size_t count) {
    assign(*this, overwrite(words(*this), bytes, count));
}

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

// Little-endian numbers, as the record files, the cursor files and the sound files hold them.

// The unsigned number in `size` bytes from `at`; bytes past the end read as zero, as a short
// record file reads.
inline std::uint32_t littleEndian(std::span<const std::uint8_t> bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int b = 0; b < size; ++b)
        if (at + b < bytes.size())
            value |= static_cast<std::uint32_t>(bytes[at + b]) << (8 * b);
    return value;
}
inline unsigned le16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return littleEndian(bytes, at, 2);
}
inline std::uint32_t le32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return littleEndian(bytes, at, 4);
}

// The leading signed 32-bit words, as a fresh program reads a record file.
template <std::size_t N> std::array<std::int32_t, N> wordsOf(std::span<const std::uint8_t> bytes) {
    std::array<std::int32_t, N> words{};
    for (std::size_t i = 0; i < N; ++i)
        words[i] = static_cast<std::int32_t>(le32(bytes, 4 * i));
    return words;
}

// Appends `value`'s low `size` bytes, lowest first.
inline void putLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
    for (int b = 0; b < size; ++b)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * b)));
}
inline void putLe16(std::vector<std::uint8_t>& bytes, unsigned value) {
    putLittleEndian(bytes, value, 2);
}
inline void putLe32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    putLittleEndian(bytes, value, 4);
}

// A record's byte image, as the bytes its file holds.
template <std::size_t N> std::vector<std::uint8_t> bytesOf(const std::array<std::byte, N>& image) {
    std::vector<std::uint8_t> bytes;
    for (const std::byte b : image)
        bytes.push_back(std::to_integer<std::uint8_t>(b));
    return bytes;
}

// Signed 32-bit words as the record files hold them.
inline std::vector<std::uint8_t> words(std::span<const std::int32_t> values) {
    std::vector<std::uint8_t> bytes;
    for (const std::int32_t v : values)
        putLe32(bytes, static_cast<std::uint32_t>(v));
    return bytes;
}
inline std::vector<std::uint8_t> words(std::initializer_list<std::int32_t> values) {
    return words(std::span<const std::int32_t>(values.begin(), values.size()));
}

#include "CursorHeader.h"

#include <algorithm>

namespace {

constexpr std::size_t DirectoryBytes = 6;
constexpr std::size_t EntryBytes = 16;
constexpr unsigned CursorType = 2;

unsigned u16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<unsigned>(b[at]) | static_cast<unsigned>(b[at + 1]) << 8;
}

std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
    return u16(b, at) | static_cast<std::uint32_t>(u16(b, at + 2)) << 16;
}

// A size byte of 0 stands for 256 pixels.
int side(std::uint8_t stored) {
    return stored == 0 ? 256 : stored;
}

} // namespace

std::optional<CursorHeader> readCursorHeader(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < DirectoryBytes + EntryBytes)
        return std::nullopt;
    const unsigned count = u16(bytes, 4);
    if (u16(bytes, 0) != 0 || u16(bytes, 2) != CursorType || count == 0)
        return std::nullopt;
    const std::size_t directoryEnd = DirectoryBytes + EntryBytes * count;

    CursorHeader header;
    header.width = side(bytes[6]);
    header.height = side(bytes[7]);
    header.hotspotX = std::min(static_cast<int>(u16(bytes, 10)), header.width - 1);
    header.hotspotY = std::min(static_cast<int>(u16(bytes, 12)), header.height - 1);
    header.imageBytes = u32(bytes, 14);
    header.imageOffset = u32(bytes, 18);
    const std::uint64_t imageEnd =
        static_cast<std::uint64_t>(header.imageOffset) + header.imageBytes;
    if (header.imageBytes == 0 || header.imageOffset < directoryEnd || imageEnd > bytes.size())
        return std::nullopt;
    return header;
}

#pragma once

#include <cstdint>
#include <optional>
#include <span>

// The first picture of a Windows .cur file as its header describes it: its size, the hotspot
// (the point of the picture that touches what the pointer points at) and where its data lies.
struct CursorHeader {
    int width = 0;
    int height = 0;
    int hotspotX = 0;
    int hotspotY = 0;
    std::uint32_t imageBytes = 0;
    std::uint32_t imageOffset = 0;
};

// Reads the header of a cursor file held in memory. Anything that is not a whole, well-formed
// cursor file (too short, an icon, a picture lying beyond the end of the data) gives nothing. A
// hotspot outside the picture is moved onto its nearest edge.
std::optional<CursorHeader> readCursorHeader(std::span<const std::uint8_t> bytes);

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

// A picture decoded from JPEG: rows from the top, three bytes (red, green, blue) per pixel.
struct JpegImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// Why a JPEG could not be decoded, in libjpeg's own words.
class JpegError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Pictures larger than this on either side are refused before any memory is set aside for them.
inline constexpr int JpegMaxSide = 4096;

// Decodes a whole JPEG held in memory with libjpeg. Anything libjpeg finds wrong, a warning about
// damaged data included, throws JpegError; the process never ends because of a bad picture.
JpegImage decodeJpeg(std::span<const std::uint8_t> bytes);

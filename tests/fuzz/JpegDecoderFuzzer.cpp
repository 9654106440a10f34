// The JPEG decoder fed any bytes: it either throws JpegError or returns a whole picture of a
// size it accepts. Nothing else may escape it, and libjpeg must never end the process.

#include "FuzzCheck.h"
#include "JpegDecoder.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    JpegImage image;
    try {
        image = decodeJpeg(std::span<const std::uint8_t>(data, size));
    } catch (const JpegError&) {
        return 0;
    }
    fuzzCheck(image.width >= 1 && image.width <= JpegMaxSide && image.height >= 1 &&
                  image.height <= JpegMaxSide,
              "a decoded picture has a size the decoder accepts");
    fuzzCheck(image.rgb.size() == static_cast<std::size_t>(image.width) *
                                      static_cast<std::size_t>(image.height) * 3,
              "a decoded picture has three bytes for every pixel");
    return 0;
}

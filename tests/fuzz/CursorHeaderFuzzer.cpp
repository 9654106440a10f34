// A cursor file's header read from any bytes: it is either refused or describes a picture that
// lies wholly inside the data, with its hotspot on the picture.

#include "CursorHeader.h"
#include "FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <numeric>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const auto header = readCursorHeader(bytes);
    if (!header)
        return 0;
    fuzzCheck(header->width >= 1 && header->width <= 256 && header->height >= 1 &&
                  header->height <= 256,
              "a cursor is 1 to 256 pixels on each side");
    fuzzCheck(header->hotspotX >= 0 && header->hotspotX < header->width && header->hotspotY >= 0 &&
                  header->hotspotY < header->height,
              "the hotspot lies on the picture");
    fuzzCheck(header->imageBytes > 0 && header->imageOffset >= 22 &&
                  static_cast<std::uint64_t>(header->imageOffset) + header->imageBytes <= size,
              "the picture lies after the directory and inside the data");
    // Touching every byte of the picture lets AddressSanitizer check the promise above too.
    const auto picture = bytes.subspan(header->imageOffset, header->imageBytes);
    const std::uint64_t sum = std::accumulate(picture.begin(), picture.end(), std::uint64_t{0});
    fuzzCheck(sum <= 255u * static_cast<std::uint64_t>(picture.size()), "bytes are bytes");
    return 0;
}

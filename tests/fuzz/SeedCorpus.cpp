// Writes the small starting inputs of one fuzzer into a folder, so that no binary corpus has to
// live in the repository:
//
//     zunbario_fuzz_seeds records|title|cursor|jpeg FOLDER

#include "LittleEndian.h"
#include "Records.h"
#include "TempFolder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <jpeglib.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

void save(const fs::path& folder, const std::string& name, const Bytes& bytes) {
    writeFileBytes(folder / name, bytes);
}

Bytes highScores(std::int32_t normal, std::int32_t strange, std::int32_t random) {
    HighScoreRecord record;
    record.scores = {normal, strange, random};
    return bytesOf(record.toBytes());
}

Bytes savedGame(std::int32_t level, std::int32_t score, std::int32_t startScore, std::int32_t mode,
                std::int32_t ticks, std::int32_t freshStart) {
    SavedGameRecord record;
    record.level = level;
    record.score = score;
    record.levelStartScore = startScore;
    record.hammerMode = mode;
    record.ticks = ticks;
    record.freshStart = freshStart;
    return bytesOf(record.toBytes());
}

Bytes prefix(Bytes bytes, std::size_t count) {
    bytes.resize(count);
    return bytes;
}

void recordSeeds(const fs::path& folder) {
    save(folder, "highscores", highScores(400, 250, 199));
    save(folder, "paused", savedGame(2, 90, 50, 0, 37, 0));
    save(folder, "between-levels", savedGame(3, 140, 70, 1, 120, 1));
    save(folder, "last-level-done", savedGame(4, 200, 130, 2, 120, 1));
    save(folder, "nothing-saved", savedGame(0, 0, 0, 1, 0, 1));
    save(folder, "short", prefix(savedGame(1, 5, 0, 0, 10, 0), 11));
    save(folder, "damaged-score", savedGame(1, 0x7FFFFFFF, 0, 0, 0, 0));
}

// The title fuzzer's input: options, the high-score part's length, then both files.
Bytes titleInput(std::uint8_t options, const Bytes& first, const Bytes& second) {
    Bytes input{options, static_cast<std::uint8_t>(first.size())};
    input.insert(input.end(), first.begin(), first.end());
    input.insert(input.end(), second.begin(), second.end());
    return input;
}

void titleSeeds(const fs::path& folder) {
    const Bytes highs = highScores(330, 200, 195);
    save(folder, "fresh-install", titleInput(8, {}, {}));
    save(folder, "resume-paused", titleInput(1 | 2 | 4 | 8, highs, savedGame(2, 70, 50, 0, 30, 0)));
    save(folder, "resume-last-level",
         titleInput(1 | 2 | 4 | 8, highs, savedGame(4, 180, 130, 1, 100, 0)));
    save(folder, "decline", titleInput(1 | 2 | 8, highs, savedGame(3, 100, 70, 2, 0, 1)));
    // A damaged score must not be resumed: the first hit would overflow it.
    save(folder, "damaged-score",
         titleInput(1 | 2 | 4 | 8, highs, savedGame(1, 0x7FFFFFFF, 0, 0, 0, 0)));
    save(folder, "unreadable", titleInput(1 | 2 | 16, highs, savedGame(1, 0, 0, 1, 0, 1)));
}

// A cursor file with one picture: the directory, one entry, and a bitmap header with its pixels
// and mask.
Bytes cursorFile(std::uint8_t side, unsigned hotX, unsigned hotY) {
    const std::uint32_t pixels = side * side * 4u;
    const std::uint32_t mask = side * ((side + 31u) / 32u * 4u);
    const std::uint32_t imageBytes = 40 + pixels + mask;
    Bytes b;
    putLe16(b, 0);
    putLe16(b, 2);
    putLe16(b, 1);
    b.push_back(side);
    b.push_back(side);
    b.push_back(0);
    b.push_back(0);
    putLe16(b, hotX);
    putLe16(b, hotY);
    putLe32(b, imageBytes);
    putLe32(b, 22);
    putLe32(b, 40);
    putLe32(b, side);
    putLe32(b, side * 2u);
    putLe16(b, 1);
    putLe16(b, 32);
    for (int i = 0; i < 6; ++i)
        putLe32(b, i == 1 ? pixels + mask : 0);
    b.resize(b.size() + pixels + mask, 0x80);
    return b;
}

void cursorSeeds(const fs::path& folder) {
    save(folder, "small", cursorFile(16, 3, 4));
    save(folder, "hotspot-outside", cursorFile(8, 40, 9));
}

// A picture of the given size and kind compressed by libjpeg, colours in stripes.
Bytes jpeg(int width, int height, bool grey, bool progressive, int quality) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&info, &out, &outSize);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width * info.input_components));
    while (info.next_scanline < info.image_height) {
        for (std::size_t i = 0; i < row.size(); ++i)
            row[i] = static_cast<unsigned char>((i * 37 + info.next_scanline * 11) & 0xFF);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    Bytes bytes(out, out + outSize);
    jpeg_destroy_compress(&info);
    std::free(out);
    return bytes;
}

void jpegSeeds(const fs::path& folder) {
    save(folder, "colour", jpeg(16, 8, false, false, 75));
    save(folder, "grey", jpeg(8, 8, true, false, 90));
    save(folder, "progressive", jpeg(24, 16, false, true, 50));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s records|title|cursor|jpeg FOLDER\n", argv[0]);
        return 2;
    }
    const std::string kind = argv[1];
    const fs::path folder = argv[2];
    fs::create_directories(folder);
    if (kind == "records")
        recordSeeds(folder);
    else if (kind == "title")
        titleSeeds(folder);
    else if (kind == "cursor")
        cursorSeeds(folder);
    else if (kind == "jpeg")
        jpegSeeds(folder);
    else
        return 2;
    return 0;
}

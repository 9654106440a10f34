// Writes both record files again and again, as the game does, for the crash-safety test to kill
// at random moments:
//
//     zunbario_record_writer FOLDER FIRST [COUNT]
//
// Write n (from FIRST on) puts numberedHighScores(n) into FOLDER/record1.dat and then
// numberedSavedGame(n) into FOLDER/record2.dat. After each finished file it writes one byte to
// standard output, so the test knows which writes were finished when the kill came. Without COUNT
// it never stops by itself.

#include "FileError.h"
#include "NumberedRecords.h"
#include "RecordFile.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// A test that can no longer hear about finished writes has gone away; so does the writer.
void reportFinished(char file) {
    if (::write(STDOUT_FILENO, &file, 1) != 1)
        std::_Exit(3);
}

template <typename Record> void writeRecord(const std::string& path, const Record& record) {
    const auto bytes = record.toBytes();
    writeRecordFile(path, bytes.data(), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FOLDER FIRST [COUNT]\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const long first = std::strtol(argv[2], nullptr, 10);
    const long count = argc > 3 ? std::strtol(argv[3], nullptr, 10) : -1;

    try {
        for (long i = 0; count < 0 || i < count; ++i) {
            const auto n = static_cast<std::int32_t>(first + i);
            writeRecord(folder + "/record1.dat", numberedHighScores(n));
            reportFinished('1');
            writeRecord(folder + "/record2.dat", numberedSavedGame(n));
            reportFinished('2');
        }
    } catch (const FileError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

#include "ScoreTable.h"

#include "FileError.h"
#include "RecordFile.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::array<std::string_view, ScoreTable::ModeCount> ModeNames{"normal", "strange",
                                                                        "random"};
constexpr std::string_view Heading =
    "# ズンバリオ high scores: hammer mode, score, date and time (UTC), player\n";
constexpr std::size_t DateLength = 20; // 2026-12-08T22:30:05Z

std::string dateText(std::int64_t time) {
    const auto seconds = static_cast<std::time_t>(time);
    std::tm parts{};
    char text[32] = {};
    if (::gmtime_r(&seconds, &parts) == nullptr ||
        std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts) != DateLength)
        return "1970-01-01T00:00:00Z";
    return text;
}

// A date read back only when writing it again gives the same text, so that no impossible date
// (the 31st of February, a year of five digits) slips through.
std::optional<std::int64_t> parseDate(std::string_view text) {
    if (text.size() != DateLength)
        return std::nullopt;
    std::tm parts{};
    const std::string copy(text);
    const char* end = ::strptime(copy.c_str(), "%Y-%m-%dT%H:%M:%SZ", &parts);
    if (end == nullptr || *end != '\0')
        return std::nullopt;
    const std::int64_t time = ::timegm(&parts);
    if (dateText(time) != text)
        return std::nullopt;
    return time;
}

std::optional<std::int32_t> parseScore(std::string_view text) {
    std::int32_t score = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), score);
    if (error != std::errc() || end != text.data() + text.size() || score < 0)
        return std::nullopt;
    return score;
}

// Cuts the next field, up to a space, off the front of the line.
std::string_view nextField(std::string_view& line) {
    const std::size_t space = line.find(' ');
    const std::string_view field = line.substr(0, space);
    line = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
    return field;
}

// A name keeps to its line: control characters, line breaks among them, become spaces.
std::string oneLine(std::string name) {
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7f'; }, ' ');
    return name;
}

// Keeps a damaged file under a name of its own beside it: a second name for the same file where
// the filesystem allows it; where not (FAT has none), the file itself moves to that name, and the
// rewrite that follows puts a new one in its place. Nothing is read or copied, however large the
// file is.
void keepDamagedFile(const std::string& path) {
    struct stat st {};
    // Nothing to keep; and what is not a file (a folder) the write refuses to replace anyway.
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    std::string kept;
    for (int n = 1;; ++n) {
        kept = path + ".damaged" + (n == 1 ? std::string() : "-" + std::to_string(n));
        if (!recordFileExists(kept))
            break;
        if (n == 100)
            throw FileError::cannotCreate(kept);
    }
    if (::link(path.c_str(), kept.c_str()) != 0 && ::rename(path.c_str(), kept.c_str()) != 0)
        throw FileError::cannotCreate(kept);
}

} // namespace

std::optional<std::size_t> ScoreTable::add(std::size_t mode, ScoreEntry entry) {
    std::vector<ScoreEntry>& entries = m_modes.at(mode);
    // After every entry with a better or equal score that is not younger.
    const auto place = std::find_if(entries.begin(), entries.end(), [&entry](const ScoreEntry& e) {
        return e.score < entry.score || (e.score == entry.score && e.time > entry.time);
    });
    const auto rank = static_cast<std::size_t>(place - entries.begin());
    if (rank >= Length)
        return std::nullopt;
    entry.name = oneLine(std::move(entry.name));
    entries.insert(place, std::move(entry));
    if (entries.size() > Length)
        entries.pop_back();
    return rank;
}

std::string ScoreTable::toText() const {
    std::string text(Heading);
    for (std::size_t mode = 0; mode < ModeCount; ++mode) {
        for (const ScoreEntry& e : m_modes[mode]) {
            text += ModeNames[mode];
            text += ' ' + std::to_string(e.score) + ' ' + dateText(e.time) + ' ' + e.name + '\n';
        }
    }
    return text;
}

ScoreTable ScoreTable::fromText(std::string_view text, bool* damaged) {
    ScoreTable table;
    bool foreign = false;
    std::array<std::size_t, ModeCount> counts{};
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.starts_with('#'))
            continue;

        const auto mode = std::find(ModeNames.begin(), ModeNames.end(), nextField(line));
        const std::optional<std::int32_t> score = parseScore(nextField(line));
        const std::optional<std::int64_t> time = parseDate(nextField(line));
        if (mode == ModeNames.end() || !score || !time) {
            foreign = true;
            continue;
        }
        // Entries out of order are put in order; entries beyond the ten best are not the game's.
        const auto m = static_cast<std::size_t>(mode - ModeNames.begin());
        if (++counts[m] > Length)
            foreign = true;
        table.add(m, {*score, *time, std::string(line)});
    }
    if (damaged != nullptr)
        *damaged = foreign;
    return table;
}

ScoreFile readScoreFile(const std::string& path) {
    ScoreFile file;
    if (!recordFileExists(path))
        return file;
    std::string bytes(ScoreFile::MaxSize + 1, '\0');
    try {
        bytes.resize(
            readRecordFile(path, reinterpret_cast<std::byte*>(bytes.data()), bytes.size()));
    } catch (const FileError&) {
        file.damaged = true;
        return file;
    }
    bool foreign = false;
    if (bytes.size() > ScoreFile::MaxSize) {
        // Only whole lines of the part read count.
        bytes.resize(bytes.rfind('\n', ScoreFile::MaxSize - 1) + 1);
        foreign = true;
    }
    bool damagedLines = false;
    file.table = ScoreTable::fromText(bytes, &damagedLines);
    file.damaged = foreign || damagedLines;
    return file;
}

void writeScoreFile(const std::string& path, const ScoreTable& table, bool keepDamaged) {
    if (keepDamaged)
        keepDamagedFile(path);
    const std::string text = table.toText();
    writeRecordFile(path, reinterpret_cast<const std::byte*>(text.data()), text.size());
}

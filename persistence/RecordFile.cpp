#include "RecordFile.h"

#include "FileError.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { close(); }

    int get() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    bool close() {
        if (m_fd < 0)
            return true;
        const bool ok = ::close(m_fd) == 0;
        m_fd = -1;
        return ok;
    }

private:
    int m_fd;
};

constexpr std::size_t RandomSuffixLength = 6; // as mkostemp makes them

bool isRandomSuffix(const std::string& text) {
    return text.size() == RandomSuffixLength && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
           });
}

bool writeAll(int fd, const std::byte* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be synced changes nothing for the game.
void syncFolder(const std::string& folder) {
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.isOpen())
        ::fsync(dir.get());
}

std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Puts the finished temporary file in the record's place. Some filesystems (FAT through
// fusefat, some network and phone mounts) refuse to rename a file over an existing one: there
// the record is first moved aside under the game's own hidden name and removed only once the new
// one stands in its place, so that a write cut off at any moment leaves one whole record, which
// restoreSetAsideRecord() puts back where the game looks for it.
bool moveIntoPlace(const std::string& temporary, const std::string& path) {
    if (::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    // Only a record stands aside; whatever else has its name (a folder, say) stays where it is.
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    const std::string setAside = setAsideFileName(path);
    // Left by a replacement cut off after the new record was in place: the record is newer.
    ::unlink(setAside.c_str());
    if (::rename(path.c_str(), setAside.c_str()) != 0)
        return false;
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        ::rename(setAside.c_str(), path.c_str());
        return false;
    }
    ::unlink(setAside.c_str());
    return true;
}

} // namespace

std::string recordFolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string temporaryFilePrefix(const std::string& path) {
    return "." + fileNameOf(path) + ".zunbario-unfinished-";
}

bool recordFileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::size_t readRecordFile(const std::string& path, std::byte* buffer, std::size_t capacity) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat st {};
    if (!file.isOpen() || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode))
        throw FileError::cannotOpen(path);

    std::size_t total = 0;
    while (total < capacity) {
        const ssize_t n = ::read(file.get(), buffer + total, capacity - total);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw FileError::cannotOpen(path);
        if (n == 0)
            break;
        total += static_cast<std::size_t>(n);
    }
    return total;
}

void writeRecordFile(const std::string& path, const std::byte* data, std::size_t size) {
    const std::string folder = recordFolderOf(path);
    std::string temporary = folder + "/" + temporaryFilePrefix(path) + "XXXXXX";
    Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!file.isOpen())
        throw FileError::cannotCreate(path);

    // The record is readable by everyone, as a file the player made would be. Filesystems
    // without permissions (FAT and exFAT on a USB stick) refuse the change, and the file is
    // saved all the same.
    static_cast<void>(::fchmod(file.get(), 0644));
    const bool written =
        writeAll(file.get(), data, size) && ::fsync(file.get()) == 0 && file.close();
    if (!written || !moveIntoPlace(temporary, path)) {
        ::unlink(temporary.c_str());
        throw FileError::cannotCreate(path);
    }
    syncFolder(folder);
}

std::string setAsideFileName(const std::string& path) {
    return recordFolderOf(path) + "/." + fileNameOf(path) + ".zunbario-previous";
}

void restoreSetAsideRecord(const std::string& path) {
    const std::string setAside = setAsideFileName(path);
    if (!recordFileExists(setAside))
        return;
    // A replacement cut off after the record was moved aside: the previous record comes back.
    // One cut off after the new record took its place: the previous one is no longer needed.
    if (recordFileExists(path))
        ::unlink(setAside.c_str());
    else if (::rename(setAside.c_str(), path.c_str()) == 0)
        syncFolder(recordFolderOf(path));
}

void makeRecordFolder(const std::string& folder) {
    // Each missing folder on the way down, so that a player with no data folder at all still
    // gets one; folders that exist are left as they are.
    for (std::size_t end = folder.find('/', 1); end != std::string::npos;
         end = folder.find('/', end + 1))
        ::mkdir(folder.substr(0, end).c_str(), 0700);
    if (!folder.empty() && folder.back() != '/')
        ::mkdir(folder.c_str(), 0700);
}

void removeStaleTemporaryFiles(const std::string& path, int minimumAgeSeconds) {
    const std::string folder = recordFolderOf(path);
    const std::string prefix = temporaryFilePrefix(path);

    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!name.starts_with(prefix) || !isRandomSuffix(name.substr(prefix.size())))
            continue;
        const std::string candidate = folder + "/" + name;
        struct stat st {};
        if (::lstat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            now - st.st_mtime > minimumAgeSeconds)
            ::unlink(candidate.c_str());
    }
    ::closedir(dir);
}

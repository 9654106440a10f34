#include "FileLocator.h"

#include <QFile>
#include <QStandardPaths>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string withSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

// "/usr/games/" gives "/usr/". The program folder comes from the kernel, already free of "."
// and "..", so taking off the last name is enough.
std::string parentOf(const std::string& folder) {
    const std::string trimmed = folder.substr(0, folder.size() - 1);
    const auto slash = trimmed.find_last_of('/');
    return slash == std::string::npos ? std::string("/") : trimmed.substr(0, slash + 1);
}

} // namespace

std::string programFolder() {
    // The kernel's own record of the program file: Qt's application folder is empty when the
    // folder's name is not valid UTF-8, as in a zip unpacked without converting names.
    std::string target(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size())
        return {};
    target.resize(static_cast<std::size_t>(length));
    const auto slash = target.find_last_of('/');
    return slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
}

std::string userDataFolder() {
    // The generic location: the per-application one would be named after the Japanese title.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return withSeparator(QFile::encodeName(folder).toStdString());
}

std::string userConfigFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return withSeparator(QFile::encodeName(folder).toStdString());
}

FileLocations locateFiles(const std::string& programDir, const std::string& userDataDir,
                          const std::string& userConfigDir) {
    if (isFolder(programDir + "data"))
        return FileLocations::portable(programDir);
    return {parentOf(programDir) + "share/zunbario/", withSeparator(userDataDir) + "zunbario/",
            true, withSeparator(userConfigDir) + "zunbario/zunbario.conf"};
}

FileLocations locateFiles() {
    return locateFiles(programFolder(), userDataFolder(), userConfigFolder());
}

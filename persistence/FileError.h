#pragma once

#include <optional>
#include <stdexcept>
#include <string>

// A record file that could not be opened or created. The message is the one the player sees,
// naming the file by its full path.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    static FileError cannotOpen(const std::string& path) {
        return FileError("ファイル " + path + " は開けません");
    }
    static FileError cannotCreate(const std::string& path) {
        return FileError("ファイル " + path + " を作成できません");
    }
};

// Runs a write and gives back the message of the FileError it threw, if any, so that the error
// can be shown once the records folder's lock is let go: the error box waits for the player.
template <typename Write> std::optional<std::string> failureOf(Write&& write) {
    try {
        write();
    } catch (const FileError& error) {
        return error.what();
    }
    return std::nullopt;
}

#pragma once

#include "GameText.h"

#include <optional>
#include <stdexcept>
#include <string>

// A record file that could not be opened or created. The message is the one the player sees,
// naming the file by its full path.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    static constexpr const char* CannotOpenPattern =
        GAME_TEXT("FileError", "ファイル %1 は開けません");
    static constexpr const char* CannotCreatePattern =
        GAME_TEXT("FileError", "ファイル %1 を作成できません");

    static FileError cannotOpen(const std::string& path) {
        return FileError(fillPattern(CannotOpenPattern, path));
    }
    static FileError cannotCreate(const std::string& path) {
        return FileError(fillPattern(CannotCreatePattern, path));
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

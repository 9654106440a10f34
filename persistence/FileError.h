#pragma once

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

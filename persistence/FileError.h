#pragma once

#include "GameText.h"

#include <optional>
#include <stdexcept>
#include <string>

// A record file that could not be opened or created. The message, what(), is the one the player
// reads in Japanese, naming the file by its full path; text() is the same message as its pattern
// and the path, for the window to show in the player's language.
class FileError : public std::runtime_error {
public:
    static constexpr const char* CannotOpenPattern =
        GAME_TEXT("FileError", "ファイル %1 は開けません");
    static constexpr const char* CannotCreatePattern =
        GAME_TEXT("FileError", "ファイル %1 を作成できません");

    static FileError cannotOpen(const std::string& path) {
        return FileError({"FileError", CannotOpenPattern, path});
    }
    static FileError cannotCreate(const std::string& path) {
        return FileError({"FileError", CannotCreatePattern, path});
    }

    const GameText& text() const { return m_text; }

private:
    explicit FileError(GameText text)
        : std::runtime_error(text.filled()), m_text(std::move(text)) {}

    GameText m_text;
};

// Runs a write and gives back the message of the FileError it threw, if any, so that the error
// can be shown once the records folder's lock is let go: the error box waits for the player.
template <typename Write> std::optional<GameText> failureOf(Write&& write) {
    try {
        write();
    } catch (const FileError& error) {
        return error.text();
    }
    return std::nullopt;
}

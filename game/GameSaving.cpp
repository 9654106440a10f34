// The record files: loading them at the end of the title, the high scores and the saved game
// the game clear updates, saving a game from the menu and on closing.

#include "FileError.h"
#include "Files.h"
#include "Game.h"
#include "RecordFile.h"
#include "RecordFolderLock.h"
#include "Rules.h"
#include "SavedGameRule.h"
#include "StatusTexts.h"
#include "Texts.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

// Reads the leading bytes of a record file into its in-memory image; bytes a short file does
// not reach keep their values.
template <typename Record> void readInto(const std::string& file, Record& record) {
    std::array<std::byte, Record::ByteSize> bytes{};
    const std::size_t count = readRecordFile(file, bytes.data(), bytes.size());
    record.overwriteFrom(bytes.data(), count);
}

} // namespace

bool Game::loadRecords() {
    // The records are read while the folder is locked: another copy of the game replacing one
    // on a filesystem that refuses to rename over a file has it moved aside for a moment, and a
    // read then would find no record. Errors are shown once the lock is let go.
    std::optional<GameText> highScoreFailure;
    std::optional<GameText> savedGameFailure;
    bool savedGameRead = false;
    {
        const RecordFolderLock lock(recordPath(Files::HighScores));
        // Writes that were cut off in an earlier run may have left temporary files beside the
        // records, or a record moved aside.
        for (const char* name : {Files::HighScores, Files::SavedGame, Files::Scores}) {
            restoreSetAsideRecord(recordPath(name));
            removeStaleTemporaryFiles(recordPath(name));
        }
        highScoreFailure = failureOf([this] { loadHighScores(); });
        savedGameFailure = failureOf([this, &savedGameRead] { savedGameRead = readSavedGame(); });
    }
    // A file that cannot be read is reported and then treated as absent, so the title always
    // reaches the Ready phase.
    for (const std::optional<GameText>& failure : {highScoreFailure, savedGameFailure})
        if (failure)
            m_platform.reportError(*failure);
    return savedGameRead && offerSavedGame();
}

void Game::loadHighScores() {
    const std::string file = recordPath(Files::HighScores);
    m_state.HighScores = Rules::DefaultHighScores;
    if (!recordFileExists(file))
        return;
    readInto(file, m_state.HighScoreBuffer);
    m_state.HighScores = m_state.HighScoreBuffer.scores;
}

bool Game::readSavedGame() {
    const std::string file = recordPath(Files::SavedGame);
    if (!recordFileExists(file))
        return false;
    readInto(file, m_state.SavedGame);
    return true;
}

bool Game::offerSavedGame() {
    // A damaged or foreign file holds no game; it stays on disk as it is.
    if (!holdsResumableGame(m_state.SavedGame))
        return false;
    if (m_platform.confirm(Texts::ResumeQuestion, DialogButtons::YesNo) != Answer::Yes)
        return false;
    restoreSavedGame();
    return true;
}

void Game::restoreSavedGame() {
    GameState& s = m_state;
    const SavedGameRecord& saved = s.SavedGame;
    s.Level = saved.level;
    s.Score = saved.score;
    s.LevelStartScore = saved.levelStartScore;
    // The record was checked before it was offered: its word names one of the modes.
    s.HammerMode = static_cast<HammerMode>(saved.hammerMode);
    s.Ticks = saved.ticks;
    s.ResumePending = saved.freshStart == 0;
    m_scene.setText(ElementId::LabelTime, StatusTexts::time(s.Ticks));
    s.NormalHammerActive = s.HammerMode == HammerMode::NormalOnly;
    m_platform.setMenuChecked(menuItemOf(s.HammerMode), true);
}

std::string Game::recordPathForWriting(const char* name) const {
    if (m_folders.makeRecordDir)
        makeRecordFolder(m_folders.recordDir);
    return recordPath(name);
}

void Game::WriteHighScores() {
    m_state.HighScoreBuffer.scores = m_state.HighScores;
    const auto bytes = m_state.HighScoreBuffer.toBytes();
    writeRecordFile(recordPathForWriting(Files::HighScores), bytes.data(), bytes.size());
}

void Game::SaveGame() {
    const GameState& s = m_state;
    // SavedGame keeps what this copy last read or wrote: a save that fails leaves it as it was,
    // so that a game clear still recognises the file on disk as this copy's to cancel.
    SavedGameRecord saved = m_state.SavedGame;
    saved.level = s.Level;
    saved.score = s.Score;
    saved.levelStartScore = s.LevelStartScore;
    saved.hammerMode = static_cast<std::int32_t>(s.HammerMode);
    saved.ticks = s.Ticks;
    saved.freshStart = s.ResumePending ? 0 : 1;
    const auto bytes = saved.toBytes();
    writeRecordFile(recordPathForWriting(Files::SavedGame), bytes.data(), bytes.size());
    m_state.SavedGame = saved;
}

void Game::takeBetterScoresFromFile() {
    const std::string file = recordPath(Files::HighScores);
    if (!recordFileExists(file))
        return;
    // A file that cannot be read now gives nothing to merge; the write that follows reports it.
    HighScoreRecord onDisk = m_state.HighScoreBuffer;
    try {
        readInto(file, onDisk);
    } catch (const FileError&) {
        return;
    }
    for (std::size_t mode = 0; mode < m_state.HighScores.size(); ++mode)
        m_state.HighScores[mode] = std::max(m_state.HighScores[mode], onDisk.scores[mode]);
}

bool Game::savedGameFileUnchanged() const {
    // A file that cannot be read now is taken as unchanged, as a copy playing alone has always
    // taken it.
    SavedGameRecord onDisk = m_state.SavedGame;
    try {
        readInto(recordPath(Files::SavedGame), onDisk);
    } catch (const FileError&) {
        return true;
    }
    return onDisk == m_state.SavedGame;
}

bool Game::trySaveGame() {
    std::optional<GameText> failure;
    {
        const RecordFolderLock lock(recordPath(Files::SavedGame));
        failure = failureOf([this] { SaveGame(); });
    }
    if (failure)
        m_platform.reportError(*failure);
    return !failure;
}

Game::ClearedGameRecords Game::recordClearedGame() {
    GameState& s = m_state;
    const std::size_t mode = modeIndex(s.HammerMode);
    ClearedGameRecords result;
    const auto tryWrite = [&result](auto&& write) {
        if (std::optional<GameText> failure = failureOf(write))
            result.errors.push_back(std::move(*failure));
    };
    // Another copy of the game may be running on the same record files: while they are read
    // again and replaced, it waits.
    const RecordFolderLock lock(recordPath(Files::HighScores));
    // A best score the other copy wrote in the meantime is kept, and counts against this one.
    takeBetterScoresFromFile();
    if (s.HighScores.at(mode) < s.Score) {
        s.HighScores[mode] = s.Score;
        // A record that cannot be written is reported, and the game clear goes on: the player
        // still sees the celebration and never drifts into a fifth level.
        tryWrite([this] { WriteHighScores(); });
        result.newRecord = true;
    }
    // A saved game of this mode is cancelled: the file keeps the final score with level 0, which
    // is never offered. A game another copy saved since this one last read or wrote the file is
    // not this one's to cancel.
    if (recordFileExists(recordPath(Files::SavedGame)) &&
        static_cast<std::int32_t>(s.HammerMode) == s.SavedGame.hammerMode &&
        savedGameFileUnchanged()) {
        s.Level = 0;
        tryWrite([this] { SaveGame(); });
    }
    recordScore(result);
    return result;
}

void Game::N5Click() {
    GameState& s = m_state;
    holdForQuestion();
    // A save that fails is reported and the level goes on as after "No": it never stays frozen
    // with the clock stopped while hits still count.
    if (m_platform.confirm(Texts::SaveQuestion, DialogButtons::YesNoCancel) == Answer::Yes &&
        trySaveGame())
        s.SavedByMenu = true;
    if (s.Playing)
        resumeAfterQuestion();
}

bool Game::closeWouldAsk() const {
    const GameState& s = m_state;
    return !(s.TitlePhase || m_scene.isVisible(ElementId::ImgTitle1) || s.CelebrationPhase ||
             s.SavedByMenu || m_closeAnswered);
}

bool Game::FormCloseQuery() {
    GameState& s = m_state;
    if (!closeWouldAsk())
        return true;

    holdForQuestion();
    switch (m_platform.confirm(Texts::SaveQuestion, DialogButtons::YesNoCancel)) {
    case Answer::Yes:
        // A failed save keeps the window open and the level running, as after "Cancel".
        if (trySaveGame())
            return keepCloseAnswer();
        break;
    case Answer::No:
        return keepCloseAnswer();
    case Answer::Cancel:
        break;
    }
    if (s.Playing)
        resumeAfterQuestion();
    return false;
}

bool Game::keepCloseAnswer() {
    // The window closes now; or the desktop session asked, and it may yet go on. The level then
    // waits paused, not stopped with hits still counting, and the answer stands until play goes
    // on: closing asks no more, and an end without asking writes nothing over it.
    if (m_state.Playing)
        pause();
    m_closeAnswered = true;
    return true;
}

void Game::closeWithoutAsking() {
    if (!closeWouldAsk())
        return;
    // Saved as if the answer were Yes, which then stands as that answer would: a level in play
    // is saved as interrupted, and waits paused should the session go on.
    if (m_state.Playing)
        pause();
    m_closeAnswered = trySaveGame();
}

void Game::holdForQuestion() {
    m_platform.setTimerEnabled(false);
    if (m_state.Playing)
        m_state.ResumePending = true;
}

void Game::resumeAfterQuestion() {
    m_state.ResumePending = false;
    m_platform.setTimerEnabled(true);
}

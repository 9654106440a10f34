// The score table: the ten best game clears of each hammer mode, kept beside the records.

#include "FileError.h"
#include "Files.h"
#include "Game.h"
#include "RecordFolderLock.h"

void Game::recordScore(ClearedGameRecords& result) {
    const std::size_t mode = modeIndex(m_state.HammerMode);
    const std::string file = recordPath(Files::Scores);
    ScoreFile scores = readScoreFile(file);
    const std::optional<std::size_t> rank = scores.table.add(
        mode, {m_state.Score, m_platform.secondsSinceEpoch(), m_platform.playerName()});
    if (!rank)
        return;
    const std::optional<GameText> failure = failureOf(
        [&] { writeScoreFile(recordPathForWriting(Files::Scores), scores.table, scores.damaged); });
    if (failure)
        result.errors.push_back(*failure);
    else
        m_latestScore = LatestScore{mode, scores.table.entries(mode).at(*rank)};
}

ScoreTable Game::readScores() const {
    // Read under the lock: another copy replacing the file on a filesystem that refuses to
    // rename over a file has it moved aside for a moment.
    const RecordFolderLock lock(recordPath(Files::Scores));
    return readScoreFile(recordPath(Files::Scores)).table;
}

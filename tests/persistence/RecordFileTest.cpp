#include "RecordFile.h"

#include "CoreHarness.h"
#include "FileError.h"
#include "Records.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using enum ElementId;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

std::vector<std::string> entriesOf(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The message of the FileError the call throws, or "" when it throws none.
template <typename Call> std::string fileErrorOf(Call call) {
    try {
        call();
    } catch (const FileError& error) {
        return error.what();
    }
    return "";
}

std::string fullPath(const CoreHarness& h, const char* file) {
    return h.folder().string() + "/" + file;
}

// A record file's bytes as its words, for a failure to say which file it was.
std::string describe(const Bytes& file) {
    std::string text = std::to_string(file.size()) + " bytes:";
    for (std::size_t at = 0; at < file.size(); at += 4)
        text += " " + std::to_string(static_cast<std::int32_t>(le32(file, at)));
    return text;
}

Bytes prefix(const Bytes& bytes, std::size_t count) {
    return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count)};
}

} // namespace

// ---- reading and writing whole files ----

TEST(RecordFile, WriteReplacesTheFileWithExactlyTheBytesAndLeavesNothingElse) {
    CoreHarness h;
    const fs::path file = h.dataFile("record1.dat");
    writeFileBytes(file, Bytes(32, 0xEE));
    const HighScoreRecord scores{{400, 250, 260}};
    const auto bytes = scores.toBytes();
    writeRecordFile(file.string(), bytes.data(), bytes.size());

    EXPECT_EQ(h.readFile("record1.dat"), words({400, 250, 260}));
    EXPECT_EQ(entriesOf(file.parent_path()), std::vector<std::string>{"record1.dat"})
        << "no temporary file is left behind";
}

TEST(RecordFile, FailuresNameTheFileByItsFullPath) {
    CoreHarness h;
    const std::string target = h.dataFile("record1.dat").string();
    const std::array<std::byte, 12> bytes{};
    std::array<std::byte, 12> buffer{};

    // A folder standing where the file should be can be neither read nor replaced.
    fs::create_directory(target);
    EXPECT_EQ(fileErrorOf([&] { readRecordFile(target, buffer.data(), buffer.size()); }),
              "ファイル " + target + " は開けません");
    EXPECT_EQ(fileErrorOf([&] { writeRecordFile(target, bytes.data(), bytes.size()); }),
              "ファイル " + target + " を作成できません");
    EXPECT_EQ(entriesOf(h.folder() / "data"), std::vector<std::string>{"record1.dat"})
        << "a failed write leaves no temporary file";
    EXPECT_TRUE(fs::is_directory(target));

    // A regular file standing where the data folder should be.
    fs::remove_all(h.folder() / "data");
    writeFileBytes(h.folder() / "data", {});
    EXPECT_EQ(fileErrorOf([&] { writeRecordFile(target, bytes.data(), bytes.size()); }),
              "ファイル " + target + " を作成できません");
    EXPECT_EQ(entriesOf(h.folder()), std::vector<std::string>{"data"});
}

// An interrupted write leaves its temporary file; the next start removes the old ones only, so
// a write still under way in another copy of the game keeps its file. Files a player put beside
// the records, however they are named, are never touched.
TEST(RecordFile, StaleTemporaryFilesOfInterruptedWritesAreRemovedAtStartUp) {
    CoreHarness h;
    const fs::path data = h.folder() / "data";
    const std::string left1 = temporaryFilePrefix("record1.dat") + "a1B2c3";
    const std::string left2 = temporaryFilePrefix("record2.dat") + "Zz9Yy8";
    const std::string fresh = temporaryFilePrefix("record2.dat") + "fresh1";
    const std::string tooLong = temporaryFilePrefix("record1.dat") + "toolong7";
    const std::string odd = temporaryFilePrefix("record1.dat") + "a-b.c~";
    const std::vector<std::string> players{"record1.dat.backup", "record2.dat.before",
                                           "record1.dat.2024v2", "record1.dat.XyZ123",
                                           "notes.txt.abcdef"};
    std::vector<std::string> all{left1, left2, fresh, tooLong, odd};
    all.insert(all.end(), players.begin(), players.end());
    for (const std::string& name : all)
        writeFileBytes(data / name, Bytes(12, 1));
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    for (const std::string& name : all)
        if (name != fresh)
            fs::last_write_time(data / name, old);

    h.runTitle();
    std::vector<std::string> kept = players;
    kept.insert(kept.end(), {fresh, tooLong, odd});
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(entriesOf(data), kept);
}

// A write on a filesystem that refuses to rename over a file moves the record aside first; cut
// off there, it leaves the record only under that name, and the next start puts it back. Cut off
// once the new record was in place, it leaves a stale copy, which the start removes.
TEST(RecordFile, ARecordMovedAsideByAnInterruptedWriteIsBackAtTheNextStart) {
    CoreHarness h;
    const fs::path data = h.folder() / "data";
    writeFileBytes(setAsideFileName((data / "record1.dat").string()), words({500, 250, 260}));
    h.writeFile("record2.dat", words({0, 0, 2, 70, 60, 1, 0, 1}));
    writeFileBytes(setAsideFileName((data / "record2.dat").string()), words({0, 0, 1, 9}));
    h.platform.answers = {Answer::Yes};
    h.runTitle();
    EXPECT_EQ(h.state().HighScores, (std::array<std::int32_t, 3>{500, 250, 260}));
    EXPECT_EQ(h.state().Score, 70) << "the newer saved game is the one offered";
    EXPECT_EQ(entriesOf(data), (std::vector<std::string>{"record1.dat", "record2.dat"}));
}

// ---- loading at the end of the title ----

TEST(RecordLoad, FreshInstallHasEachModesLastTargetAndWritesNothing) {
    CoreHarness h;
    h.runTitle();
    EXPECT_EQ(h.state().HighScores, (std::array<std::int32_t, 3>{320, 190, 190}));
    EXPECT_TRUE(h.platform.questions.empty());
    EXPECT_TRUE(h.platform.errors.empty());
    EXPECT_TRUE(fs::is_empty(h.folder() / "data")) << "record files are created by records only";
}

TEST(RecordLoad, HighScoresComeFromTheFileAndShowForTheMode) {
    CoreHarness h;
    h.writeFile("record1.dat", words({500, 250, 260}));
    h.startLevel1();
    EXPECT_EQ(h.state().HighScores, (std::array<std::int32_t, 3>{500, 250, 260}));
    EXPECT_EQ(h.scene().text(LabelHighScore), "250匹\r(最高記録)");
}

TEST(RecordLoad, ShortHighScoreFileGivesZeroForWhatIsMissing) {
    const Bytes full = words({500, 0x0000BEEF, 260});
    const struct {
        std::size_t size;
        std::array<std::int32_t, 3> scores;
    } cases[] = {{0, {0, 0, 0}}, {4, {500, 0, 0}}, {6, {500, 0xBEEF, 0}}, {11, {500, 0xBEEF, 260}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.size) + " bytes");
        CoreHarness h;
        h.writeFile("record1.dat", prefix(full, c.size));
        h.runTitle();
        EXPECT_EQ(h.state().HighScores, c.scores);
        EXPECT_TRUE(h.platform.errors.empty());
        EXPECT_FALSE(h.state().TitlePhase);
    }
}

TEST(RecordLoad, SavedGameIsOfferedAndRestoredForEachMode) {
    const struct {
        std::int32_t mode;
        MenuItem checked;
    } cases[] = {{0, MenuItem::N2}, {1, MenuItem::N3}, {2, MenuItem::N4}};
    for (const auto& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode));
        CoreHarness h;
        h.writeFile("record2.dat", words({0, 0, 3, 150, 120, c.mode, 41, 0}));
        h.platform.answers = {Answer::Yes};
        h.runTitle();

        ASSERT_EQ(h.platform.questions.size(), 1u);
        EXPECT_EQ(h.platform.questions[0].message, "前回の続きからゲームを始めますか？");
        EXPECT_EQ(h.platform.questions[0].buttons, DialogButtons::YesNo);
        const GameState& s = h.state();
        EXPECT_EQ(s.Level, 3);
        EXPECT_EQ(s.Score, 150);
        EXPECT_EQ(s.LevelStartScore, 120);
        EXPECT_EQ(s.HammerMode, static_cast<HammerMode>(c.mode));
        EXPECT_EQ(s.Ticks, 41);
        EXPECT_TRUE(s.ResumePending);
        EXPECT_EQ(s.NormalHammerActive, c.mode == 0);
        EXPECT_EQ(h.scene().text(LabelTime), "40");
        for (const MenuItem item : {MenuItem::N2, MenuItem::N3, MenuItem::N4})
            EXPECT_EQ(h.platform.isMenuChecked(item), item == c.checked)
                << "item " << static_cast<int>(item);
        EXPECT_FALSE(s.TitlePhase);
        EXPECT_EQ(h.scene().text(Label1), "何かキーを押すとゲームが始まります。");
    }
}

TEST(RecordLoad, RestoredPauseResumesWithItsClock) {
    CoreHarness paused;
    paused.writeFile("record2.dat", words({0, 0, 3, 150, 120, 1, 41, 0}));
    paused.platform.answers = {Answer::Yes};
    paused.runTitle();
    paused.key();
    EXPECT_EQ(paused.state().Level, 3);
    EXPECT_EQ(paused.state().LevelStartScore, 120);
    EXPECT_EQ(paused.scene().text(LabelLevel), "レベル3");
    EXPECT_EQ(paused.scene().text(LabelScore), "150匹");
    paused.tick();
    EXPECT_EQ(paused.state().Ticks, 42);
}

TEST(RecordLoad, DecliningTheOfferStartsANewGameInTheStrangeMode) {
    CoreHarness h;
    const Bytes saved = words({0, 0, 2, 80, 40, 0, 10, 0});
    h.writeFile("record2.dat", saved);
    h.platform.answers = {Answer::No};
    h.startLevel1();
    EXPECT_EQ(h.platform.questions.size(), 1u);
    EXPECT_EQ(h.state().Level, 1);
    EXPECT_EQ(h.state().Score, 0);
    EXPECT_EQ(h.state().HammerMode, HammerMode::StrangeOnly);
    EXPECT_TRUE(h.platform.isMenuChecked(MenuItem::N3));
    EXPECT_EQ(h.readFile("record2.dat"), saved);
}

TEST(RecordLoad, ShortSavedGameIsReadAsFarAsItGoes) {
    CoreHarness h;
    h.writeFile("record2.dat", words({7, 8, 2, 40}));
    h.platform.answers = {Answer::Yes};
    h.runTitle();
    ASSERT_EQ(h.platform.questions.size(), 1u);
    EXPECT_EQ(h.state().Level, 2);
    EXPECT_EQ(h.state().Score, 40);
    EXPECT_EQ(h.state().LevelStartScore, 0);
    EXPECT_EQ(h.state().HammerMode, HammerMode::NormalOnly);
    EXPECT_EQ(h.state().Ticks, 0);
    EXPECT_TRUE(h.state().ResumePending) << "a missing fresh-start word reads as 0";
}

// A saved game of level 0 or less, or too short to reach the level, holds nothing to resume. The
// others come only from damage or another program: resuming them would index the records out of
// range or begin a fifth level. None is offered, and each stays on disk untouched.
TEST(RecordLoad, SavedGameWithNothingToResumeOrThatTheGameCouldNeverHaveWrittenIsNotOffered) {
    const Bytes levelTwo = words({0, 0, 2, 80, 40, 1, 10, 0});
    const Bytes files[] = {
        words({0, 0, 0, 80, 40, 1, 120, 1}),
        words({0, 0, -3, 0, 0, 1, 0, 0}),
        prefix(levelTwo, 8),
        prefix(levelTwo, 0),
        words({0, 0, 2, 80, 40, 3, 10, 0}),
        words({0, 0, 2, 80, 40, -1, 10, 0}),
        words({0, 0, 5, 80, 40, 1, 10, 0}),
        words({0, 0, 4, 200, 130, 1, 120, 1}),
        words({0, 0, 4, 200, 130, 1, 10, 7}),
        words({0, 0, 2, 80, 40, 1, 121, 0}),
        words({0, 0, 2, 80, 40, 1, -1, 0}),
        words({0, 0, 2, -80, 40, 1, 10, 0}),
        words({0, 0, 2, 80, -40, 1, 10, 0}),
        // A score no player reaches: the next hit would overflow it.
        words({0, 0, 2, 2147483647, 40, 1, 10, 0}),
    };
    for (const Bytes& file : files) {
        SCOPED_TRACE(describe(file));
        CoreHarness h;
        h.writeFile("record2.dat", file);
        h.platform.answers = {Answer::Yes};
        h.startLevel1();
        EXPECT_TRUE(h.platform.questions.empty());
        EXPECT_EQ(h.state().HammerMode, HammerMode::StrangeOnly);
        EXPECT_EQ(h.state().Level, 1);
        EXPECT_EQ(h.state().Score, 0);
        EXPECT_EQ(h.scene().text(LabelHighScore), "190匹\r(最高記録)");
        EXPECT_EQ(h.readFile("record2.dat"), file);
    }
}

// A record file that exists but cannot be read is reported and then treated as absent, so the
// title always reaches the Ready phase.
TEST(RecordLoad, UnreadableRecordFilesAreReportedAndTreatedAsAbsent) {
    CoreHarness h;
    fs::create_directory(h.dataFile("record1.dat"));
    fs::create_directory(h.dataFile("record2.dat"));
    h.runTitle();

    EXPECT_EQ(h.platform.errors,
              (std::vector<std::string>{
                  "ファイル " + fullPath(h, "data/record1.dat") + " は開けません",
                  "ファイル " + fullPath(h, "data/record2.dat") + " は開けません"}));
    EXPECT_TRUE(h.platform.questions.empty());
    EXPECT_EQ(h.state().HighScores, (std::array<std::int32_t, 3>{320, 190, 190}));
    EXPECT_FALSE(h.state().TitlePhase);
    EXPECT_EQ(h.state().HammerMode, HammerMode::StrangeOnly);
    EXPECT_TRUE(h.scene().isVisible(Label1));
    h.key();
    EXPECT_TRUE(h.state().Playing);
    EXPECT_EQ(h.state().Level, 1);
}

TEST(RecordLoad, ReservedWordsAreCarriedThroughToTheNextSave) {
    CoreHarness h;
    h.writeFile("record2.dat", words({0x12345678, -1, 2, 80, 40, 1, 10, 0}));
    h.platform.answers = {Answer::Yes};
    h.runTitle();
    h.key();
    h.tick(3);
    h.key();
    h.save();
    EXPECT_EQ(h.readFile("record2.dat"), words({0x12345678, -1, 2, 80, 40, 1, 13, 0}));
}

#include "CoreHarness.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using enum ElementId;
namespace fs = std::filesystem;

namespace {

constexpr const char* SaveQuestion = "ゲームを保存しますか？\r以前のデータは破棄されます。";
constexpr const char* PauseMessage = "一時停止中\r\r何かキーを押すと再開します。";

// Level 1 in the strange mode with `hits` hits and `ticks` ticks played.
void playLevel1(CoreHarness& h, int hits, int ticks) {
    h.startLevel1();
    for (int i = 0; i < hits; ++i)
        h.hit();
    h.tick(ticks);
}

// A regular file where the data folder should be: no record file can be created.
void replaceDataFolderWithAFile(const CoreHarness& h) {
    fs::remove_all(h.folder() / "data");
    std::ofstream(h.folder() / "data") << "not a folder";
}

std::string cannotCreateSavedGame(const CoreHarness& h) {
    return "ファイル " + h.folder().string() + "/data/record2.dat を作成できません";
}

// Closes the window and tells whether it asked before closing.
bool closeAsks(CoreHarness& h) {
    const std::size_t before = h.platform.questions.size();
    h.platform.answers = {Answer::Cancel};
    h.game().FormCloseQuery();
    return h.platform.questions.size() > before;
}

} // namespace

// ---- saving from the menu ----

TEST(Saving, SaveDuringAPauseWritesTheInterruptedLevel) {
    CoreHarness h;
    playLevel1(h, 7, 9);
    h.key();
    h.save();

    ASSERT_EQ(h.platform.questions.size(), 1u);
    EXPECT_EQ(h.platform.questions[0].message, SaveQuestion);
    EXPECT_EQ(h.platform.questions[0].buttons, DialogButtons::YesNoCancel);
    EXPECT_EQ(h.readFile("record2.dat"), words({0, 0, 1, 7, 0, 1, 9, 0}));
    EXPECT_TRUE(h.state().SavedByMenu);
    EXPECT_FALSE(h.state().Playing);
    EXPECT_TRUE(h.state().ResumePending) << "still paused";
    EXPECT_FALSE(h.platform.timerEnabled);
    EXPECT_TRUE(h.platform.errors.empty());
}

TEST(Saving, SaveDuringPlayCountsAsInterruptedAndTheLevelGoesOnAtOnce) {
    CoreHarness h;
    playLevel1(h, 3, 5);
    bool timerRanWhileAsking = true;
    h.platform.whileAsking = [&] { timerRanWhileAsking = h.platform.timerEnabled; };
    h.save();

    EXPECT_FALSE(timerRanWhileAsking);
    EXPECT_EQ(h.readFile("record2.dat"), words({0, 0, 1, 3, 0, 1, 5, 0}));
    EXPECT_TRUE(h.state().Playing);
    EXPECT_FALSE(h.state().ResumePending);
    EXPECT_TRUE(h.platform.timerEnabled);
    EXPECT_EQ(h.platform.timerInterval, 500);
    h.tick();
    EXPECT_EQ(h.state().Ticks, 6);
}

TEST(Saving, SaveBetweenLevelsBeginsTheFollowingLevelNextTime) {
    CoreHarness h;
    h.runTitle();
    h.playLevelTo(30);
    h.save();
    const std::vector<unsigned char> saved = h.readFile("record2.dat");
    EXPECT_EQ(saved, words({0, 0, 1, 30, 0, 1, 120, 1}));

    CoreHarness next;
    next.writeFile("record2.dat", saved);
    next.platform.answers = {Answer::Yes};
    next.runTitle();
    next.key();
    EXPECT_EQ(next.state().Level, 2);
    EXPECT_EQ(next.state().Score, 30);
    EXPECT_EQ(next.state().LevelStartScore, 30);
    EXPECT_EQ(next.state().Ticks, 0);
}

TEST(Saving, AnswersOtherThanYesWriteNothingAndTheLevelGoesOn) {
    for (const Answer answer : {Answer::No, Answer::Cancel}) {
        CoreHarness h;
        playLevel1(h, 2, 4);
        h.save(answer);
        EXPECT_FALSE(fs::exists(h.dataFile("record2.dat")));
        EXPECT_FALSE(h.state().SavedByMenu);
        EXPECT_TRUE(h.state().Playing);
        EXPECT_FALSE(h.state().ResumePending);
        EXPECT_TRUE(h.platform.timerEnabled);
    }
}

// A failed save is reported and must not leave the level frozen with the clock stopped while
// hits still count: it goes on as after "No".
TEST(Saving, FailedSaveFromTheMenuIsReportedAndTheLevelGoesOn) {
    CoreHarness h;
    playLevel1(h, 2, 4);
    replaceDataFolderWithAFile(h);
    h.save();

    EXPECT_EQ(h.platform.errors, std::vector<std::string>{cannotCreateSavedGame(h)});
    EXPECT_FALSE(h.state().SavedByMenu);
    EXPECT_TRUE(h.state().Playing);
    EXPECT_FALSE(h.state().ResumePending);
    EXPECT_TRUE(h.platform.timerEnabled);
    h.tick();
    EXPECT_EQ(h.state().Ticks, 5);
    EXPECT_TRUE(closeAsks(h)) << "nothing was saved";
}

// ---- closing ----

TEST(Closing, NoQuestionWhenNothingCanBeLost) {
    CoreHarness title;
    title.game().FormCreate();
    title.tick(100);
    EXPECT_TRUE(title.game().FormCloseQuery());
    EXPECT_TRUE(title.platform.questions.empty()) << "during the title";
    EXPECT_TRUE(title.platform.timerEnabled) << "the title goes on if the close is refused";

    CoreHarness ready;
    ready.runTitle();
    EXPECT_TRUE(ready.game().FormCloseQuery());
    EXPECT_TRUE(ready.platform.questions.empty()) << "in the Ready phase before the first key";

    CoreHarness celebration;
    celebration.runTitle();
    celebration.clearGame(190);
    EXPECT_TRUE(celebration.game().FormCloseQuery());
    EXPECT_TRUE(celebration.platform.questions.empty()) << "during the celebration";

    CoreHarness saved;
    playLevel1(saved, 1, 2);
    saved.key();
    saved.save();
    EXPECT_TRUE(saved.game().FormCloseQuery());
    EXPECT_EQ(saved.platform.questions.size(), 1u) << "after a save from the menu while paused";
}

TEST(Closing, SaveFromTheMenuDuringPlayCoversOnlyUntilTheNextTick) {
    CoreHarness h;
    playLevel1(h, 1, 2);
    h.save();
    EXPECT_TRUE(h.game().FormCloseQuery());
    EXPECT_EQ(h.platform.questions.size(), 1u);
    h.tick();
    EXPECT_FALSE(h.state().SavedByMenu);
    EXPECT_TRUE(closeAsks(h));
}

TEST(Closing, AsksDuringPlayAPauseAndBetweenLevels) {
    CoreHarness h;
    playLevel1(h, 30, 1);
    EXPECT_TRUE(closeAsks(h)) << "during play";
    h.key();
    EXPECT_TRUE(closeAsks(h)) << "while paused";
    h.key();
    h.finishLevel();
    EXPECT_TRUE(closeAsks(h)) << "between levels";
    EXPECT_EQ(h.platform.questions.back().message, SaveQuestion);
    EXPECT_EQ(h.platform.questions.back().buttons, DialogButtons::YesNoCancel);
}

// The desktop session that asked may go on after the answer: the level waits paused, and the
// answer stands until a key resumes it, even against an end without asking.
TEST(Closing, YesSavesNoDoesNotAndEitherLeavesTheLevelPausedWithTheAnswerStanding) {
    CoreHarness yes;
    playLevel1(yes, 5, 8);
    yes.platform.answers = {Answer::Yes};
    EXPECT_TRUE(yes.game().FormCloseQuery());
    EXPECT_EQ(yes.readFile("record2.dat"), words({0, 0, 1, 5, 0, 1, 8, 0}));

    CoreHarness no;
    playLevel1(no, 5, 8);
    no.platform.answers = {Answer::No};
    EXPECT_TRUE(no.game().FormCloseQuery());
    no.game().closeWithoutAsking();
    EXPECT_FALSE(fs::exists(no.dataFile("record2.dat"))) << "a signal after No saves nothing";

    for (CoreHarness* h : {&yes, &no}) {
        EXPECT_FALSE(h->state().Playing);
        EXPECT_TRUE(h->scene().isVisible(Label1));
        EXPECT_EQ(h->scene().text(Label1), PauseMessage);
        EXPECT_TRUE(h->game().FormCloseQuery());
        EXPECT_EQ(h->platform.questions.size(), 1u) << "closing asks no more";
        h->key();
        h->tick();
        EXPECT_EQ(h->state().Ticks, 9) << "a key resumes the clock where it stood";
    }
    no.game().closeWithoutAsking();
    EXPECT_TRUE(fs::exists(no.dataFile("record2.dat"))) << "once play goes on, it is saved";
}

TEST(Closing, CancelKeepsTheWindowOpenAndThePhaseAsItWas) {
    CoreHarness running;
    playLevel1(running, 5, 8);
    running.platform.answers = {Answer::Cancel};
    EXPECT_FALSE(running.game().FormCloseQuery());
    EXPECT_TRUE(running.state().Playing);
    EXPECT_FALSE(running.state().ResumePending);
    EXPECT_TRUE(running.platform.timerEnabled);
    running.tick();
    EXPECT_EQ(running.state().Ticks, 9) << "the clock goes on where it stood";

    CoreHarness paused;
    playLevel1(paused, 5, 8);
    paused.key();
    paused.platform.answers = {Answer::Cancel};
    EXPECT_FALSE(paused.game().FormCloseQuery());
    EXPECT_TRUE(paused.state().ResumePending);
    EXPECT_FALSE(paused.platform.timerEnabled);
    EXPECT_FALSE(fs::exists(paused.dataFile("record2.dat")));
}

// A failed save on closing keeps the window open and the level running, as after "Cancel".
TEST(Closing, FailedSaveKeepsTheWindowOpenAndTheLevelRunning) {
    CoreHarness h;
    playLevel1(h, 5, 8);
    replaceDataFolderWithAFile(h);
    h.platform.answers = {Answer::Yes};
    EXPECT_FALSE(h.game().FormCloseQuery());
    EXPECT_EQ(h.platform.errors, std::vector<std::string>{cannotCreateSavedGame(h)});
    EXPECT_TRUE(h.state().Playing);
    EXPECT_FALSE(h.state().ResumePending);
    EXPECT_TRUE(h.platform.timerEnabled);
    h.key();
    EXPECT_EQ(h.scene().text(Label1), PauseMessage) << "a key pauses as usual";
}

// ---- ending with nobody to ask (a signal, a session end without interaction) ----

TEST(EndingWithoutAsking, SavesWhatClosingWouldHaveOfferedAsIfTheAnswerWereYes) {
    CoreHarness playing;
    playLevel1(playing, 5, 8);
    playing.game().closeWithoutAsking();
    EXPECT_TRUE(playing.platform.questions.empty());
    EXPECT_FALSE(playing.platform.timerEnabled);
    EXPECT_FALSE(playing.state().Playing) << "paused, should the session go on";
    EXPECT_EQ(playing.readFile("record2.dat"), words({0, 0, 1, 5, 0, 1, 8, 0}))
        << "the running level resumes next time";

    CoreHarness between;
    between.runTitle();
    between.playLevelTo(40);
    between.game().closeWithoutAsking();
    EXPECT_TRUE(between.platform.questions.empty());
    EXPECT_EQ(between.readFile("record2.dat"), words({0, 0, 1, 40, 0, 1, 120, 1}))
        << "the next key begins level 2";
}

TEST(EndingWithoutAsking, WritesNothingWhereClosingWouldNotHaveAsked) {
    CoreHarness title;
    title.game().FormCreate();
    title.tick(100);
    title.game().closeWithoutAsking();

    CoreHarness ready;
    ready.runTitle();
    ready.game().closeWithoutAsking();

    CoreHarness celebration;
    celebration.runTitle();
    celebration.clearGame(190);
    celebration.game().closeWithoutAsking();

    // Saved from the menu while paused: the file already holds the game as it stands.
    CoreHarness saved;
    playLevel1(saved, 3, 2);
    saved.key();
    saved.save();
    const auto before = saved.readFile("record2.dat");
    saved.game().closeWithoutAsking();

    for (CoreHarness* h : {&title, &ready, &celebration}) {
        EXPECT_FALSE(fs::exists(h->dataFile("record2.dat")));
        EXPECT_TRUE(h->platform.questions.empty());
    }
    EXPECT_EQ(saved.readFile("record2.dat"), before);
    EXPECT_EQ(saved.platform.questions.size(), 1u) << "only the menu's question";
}

TEST(EndingWithoutAsking, AFailedSaveIsReportedWithoutAQuestion) {
    CoreHarness h;
    playLevel1(h, 5, 8);
    replaceDataFolderWithAFile(h);
    h.game().closeWithoutAsking();
    EXPECT_TRUE(h.platform.questions.empty());
    EXPECT_EQ(h.platform.errors, std::vector<std::string>{cannotCreateSavedGame(h)});
}

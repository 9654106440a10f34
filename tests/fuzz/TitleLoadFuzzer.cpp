// The whole end of the title over record files of any content, through the game and a fake
// platform, and then a few levels played from whatever was loaded. The title must always reach
// the Ready phase, a game is offered only when the program could have written it, and play never
// leaves the game's tables.
//
// Input: an options byte, the length of the high-score file's part, then the high-score file's
// bytes and the saved-game file's bytes.

#include "FakePlatform.h"
#include "FuzzCheck.h"
#include "Game.h"
#include "LittleEndian.h"
#include "Rules.h"
#include "RunHandler.h"
#include "SavedGameRule.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

enum Option : std::uint8_t {
    HighScoresPresent = 1,
    SavedGamePresent = 2,
    AnswerYes = 4,
    PlayAfterwards = 8,
    // The present files are folders, which cannot be read as files.
    FilesAreFolders = 16,
};

void put(const fs::path& file, bool present, bool asFolder, const std::uint8_t* bytes,
         std::size_t size) {
    std::error_code ignored;
    fs::remove_all(file, ignored);
    if (!present)
        return;
    if (asFolder) {
        fs::create_directory(file);
        return;
    }
    writeFileBytes(file, {bytes, bytes + size});
}

void checkState(const GameState& s) {
    const auto mode = static_cast<std::int32_t>(s.HammerMode);
    fuzzCheck(mode >= 0 && mode < HammerModeCount, "the mode picks one of three high scores");
    if (s.Playing) {
        fuzzCheck(s.Level >= 1 && s.Level <= Rules::LastLevel, "play is on one of the levels");
        fuzzCheck(s.Ticks >= 0 && s.Ticks <= Rules::TicksPerLevel, "the clock stays in the level");
    }
}

void hitEverything(Game& game, Platform& platform) {
    const Scene& scene = game.scene();
    if (game.state().NormalHammerActive) {
        if (scene.isVisible(ElementId::ImgMonster0))
            runHandler(platform, [&] { game.ImgMonster0MouseDown(); });
        if (scene.isVisible(ElementId::ImgMonster1))
            runHandler(platform, [&] { game.ImgMonster1MouseDown(); });
        if (scene.isVisible(ElementId::ImgMonster2))
            runHandler(platform, [&] { game.ImgMonster2MouseDown(); });
        return;
    }
    const Rect monster = scene.rect(ElementId::ImgMonster0);
    game.scene().moveTo(ElementId::ImgBou, {monster.left, monster.top});
    runHandler(platform, [&] { game.FormMouseDown(); });
}

// A key, then the level played to its end with every monster hit; three times. Handlers run as
// the window runs them, so a record file that cannot be written is reported, not thrown.
void play(Game& game, FakePlatform& platform) {
    for (int round = 0; round < 3; ++round) {
        runHandler(platform, [&] { game.FormKeyDown(); });
        checkState(game.state());
        for (int tick = 0; game.state().Playing && tick <= Rules::TicksPerLevel; ++tick) {
            fuzzCheck(platform.timerEnabled, "a running level has its timer on");
            hitEverything(game, platform);
            runHandler(platform, [&] { game.Timer1Timer(); });
            game.scene().takeDirtyRects();
            checkState(game.state());
        }
        fuzzCheck(!game.state().Playing, "a level ends within its 120 ticks");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::uint8_t options = data[0];
    const std::size_t highScoreSize = std::min<std::size_t>(data[1], size - 2);
    const std::uint8_t* highScoreBytes = data + 2;
    const std::uint8_t* savedBytes = highScoreBytes + highScoreSize;
    const std::size_t savedSize = size - 2 - highScoreSize;

    const bool highScoresPresent = (options & HighScoresPresent) != 0;
    const bool savedPresent = (options & SavedGamePresent) != 0;
    const bool folders = (options & FilesAreFolders) != 0;
    const fs::path data1 = fuzzFolder() / "data" / "record1.dat";
    const fs::path data2 = fuzzFolder() / "data" / "record2.dat";
    put(data1, highScoresPresent, folders, highScoreBytes, highScoreSize);
    put(data2, savedPresent, folders, savedBytes, savedSize);

    FakePlatform platform;
    platform.answers.push_back((options & AnswerYes) != 0 ? Answer::Yes : Answer::No);
    Game game(platform, fuzzFolder().string() + "/");
    runHandler(platform, [&] { game.FormCreate(); });
    for (int tick = 0; game.state().TitlePhase && platform.timerEnabled; ++tick) {
        fuzzCheck(tick < 10000, "the title ends");
        runHandler(platform, [&] { game.Timer1Timer(); });
    }
    const GameState& s = game.state();
    fuzzCheck(!s.TitlePhase && !platform.timerEnabled, "the title always reaches the Ready phase");
    checkState(s);

    // A file that cannot be read is reported once and then counts as absent.
    const std::size_t unreadable =
        folders ? (highScoresPresent ? 1 : 0) + (savedPresent ? 1 : 0) : 0;
    fuzzCheck(platform.errors.size() == unreadable, "each unreadable file is reported once");

    const bool highScoresRead = highScoresPresent && !folders;
    const auto expectedHighs =
        highScoresRead ? wordsOf<3>({highScoreBytes, highScoreSize}) : Rules::DefaultHighScores;
    fuzzCheck(s.HighScores == expectedHighs, "the high scores are the file's or the defaults");

    const bool offered = !platform.questions.empty();
    fuzzCheck(platform.questions.size() <= 1, "a saved game is offered at most once");
    const auto saved = wordsOf<8>({savedBytes, savedSize});
    if (offered) {
        fuzzCheck(savedPresent && !folders, "only a saved-game file offers a game");
        fuzzCheck(platform.questions.front().message == "前回の続きからゲームを始めますか？",
                  "the offer asks to continue");
        SavedGameRecord record;
        record.overwriteFrom(reinterpret_cast<const std::byte*>(savedBytes), savedSize);
        fuzzCheck(holdsResumableGame(record), "only a game the program could write is offered");
    }
    if (offered && (options & AnswerYes) != 0) {
        fuzzCheck(s.Level == saved[2] && s.Score == saved[3] && s.LevelStartScore == saved[4] &&
                      static_cast<std::int32_t>(s.HammerMode) == saved[5] && s.Ticks == saved[6],
                  "a taken game is restored as saved");
    } else {
        fuzzCheck(s.HammerMode == HammerMode::StrangeOnly,
                  "without a saved game the strange hammer is chosen");
    }

    if ((options & PlayAfterwards) != 0)
        play(game, platform);
    return 0;
}

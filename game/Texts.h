#pragma once

#include "GameText.h"

// The game's own texts. '\r' starts a new line where a text is shown.
namespace Texts {

inline constexpr const char* Caption = GAME_TEXT("Texts", "ズンバリオ");
inline constexpr const char* StartMessage =
    GAME_TEXT("Texts", "何かキーを押すとゲームが始まります。");
inline constexpr const char* PauseMessage =
    GAME_TEXT("Texts", "一時停止中\r\r何かキーを押すと再開します。");
inline constexpr const char* GameOverMessage =
    GAME_TEXT("Texts", "ＧＡＭＥ　ＯＶＥＲ　！！\r\r何かキーを押すとゲームを再開します。");
inline constexpr const char* LevelClearMessage =
    GAME_TEXT("Texts", "ＣＬＥＡＲ　！！\r\r何かキーを押してください。");
inline constexpr const char* GameClearMessage =
    GAME_TEXT("Texts", "ＧＡＭＥ　ＣＬＥＡＲ　！！\r\r何かキーを押すとゲームを再開します。");
inline constexpr const char* NewRecordBanner = GAME_TEXT("Texts", "新記録！！");
inline constexpr const char* ModeChangeQuestion =
    GAME_TEXT("Texts", "レベル１からスタートになりますが、\rゲームモードを変更しますか？");
inline constexpr const char* ResumeQuestion =
    GAME_TEXT("Texts", "前回の続きからゲームを始めますか？");
inline constexpr const char* SaveQuestion =
    GAME_TEXT("Texts", "ゲームを保存しますか？\r以前のデータは破棄されます。");

// The status labels' patterns (StatusTexts.h); "%1" is the number.
inline constexpr const char* LevelPattern = GAME_TEXT("Texts", "レベル%1");
inline constexpr const char* ScorePattern = GAME_TEXT("Texts", "%1匹");
inline constexpr const char* HighScorePattern = GAME_TEXT("Texts", "%1匹\r(最高記録)");
// A number alone, the same in every language.
inline constexpr const char* NumberPattern = "%1";

} // namespace Texts

#pragma once

// The game's files, and the name the desktop knows it by.
namespace Files {

// The game's id on the desktop: its menu entry, its icons and its AppStream data are named after
// it, and the sound server shows the game's stream with that icon.
inline constexpr const char* DesktopId = "jp.example.zunbario";

// Beside the program, relative to its folder.
inline constexpr const char* HammerCursor = "data/Zintok.cur";
inline constexpr const char* TransparentCursor = "data/tomei.cur";
// The record files, in the records folder (data/ beside the program, or the player's own).
inline constexpr const char* HighScores = "record1.dat";
inline constexpr const char* SavedGame = "record2.dat";
// The ten best game clears of each mode, as text, beside the records.
inline constexpr const char* Scores = "scores.txt";
inline constexpr const char* Help = "Zintok.html";
inline constexpr int HelpFirstTopic = 1;

} // namespace Files

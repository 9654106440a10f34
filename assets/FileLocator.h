#pragma once

#include "FileLocations.h"

#include <string>

// Where the game's files lie on this machine.
//
// Kept in one folder (the build folder, or a folder the player unpacked) the program has data/
// beside it and keeps everything there, records included. Installed, it has none: its cursors,
// sounds and help lie in PREFIX/share/zunbario/, found from PREFIX/games/ where the program is,
// and the records in the player's own data folder, zunbario/.

// The folder the running program file lies in, byte for byte as the file system names it, with
// a trailing separator; empty when the system cannot say.
std::string programFolder();

// The player's data folder ($XDG_DATA_HOME, ~/.local/share by default) with a trailing separator.
std::string userDataFolder();

// The folders for a program in `programDir`, the player's data folder being `userDataDir`.
FileLocations locateFiles(const std::string& programDir, const std::string& userDataDir);

// The folders for the running program and the player running it.
FileLocations locateFiles();

#pragma once

#include "FileLocations.h"

#include <string>

// Where the game's files lie on this machine.
//
// Kept in one folder (the build folder, or a folder the player unpacked) the program has data/
// beside it and keeps everything there, records included. Installed, it has none: its cursors,
// sounds and help lie in PREFIX/share/zunbario/, found from PREFIX/games/ where the program is,
// the records in the player's own data folder, zunbario/, and the settings in the player's own
// configuration folder, zunbario/zunbario.conf. A copy in one folder keeps its settings in data/.

// The folder the running program file lies in, byte for byte as the file system names it, with
// a trailing separator; empty when the system cannot say.
std::string programFolder();

// The player's data folder ($XDG_DATA_HOME, ~/.local/share by default) with a trailing separator.
std::string userDataFolder();

// The player's configuration folder ($XDG_CONFIG_HOME, ~/.config by default) with a trailing
// separator.
std::string userConfigFolder();

// The folders for a program in `programDir`, the player's data and configuration folders being
// `userDataDir` and `userConfigDir`.
FileLocations locateFiles(const std::string& programDir, const std::string& userDataDir,
                          const std::string& userConfigDir);

// The folders for the running program and the player running it.
FileLocations locateFiles();

#pragma once

#include <string>

// Where the game's files lie: the folder it reads its cursors, sounds and help from, the folder
// it keeps its two record files in, and the player's settings file. Paths are the file system's own
// bytes, each ending in a separator.
struct FileLocations {
    std::string appDir;    // holds data/ (cursors and sounds) and the help file
    std::string recordDir; // holds record1.dat and record2.dat
    // The player's own records folder, which may not exist yet: it is made, for the player
    // alone, before the first record is written. A game kept in one folder never makes one.
    bool makeRecordDir = false;
    // The player's settings; empty when the game should remember none.
    std::string settingsFile;

    // The game kept in one folder, as unpacked or built: the records lie in its data/.
    static FileLocations portable(const std::string& appDir) {
        return {appDir, appDir + "data/", false, appDir + "data/zunbario.conf"};
    }
};

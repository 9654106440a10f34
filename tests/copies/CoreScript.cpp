// The core harness in a process of its own, played by script, for the tests that run two copies
// of the game on one folder:
//
//     zunbario_core_script FOLDER COMMAND...
//
// The commands run in order:
//   title-yes, title-no    the whole title, answering the offer of a saved game Yes or No
//   mode-0, mode-1, mode-2 the hammer mode chosen from the menu, the question answered Yes
//   level-N                a key, then one level ending on N hits
//   clear-N                four levels, each reaching its target, the last ending on N hits
//   clears-FIRST-COUNT     COUNT game clears in a row, ending on FIRST, FIRST + 1, ... hits
//   save                   a save from the menu, answered Yes
//   wait                   one line read from standard input before going on
// After each command one line on standard output tells the high scores the copy holds, whether
// the last game clear showed a new record, and how many errors were reported so far:
//   "<command> high 320 500 190 record 1 errors 0"

#include "CoreHarness.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace {

// Runs one command; false for a command this program does not know.
bool run(CoreHarness& h, const std::string& command) {
    if (command == "title-yes" || command == "title-no") {
        h.platform.answers = {command == "title-yes" ? Answer::Yes : Answer::No};
        h.runTitle();
    } else if (command.starts_with("mode-")) {
        h.chooseMode(static_cast<HammerMode>(std::stoi(command.substr(5))));
    } else if (command.starts_with("level-")) {
        h.playLevelTo(std::stoi(command.substr(6)));
    } else if (command.starts_with("clears-")) {
        const std::size_t dash = command.find('-', 7);
        const int first = std::stoi(command.substr(7, dash - 7));
        const int count = std::stoi(command.substr(dash + 1));
        for (int i = 0; i < count; ++i)
            h.clearGame(first + i);
    } else if (command.starts_with("clear-")) {
        h.clearGame(std::stoi(command.substr(6)));
    } else if (command == "save") {
        h.save();
    } else if (command == "wait") {
        std::string line;
        std::getline(std::cin, line);
    } else {
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER COMMAND...\n", argv[0]);
        return 2;
    }
    CoreHarness h{std::filesystem::path(argv[1])};
    for (int i = 2; i < argc; ++i) {
        const std::string command = argv[i];
        if (!run(h, command)) {
            std::fprintf(stderr, "unknown command %s\n", argv[i]);
            return 2;
        }
        const auto& high = h.state().HighScores;
        std::printf("%s high %d %d %d record %d errors %zu\n", command.c_str(), high[0], high[1],
                    high[2], h.state().NewRecordShown ? 1 : 0, h.platform.errors.size());
        std::fflush(stdout);
    }
    return 0;
}

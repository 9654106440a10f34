#pragma once

#include <cstdint>

// The menu bar's items under the names the game's handlers know them by.
enum class MenuItem : std::uint8_t {
    N1,    // the Hammer menu
    N2,    // normal hammer only
    N3,    // strange hammer only
    N4,    // normal and strange hammer at random
    N5,    // save the game, right on the bar
    Help1, // the Help menu
    Help2, // the help
    N7,    // the about box
};
inline constexpr int MenuItemCount = 8;
static_assert(static_cast<int>(MenuItem::N7) + 1 == MenuItemCount, "N7 is the last item");

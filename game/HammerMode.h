#pragma once

#include "MenuItem.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

// The hammer modes, each with a high score of its own. The saved-game record holds the mode as
// a 32-bit word with these values.
enum class HammerMode : std::int32_t {
    NormalOnly = 0,
    StrangeOnly = 1,
    Random = 2, // normal or strange, drawn at every jump
};
inline constexpr int HammerModeCount = 3;

// The mode's place in everything kept by mode: the high scores and the Hammer menu's items.
constexpr std::size_t modeIndex(HammerMode mode) {
    return static_cast<std::size_t>(mode);
}

// The Hammer menu's item of each mode, in the modes' order.
inline constexpr std::array<MenuItem, HammerModeCount> HammerModeItems{MenuItem::N2, MenuItem::N3,
                                                                       MenuItem::N4};

constexpr MenuItem menuItemOf(HammerMode mode) {
    return HammerModeItems.at(modeIndex(mode));
}

// The mode an item of the Hammer menu chooses; none for the other items.
constexpr std::optional<HammerMode> hammerModeOf(MenuItem item) {
    for (std::size_t i = 0; i < HammerModeItems.size(); ++i) {
        if (HammerModeItems[i] == item)
            return static_cast<HammerMode>(i);
    }
    return std::nullopt;
}

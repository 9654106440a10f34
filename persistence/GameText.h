#pragma once

#include <string>
#include <string_view>

// The texts the player reads are the game's own Japanese, written where the game uses them, and
// each is marked GAME_TEXT(context, text). The translators' tool, lupdate, collects the marks
// into the translation files (translations/); the window shows a text in the player's language
// by its context and its Japanese. In the program the mark is the text itself: the core never
// translates.
#define GAME_TEXT(context, text) text

// A text made from a pattern, whose one "%1" stands for a number or a path. The window finds
// the pattern again by the text around the "%1" and translates the pattern, never the whole
// text, so that a number or a path is not something a translator has to know.
inline std::string fillPattern(std::string_view pattern, std::string_view argument) {
    std::string text(pattern);
    const std::size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, argument);
    return text;
}

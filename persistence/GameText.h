#pragma once

#include <string>
#include <string_view>
#include <utility>

// The texts the player reads are the game's own Japanese, written where the game uses them, and
// each is marked GAME_TEXT(context, text). The translators' tool, lupdate, collects the marks
// into the translation files (translations/); the window shows a text in the player's language
// by its context and its Japanese. In the program the mark is the text itself: the core never
// translates.
#define GAME_TEXT(context, text) text

// A text the core hands to the window: a marked pattern and, where the pattern has a "%1", the
// number or the path that stands there. The window translates the pattern, never the filled
// text, so that a number or a path is not something a translator has to know. The pattern is a
// text of the program's own (a mark or a literal), never a string that goes away.
struct GameText {
    // One of the game's own texts, whole.
    GameText(const char* text = "") : pattern(text) {}
    GameText(const char* context, const char* pattern, std::string argument)
        : context(context), pattern(pattern), argument(std::move(argument)) {}

    bool hasArgument() const {
        return std::string_view(pattern).find("%1") != std::string_view::npos;
    }

    // The Japanese as the player reads it: the pattern's first "%1" replaced by the argument.
    std::string filled() const {
        std::string text(pattern);
        const std::size_t at = text.find("%1");
        if (at != std::string::npos)
            text.replace(at, 2, argument);
        return text;
    }

    friend bool operator==(const GameText& a, const GameText& b) {
        return std::string_view(a.context) == b.context &&
               std::string_view(a.pattern) == b.pattern && a.argument == b.argument;
    }

    const char* context = "Texts";
    const char* pattern = "";
    std::string argument;
};

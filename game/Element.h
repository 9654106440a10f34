#pragma once

#include "GameText.h"
#include "Geometry.h"

#include <cstdint>

// The main window's sixteen elements, in drawing order from bottom to top: a later element is
// painted over an earlier one and is found first by the mouse.
enum class ElementId : std::uint8_t {
    LabelHighScore, // the best score of the hammer mode in play
    LabelLevel,     // the level's number
    LabelTime,      // the seconds left in the level
    LabelScore,     // the running score
    ImgBakuhatu2,   // the explosion where monster 2 was hit
    ImgBakuhatu1,   // the explosion where monster 1 was hit
    ImgBakuhatu0,   // the explosion where monster 0 was hit
    ImgMonster2,
    ImgMonster0,
    ImgMonster1,
    ImgBou,    // the strange hammer's picture
    Label1,    // the message: the start prompt, pause, a level's result
    ImgTitle1, // the title's first line
    ImgTitle2, // the title's second line
    ImgRogo,   // the credit banner under the settled title
    LabelNR,   // the new-record banner
};
inline constexpr int ElementCount = 16;
static_assert(static_cast<int>(ElementId::LabelNR) + 1 == ElementCount, "LabelNR is the last");

enum class ElementKind : std::uint8_t { Label, Picture };

// The pictures carried in the program; several elements may show the same one.
enum class Picture : std::uint8_t { None, Monster, Explosion, Hammer, Title1, Title2, Credit };

enum class Align : std::uint8_t { Left, Right, Center };

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

namespace Colors {
inline constexpr Color Yellow{255, 255, 0};
inline constexpr Color Blue{0, 0, 255};
inline constexpr Color Magenta{255, 0, 255};
inline constexpr Color Red{255, 0, 0};
inline constexpr Color Lime{0, 255, 0};
inline constexpr Color SkyBlue{166, 202, 240};
} // namespace Colors

// A label's font: a pixel character height in the game's Japanese proportional gothic.
struct Font {
    int pixelSize = 12;
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};

struct Element {
    ElementId id{};
    ElementKind kind = ElementKind::Picture;
    Rect rect;
    bool visible = false;
    Picture picture = Picture::None; // pictures only
    bool stretched = false;          // pictures: drawn stretched to the element's size
    GameText text;                   // labels only; '\r' starts a new line
    Color color;
    Font font;
    Align align = Align::Left;
    bool autoSize = false; // labels: resized to the text whenever it changes
};

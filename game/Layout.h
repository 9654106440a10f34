#pragma once

#include "Element.h"

#include <array>

// The window's initial layout, in drawing order from bottom to top.
std::array<Element, ElementCount> initialLayout();

// The window's client area and its background.
inline constexpr Size FieldSize{617, 460};

// One line of the bouncing title: it leaves `home` towards `far`, turns back at either, grows at
// every turn and settles at home once it is `settledWidth` wide and back within `settleSlack`.
struct TitleLine {
    ElementId element;
    Size start;
    int home;
    int far;
    Size growth;
    int settledWidth;

    // -1 for a line that leaves home upwards, +1 for one that leaves it downwards.
    constexpr int outwards() const { return far < home ? -1 : 1; }
};
inline constexpr int TitleSpeed = 10; // pixels a title tick
inline constexpr int TitleSettleSlack = 5;
// The first line rises from 170 to the top and back; the second falls from 230 to 400 and back.
inline constexpr TitleLine TitleLine1{ElementId::ImgTitle1, {40, 6}, 170, 0, {40, 6}, 400};
inline constexpr TitleLine TitleLine2{ElementId::ImgTitle2, {48, 6}, 230, 400, {48, 6}, 480};

// Where the start message stands at the end of the title, and during play.
inline constexpr int StartMessageTop = 400;
inline constexpr int MessageTop = 152;

#pragma once

#include "Element.h"

#include <array>

// The window's initial layout, in drawing order from bottom to top.
std::array<Element, ElementCount> initialLayout();

// The window's client area and its background.
inline constexpr Size FieldSize{617, 460};

#pragma once

// Small integer geometry shared by the game rules and the window: client pixels for elements,
// screen pixels for the pointer and the window's outer rectangle.

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool isEmpty() const { return width <= 0 || height <= 0; }
    // The right and bottom edges are outside, as for every hit test in the game.
    bool contains(Point p) const {
        return p.x >= left && p.x < right() && p.y >= top && p.y < bottom();
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

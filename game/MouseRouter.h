#pragma once

#include "Element.h"
#include "Geometry.h"

#include <cstdint>

class Scene;

enum class MouseButton : std::uint8_t { Left, Right, Middle, Other };

// Where a mouse event goes: an element, the bare window where no element lies, or nowhere when
// the pointer is outside the client area and no left press holds the mouse.
struct MouseTarget {
    enum class Kind : std::uint8_t { Nobody, Window, Element };
    Kind kind = Kind::Nobody;
    ElementId element{};

    static constexpr MouseTarget nobody() { return {}; }
    static constexpr MouseTarget window() { return {Kind::Window, {}}; }
    static constexpr MouseTarget on(ElementId id) { return {Kind::Element, id}; }
    friend bool operator==(const MouseTarget&, const MouseTarget&) = default;
};

// Decides which element receives each mouse event. A left press holds the mouse for the element
// (or the bare window) it began on for as long as the left button stays down; otherwise the
// topmost visible element under the pointer takes the event, the window gets what no element
// takes, and events outside the client area reach no one.
class MouseRouter {
public:
    MouseTarget press(const Scene& scene, Point clientPos, MouseButton button);
    // `leftHeld` is the button's state as the window system reports it with the movement.
    MouseTarget move(const Scene& scene, Point clientPos, bool leftHeld);
    void release(MouseButton button);
    // The window system took the mouse away (a dialog or a menu opened, the window was
    // deactivated): the left button's release will never arrive here.
    void lose() { m_captured = false; }

    bool isCaptured() const { return m_captured; }

private:
    static MouseTarget hitTest(const Scene& scene, Point clientPos);

    bool m_captured = false;
    MouseTarget m_captureTarget;
};

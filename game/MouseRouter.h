#pragma once

#include "Element.h"
#include "Geometry.h"

#include <cstdint>
#include <optional>

class Scene;

enum class MouseButton : std::uint8_t { Left, Right, Middle, Other };

// Where a mouse event goes: an element, or the bare window when there is none.
using MouseTarget = std::optional<ElementId>;

// Decides which element receives each mouse event. A left press holds the mouse for the element
// (or the bare window) it began on until the left button is released; otherwise the topmost
// visible element under the pointer takes the event, and the window only gets what no element
// takes.
class MouseRouter {
public:
    MouseTarget press(const Scene& scene, Point clientPos, MouseButton button);
    MouseTarget move(const Scene& scene, Point clientPos) const;
    void release(MouseButton button);

    bool isCaptured() const { return m_captured; }

private:
    static MouseTarget hitTest(const Scene& scene, Point clientPos);

    bool m_captured = false;
    MouseTarget m_captureTarget;
};

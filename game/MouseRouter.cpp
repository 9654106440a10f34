#include "MouseRouter.h"

#include "Scene.h"

MouseTarget MouseRouter::hitTest(const Scene& scene, Point clientPos) {
    if (const Element* e = scene.elementAt(clientPos))
        return e->id;
    return std::nullopt;
}

MouseTarget MouseRouter::press(const Scene& scene, Point clientPos, MouseButton button) {
    if (m_captured)
        return m_captureTarget;
    const MouseTarget target = hitTest(scene, clientPos);
    if (button == MouseButton::Left) {
        m_captured = true;
        m_captureTarget = target;
    }
    return target;
}

MouseTarget MouseRouter::move(const Scene& scene, Point clientPos) const {
    return m_captured ? m_captureTarget : hitTest(scene, clientPos);
}

void MouseRouter::release(MouseButton button) {
    if (button == MouseButton::Left)
        m_captured = false;
}

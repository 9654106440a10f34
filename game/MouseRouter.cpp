#include "MouseRouter.h"

#include "Layout.h"
#include "Scene.h"

MouseTarget MouseRouter::hitTest(const Scene& scene, Point clientPos) {
    if (!Rect{0, 0, FieldSize.width, FieldSize.height}.contains(clientPos))
        return MouseTarget::nobody();
    if (const Element* e = scene.elementAt(clientPos))
        return MouseTarget::on(e->id);
    return MouseTarget::window();
}

MouseTarget MouseRouter::press(const Scene& scene, Point clientPos, MouseButton button) {
    // A second left press while the first still holds the mouse means its release went
    // elsewhere: the new press starts afresh.
    if (m_captured && button != MouseButton::Left)
        return m_captureTarget;
    m_captured = false;
    const MouseTarget target = hitTest(scene, clientPos);
    if (button == MouseButton::Left && target != MouseTarget::nobody()) {
        m_captured = true;
        m_captureTarget = target;
    }
    return target;
}

MouseTarget MouseRouter::move(const Scene& scene, Point clientPos, bool leftHeld) {
    if (!leftHeld)
        m_captured = false;
    return m_captured ? m_captureTarget : hitTest(scene, clientPos);
}

void MouseRouter::release(MouseButton button) {
    if (button == MouseButton::Left)
        m_captured = false;
}

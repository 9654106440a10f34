#include "HandlerRunner.h"

#include "FieldWidget.h"
#include "Scene.h"

HandlerRunner::HandlerRunner(Platform& platform, Scene& scene, FieldWidget& field, QObject* parent)
    : QObject(parent), m_platform(platform), m_scene(scene), m_field(field) {}

void HandlerRunner::repaintChanges() {
    m_field.repaintRects(m_scene.takeDirtyRects());
}

#include "Scene.h"

#include "Layout.h"

#include <utility>

Scene::Scene(TextMeasure measure) : m_elements(initialLayout()), m_measure(std::move(measure)) {}

void Scene::markDirty(const Element& e) {
    if (e.visible && !e.rect.isEmpty())
        m_dirty.push_back(e.rect);
}

void Scene::setRect(ElementId id, Rect rect) {
    Element& e = m_elements[index(id)];
    if (e.rect == rect)
        return;
    markDirty(e);
    e.rect = rect;
    markDirty(e);
}

void Scene::setLeft(ElementId id, int left) {
    Rect r = rect(id);
    r.left = left;
    setRect(id, r);
}

void Scene::setTop(ElementId id, int top) {
    Rect r = rect(id);
    r.top = top;
    setRect(id, r);
}

void Scene::moveTo(ElementId id, Point topLeft) {
    Rect r = rect(id);
    r.left = topLeft.x;
    r.top = topLeft.y;
    setRect(id, r);
}

void Scene::resize(ElementId id, Size size) {
    Rect r = rect(id);
    r.width = size.width;
    r.height = size.height;
    setRect(id, r);
}

void Scene::setVisible(ElementId id, bool visible) {
    Element& e = m_elements[index(id)];
    if (e.visible == visible)
        return;
    markDirty(e);
    e.visible = visible;
    markDirty(e);
}

void Scene::setText(ElementId id, const GameText& text) {
    Element& e = m_elements[index(id)];
    if (e.text == text)
        return;
    markDirty(e);
    e.text = text;
    markDirty(e);
    // A label that sizes itself keeps its left edge and takes the size of its text.
    if (e.autoSize && m_measure)
        resize(id, m_measure(text, e.font));
}

void Scene::setColor(ElementId id, Color color) {
    Element& e = m_elements[index(id)];
    if (e.color == color)
        return;
    e.color = color;
    markDirty(e);
}

const Element* Scene::elementAt(Point p) const {
    for (auto it = m_elements.rbegin(); it != m_elements.rend(); ++it) {
        if (it->visible && it->rect.contains(p))
            return &*it;
    }
    return nullptr;
}

std::vector<Rect> Scene::takeDirtyRects() {
    return std::exchange(m_dirty, {});
}

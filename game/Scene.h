#pragma once

#include "Element.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

// The elements of the main window as plain data. The game moves, resizes, shows, hides and
// re-labels them; the window paints them. Every change that alters what is on screen records
// the rectangles to repaint, so a tick repaints only what changed.
class Scene {
public:
    // Measures a label's text for labels that size themselves to it.
    using TextMeasure = std::function<Size(const GameText& text, Font font)>;

    explicit Scene(TextMeasure measure);

    const Element& element(ElementId id) const { return m_elements[index(id)]; }
    const std::array<Element, ElementCount>& elements() const { return m_elements; }

    Rect rect(ElementId id) const { return element(id).rect; }
    int left(ElementId id) const { return element(id).rect.left; }
    int top(ElementId id) const { return element(id).rect.top; }
    bool isVisible(ElementId id) const { return element(id).visible; }
    // A label's text in Japanese.
    std::string text(ElementId id) const { return element(id).text.filled(); }

    void setLeft(ElementId id, int left);
    void setTop(ElementId id, int top);
    void moveTo(ElementId id, Point topLeft);
    void resize(ElementId id, Size size);
    void setVisible(ElementId id, bool visible);
    void show(ElementId id) { setVisible(id, true); }
    void hide(ElementId id) { setVisible(id, false); }
    void setText(ElementId id, const GameText& text);
    void setColor(ElementId id, Color color);

    // The topmost visible element whose rectangle holds the point, if any.
    const Element* elementAt(Point p) const;

    // Rectangles changed since the last call, in client coordinates.
    std::vector<Rect> takeDirtyRects();
    bool hasDirtyRects() const { return !m_dirty.empty(); }

private:
    static constexpr std::size_t index(ElementId id) { return static_cast<std::size_t>(id); }
    void setRect(ElementId id, Rect rect);
    void markDirty(const Element& e);

    std::array<Element, ElementCount> m_elements;
    TextMeasure m_measure;
    std::vector<Rect> m_dirty;
};

#pragma once

#include "Element.h"

#include <QPixmap>
#include <QWidget>
#include <map>
#include <utility>
#include <vector>

class Pictures;
class QKeyEvent;
class Scene;

// The black playing field: paints the scene's elements and hands the player's keys and mouse to
// the window. It holds the keyboard focus itself, as the game has no other focusable part.
class FieldWidget : public QWidget {
    Q_OBJECT
public:
    explicit FieldWidget(const Pictures& pictures, QWidget* parent = nullptr);

    void setScene(const Scene& scene) { m_scene = &scene; }
    // Repaints only the rectangles that changed, before returning.
    void repaintRects(const std::vector<Rect>& rects);

signals:
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);
    void mousePressed(QPoint clientPos, QPoint screenPos, Qt::MouseButton button);
    void mouseMoved(QPoint clientPos, QPoint screenPos, bool leftHeld);
    void mouseReleased(Qt::MouseButton button);
    // A dialog, a menu or another window took the mouse: a held button's release will go there.
    void mouseLost();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static bool reachesGame(const QKeyEvent& event);
    void paintElement(QPainter& painter, const Element& element) const;
    // A picture element's pixmap, at the element's size when it is stretched.
    const QPixmap& pixmapOf(const Element& element) const;
    // The picture scaled once to an element's size: scaling it at every paint would cost more
    // than the rest of a play frame together. Only the last size of each picture is kept: the
    // bouncing title grows through a dozen sizes and never goes back to one.
    const QPixmap& stretched(Picture picture, QSize size) const;

    const Pictures& m_pictures;
    const Scene* m_scene = nullptr;
    mutable std::map<Picture, QPixmap> m_stretched;
    // The key already handed to the game when its shortcut check passed by, so that the key
    // press which follows is not counted twice.
    int m_keyTakenEarly = 0;
};

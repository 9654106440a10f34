#pragma once

#include "Element.h"
#include "FieldView.h"
#include "Pictures.h"

#include <QKeySequence>
#include <QList>
#include <QPixmap>
#include <QWidget>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class QKeyEvent;
class Scene;

// The black playing field: paints the scene's elements and hands the player's keys and mouse to
// the window. It holds the keyboard focus itself, as the game has no other focusable part.
// The field may be drawn larger than its own pixels; the game hears the mouse in field pixels
// all the same.
class FieldWidget : public QWidget {
    Q_OBJECT
public:
    explicit FieldWidget(const Pictures& pictures, QWidget* parent = nullptr);

    void setScene(const Scene& scene) { m_scene = &scene; }
    // Repaints only the rectangles that changed, before returning.
    void repaintRects(const std::vector<Rect>& rects);

    // The field drawn at `scale`, the widget exactly its size.
    void setScale(qreal scale);
    // The field drawn as large as the widget allows, centred, with black around it.
    void fillWidget();
    const FieldView& view() const { return m_view; }
    // Keys that belong to the window's commands: the game never hears them.
    void setCommandKeys(QList<QKeySequence> keys) { m_commandKeys = std::move(keys); }

signals:
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);
    // Positions on the field are in field pixels; on the screen, the screen's own.
    void mousePressed(QPoint fieldPos, QPoint screenPos, Qt::MouseButton button);
    void mouseMoved(QPoint fieldPos, QPoint screenPos, bool leftHeld);
    void mouseReleased(Qt::MouseButton button);
    // A dialog, a menu or another window took the mouse: a held button's release will go there.
    void mouseLost();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool isCommand(const QKeyEvent& event) const;
    bool reachesGame(const QKeyEvent& event) const;
    // A key press, heard once however it arrives: handed to the game, held back or dropped.
    void take(const QKeyEvent& event);
    void handHeldCtrl();
    void pressed(QMouseEvent& event);
    void setView(const FieldView& view);
    void paintElement(QPainter& painter, const Element& element) const;
    const Pictures& pictures() const;
    // A picture element's pixmap, at the element's size when it is stretched.
    const QPixmap& pixmapOf(const Element& element) const;
    // The picture scaled once to an element's size: scaling it at every paint would cost more
    // than the rest of a play frame together. Only the last size of each picture is kept: the
    // bouncing title grows through a dozen sizes and never goes back to one.
    const QPixmap& stretched(Picture picture, QSize size) const;

    // The pictures drawn at the field's own size, and the double-size ones for a larger field.
    const Pictures& m_pictures;
    std::optional<Pictures> m_largePictures;
    const Scene* m_scene = nullptr;
    FieldView m_view;
    bool m_fillsWidget = false;
    QList<QKeySequence> m_commandKeys;
    mutable std::map<Picture, QPixmap> m_stretched;
    // The key already handed to the game when its shortcut check passed by, so that the key
    // press which follows is not counted twice.
    int m_keyTakenEarly = 0;
    // A bare Ctrl press waits for what comes next: before a command's key (Ctrl+H) it is
    // dropped, so that opening a window never starts or pauses a level first; before any other
    // key, or at its release, the game hears it after all. These are its modifiers.
    std::optional<Qt::KeyboardModifiers> m_heldCtrl;
};

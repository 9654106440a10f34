#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>

// Moves the pointer round a circle sixty times a second, as a player's hand would, through the
// window system: the window receives real move events and reads the same pointer position.
class PointerDriver : public QObject {
public:
    explicit PointerDriver(QObject* parent = nullptr);

    // `centre` is in screen coordinates. `afterMove` runs after every step.
    void start(QPoint centre, int radius, std::function<void()> afterMove = {});
    int moves() const { return m_moves; }

private:
    void step();

    QTimer m_timer;
    QPoint m_centre;
    int m_radius = 0;
    int m_moves = 0;
    std::function<void()> m_afterMove;
};

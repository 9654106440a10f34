#pragma once

#include "RunHandler.h"

#include <QObject>
#include <utility>

class FieldWidget;
class Platform;
class Scene;

// Runs the game's handlers for the window: each inside the error net, the field repainted where
// the handler changed the scene, and a count of the handlers under way. A handler that waits in
// one of its dialogs is still under way while the dialog's event loop runs others.
class HandlerRunner : public QObject {
    Q_OBJECT
public:
    HandlerRunner(Platform& platform, Scene& scene, FieldWidget& field, QObject* parent);

    template <typename Handler> void run(Handler&& handler) {
        ++m_depth;
        runHandler(m_platform, std::forward<Handler>(handler));
        --m_depth;
        repaintChanges();
        if (m_depth == 0)
            emit allFinished();
    }

    // Whether a handler is under way, waiting in one of its dialogs.
    bool underWay() const { return m_depth > 0; }

signals:
    // The outermost handler has finished: none is under way any more.
    void allFinished();

private:
    void repaintChanges();

    Platform& m_platform;
    Scene& m_scene;
    FieldWidget& m_field;
    int m_depth = 0;
};

#pragma once

#include <QObject>
#include <functional>

// Calls back once the first frame of a chosen widget is on screen: after its first paint event,
// once the event loop has finished that frame and flushed it. Watches every object of the
// application, so it may be set up before the widget exists.
class FirstFrameWatch : public QObject {
public:
    using Chooser = std::function<bool(const QObject& painted)>;

    FirstFrameWatch(Chooser chooser, std::function<void()> onFirstFrame, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Chooser m_chooser;
    std::function<void()> m_onFirstFrame;
    bool m_seen = false;
};

#pragma once

#include <QObject>
#include <QRegion>

class QWidget;

// Records what one widget paints while the recorder lives: the region of every paint event and
// the time spent painting it, from the paint event's arrival to its return.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget& widget);
    ~PaintRecorder() override;

    // Forgets what was recorded so far.
    void clear();
    QRegion painted() const { return m_painted; }
    int paints() const { return m_paints; }
    double paintingUs() const { return m_paintingUs; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_widget;
    QRegion m_painted;
    int m_paints = 0;
    double m_paintingUs = 0;
};

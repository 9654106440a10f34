#pragma once

#include "Element.h"

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <array>
#include <optional>

// The pictures carried in the program, decoded once and shared by every element that shows them.
// On a high-density screen they are the double-size drawings, so they stay crisp when the window
// is scaled; their logical sizes are the same either way.
class Pictures {
public:
    // The pictures for the screen's density.
    Pictures();
    // The pictures for a device pixel ratio: above 1, the double-size drawings.
    explicit Pictures(qreal devicePixelRatio);

    // The picture's pixmap; a null pixmap for Picture::None.
    const QPixmap& pixmap(Picture picture) const;
    // The picture's size in window pixels, whatever the density of its pixmap.
    QSize logicalSize(Picture picture) const;
    // The window icon.
    QIcon windowIcon() const;

private:
    // Each picture is decoded when it is first drawn: only the title is on the first frame, so
    // the window shows sooner.
    int m_scale;
    mutable std::array<std::optional<QPixmap>, 7> m_pixmaps; // by Picture
};

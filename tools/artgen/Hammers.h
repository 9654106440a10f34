#pragma once

#include <QImage>
#include <QPoint>

// The strange hammer's picture, 50 × 40: a red hammer head on a brown handle, on green.
QImage drawHammer(int scale);

// The hammer cursor, 32 × 32 with a transparent background, and the point of its striking face,
// where the cursor hits.
struct CursorPicture {
    QImage image;
    QPoint hotspot;
};
CursorPicture drawHammerCursor();

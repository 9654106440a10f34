#pragma once

#include <QImage>

// The creatures of the field, each drawn at a scale of its logical size (1 ordinary, 2 for
// high-density screens).

// The monster, 50 × 60: a brown segmented worm rising from the ground with one big blue eye.
QImage drawMonster(int scale);
// The explosion, 50 × 45: a round yellow-orange burst with a red rim, on black.
QImage drawExplosion(int scale);
// The window icon, 32 × 32: the monster's head peeking up with a little red hammer.
QImage drawIcon(int scale);
// The same icon for the desktop's menus and docks, drawn afresh at `pixels` × `pixels` on a
// transparent ground.
QImage drawDesktopIcon(int pixels);

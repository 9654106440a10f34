#pragma once

#include <QCursor>
#include <QString>
#include <optional>

// Cursor files larger than this are not cursors and are not read.
inline constexpr qint64 CursorFileMaxBytes = 1 << 20;

// A Windows .cur file as a cursor with the file's own hotspot. A missing, unreadable or damaged
// file gives no cursor, so the window falls back to the arrow. A picture that is transparent all
// over gives the blank cursor, which hides the pointer on every window system.
std::optional<QCursor> loadCursorFile(const QString& path);

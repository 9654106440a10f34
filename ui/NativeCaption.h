#pragma once

class QWidget;

// Qt never leaves a window title empty on X11: it puts the application's name there instead.
// This writes an empty title straight onto the native window, so the caption really is blank.
// It does nothing on other platforms and before the native window exists.
void clearNativeCaption(QWidget& window);

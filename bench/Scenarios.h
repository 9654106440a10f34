#pragma once

#include <chrono>

// The measurements a child of the bench makes inside the real main window. Each reports its
// figures on standard output and returns the process's exit status.

// Play ticks of the real timer, the level's own 500 ms or a shorter interval of the same timer.
int runPlayClock(int intervalMs, int ticks);
// The Ready phase, or a paused level, left alone.
int runIdle(bool paused, std::chrono::milliseconds duration);
// A level with the strange hammer while the pointer moves.
int runPlayLoad(std::chrono::milliseconds duration);
// The repaint of every title tick, and full repaints of the window.
int runPaintCost();
// Presses on monsters with the normal hammer, to the frame that shows the explosion.
int runInputLatency(int presses);
// Presses on monsters with the normal hammer, to the hit sound's first sample at a sound server
// of the bench's own; and the cost of asking for a sound.
int runSoundLatency(int presses);

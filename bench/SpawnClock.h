#pragma once

#include <optional>

// The steady clock shared by the runner and its children, in milliseconds.
double steadyNowMs();

// Milliseconds since the runner started this process, from the clock reading it passed down in
// BENCH_SPAWN_NS; nothing when the process was started some other way.
std::optional<double> millisecondsSinceSpawn();

#include "SpawnClock.h"

#include <chrono>
#include <cstdlib>
#include <string>

double steadyNowMs() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double, std::milli>(now).count();
}

std::optional<double> millisecondsSinceSpawn() {
    const char* spawned = std::getenv("BENCH_SPAWN_NS");
    if (spawned == nullptr)
        return std::nullopt;
    try {
        const double spawnMs = static_cast<double>(std::stoll(spawned)) / 1e6;
        return steadyNowMs() - spawnMs;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

#include "Listening.h"

#include <algorithm>
#include <cmath>

namespace Listening {

namespace {

// Below this a sample is silence: about -44 dB, far above the resampler's ringing.
constexpr float Audible = 0.006F;
// A pause this long (10 ms at 22050 Hz) ends a stretch of sound; the game's sounds have none.
constexpr std::size_t Pause = 220;
// The beginning of a sound that recognises it: 46 ms.
constexpr std::size_t ShapeLength = 1024;
constexpr double Alike = 0.8;

struct Stretch {
    std::size_t begin = 0, end = 0;
};

std::vector<Stretch> stretchesOf(const Samples& recording) {
    std::vector<Stretch> stretches;
    std::size_t quiet = Pause;
    for (std::size_t i = 0; i < recording.size(); ++i) {
        if (std::fabs(recording[i]) < Audible) {
            ++quiet;
            continue;
        }
        if (quiet >= Pause)
            stretches.push_back({i, i + 1});
        stretches.back().end = i + 1;
        quiet = 0;
    }
    return stretches;
}

std::size_t firstAudible(const Samples& sound) {
    const auto it =
        std::find_if(sound.begin(), sound.end(), [](float s) { return std::fabs(s) >= Audible; });
    return static_cast<std::size_t>(it - sound.begin());
}

// How alike the recording from `at` is to the sound from its sample `from`: normalised
// correlation over ShapeLength samples, 1 for the same shape.
double alikeness(const Samples& recording, std::size_t at, const Samples& sound, std::size_t from) {
    const std::size_t length =
        std::min({ShapeLength, sound.size() - std::min(from, sound.size()), recording.size() - at});
    double product = 0, energy = 0, soundEnergy = 0;
    for (std::size_t i = 0; i < length; ++i) {
        product += double(recording[at + i]) * sound[from + i];
        energy += double(recording[at + i]) * recording[at + i];
        soundEnergy += double(sound[from + i]) * sound[from + i];
    }
    return energy > 0 && soundEnergy > 0 ? product / std::sqrt(energy * soundEnergy) : 0;
}

struct Candidate {
    std::size_t sound, at;
    double alike;
};

// Places in the stretch where one of the sounds' beginnings fits, the best of each run.
std::vector<Candidate> candidatesIn(const Samples& recording, Stretch stretch,
                                    const std::vector<Samples>& sounds) {
    std::vector<Candidate> found;
    for (std::size_t s = 0; s < sounds.size(); ++s) {
        const std::size_t first = firstAudible(sounds[s]);
        const std::size_t from = stretch.begin > 32 ? stretch.begin - 32 : 0;
        const std::size_t to = std::min(stretch.end, recording.size());
        for (std::size_t at = from; at < to; ++at) {
            const double alike = alikeness(recording, at, sounds[s], first);
            if (alike < Alike)
                continue;
            if (!found.empty() && found.back().sound == s && at - found.back().at < ShapeLength) {
                if (alike > found.back().alike)
                    found.back() = {s, at, alike};
            } else {
                found.push_back({s, at, alike});
            }
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Candidate& a, const Candidate& b) { return a.at < b.at; });
    return found;
}

} // namespace

std::size_t audibleLength(const Samples& sound) {
    const std::size_t first = firstAudible(sound);
    std::size_t last = sound.size();
    while (last > first && std::fabs(sound[last - 1]) < Audible)
        --last;
    return last - first;
}

std::vector<Heard> listen(const Samples& recording, const std::vector<Samples>& sounds) {
    std::vector<Heard> heard;
    for (const Stretch& stretch : stretchesOf(recording)) {
        const std::size_t firstHeard = heard.size();
        for (const Candidate& c : candidatesIn(recording, stretch, sounds)) {
            if (heard.size() > firstHeard) {
                // A sound that repeats itself only seems to start again: what goes on playing
                // fits the sound already playing at least as well as a new beginning does.
                const Heard& playing = heard.back();
                const std::size_t into = firstAudible(sounds[playing.sound]) + c.at - playing.at;
                if (c.at - playing.at < ShapeLength ||
                    (into < sounds[playing.sound].size() &&
                     alikeness(recording, c.at, sounds[playing.sound], into) >= c.alike - 0.05))
                    continue;
            }
            heard.push_back({c.sound, c.at, 0, false});
        }
        for (std::size_t i = firstHeard; i < heard.size(); ++i) {
            Heard& h = heard[i];
            const std::size_t whole = audibleLength(sounds[h.sound]);
            const std::size_t end = i + 1 < heard.size() ? heard[i + 1].at : stretch.end;
            h.samples = std::min(end - std::min(end, h.at), whole);
            h.cutOff = i + 1 < heard.size() && h.samples < whole;
        }
    }
    return heard;
}

double share(const Heard& heard, const std::vector<Samples>& sounds) {
    return double(heard.samples) / double(audibleLength(sounds[heard.sound]));
}

} // namespace Listening

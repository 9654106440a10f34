#pragma once

#include <cstddef>
#include <vector>

// What a recording of the sound server's output says about the sounds in it.
namespace Listening {

using Samples = std::vector<float>;

// One sound found in a recording.
struct Heard {
    std::size_t sound = 0;   // which of the sounds looked for
    std::size_t at = 0;      // its first sample in the recording
    std::size_t samples = 0; // how many of its samples were heard before it ended or was cut off
    bool cutOff = false;     // another sound started while this one was still playing
};

// The samples from a sound's first audible one to its last.
std::size_t audibleLength(const Samples& sound);

// Every start of one of `sounds` in the recording, in order, recognised by the shape of its
// beginning, with what was heard of each.
std::vector<Heard> listen(const Samples& recording, const std::vector<Samples>& sounds);

// The share of the sound heard, 1 for the whole of it.
double share(const Heard& heard, const std::vector<Samples>& sounds);

} // namespace Listening

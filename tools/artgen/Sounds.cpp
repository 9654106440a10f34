#include "Sounds.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <random>

namespace {

enum class Wave { Square, Triangle, Sine, Noise };

struct Voice {
    Wave wave = Wave::Square;
    double start = 0;    // seconds
    double length = 0.1; // seconds
    double fromHz = 440;
    double toHz = 440; // the pitch slides from fromHz to toHz over the voice's length
    double volume = 0.3;
    double decay = 0;   // per second; 0 holds the note and only fades its last moment
    double vibrato = 0; // depth as a fraction of the pitch
};

double noteHz(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

class Mixer {
public:
    explicit Mixer(double seconds) : m_samples(static_cast<std::size_t>(seconds * SoundRate)) {}

    void add(const Voice& v) {
        std::mt19937 noise(7u);
        const auto first = static_cast<std::size_t>(v.start * SoundRate);
        const auto count = static_cast<std::size_t>(v.length * SoundRate);
        double phase = 0;
        for (std::size_t i = 0; i < count && first + i < m_samples.size(); ++i) {
            const double t = static_cast<double>(i) / SoundRate;
            const double progress = t / v.length;
            double hz = v.fromHz + (v.toHz - v.fromHz) * progress;
            hz *= 1.0 + v.vibrato * std::sin(2 * std::numbers::pi * 6.0 * t);
            phase += hz / SoundRate;
            phase -= std::floor(phase);
            m_samples[first + i] += sample(v.wave, phase, noise) * v.volume * envelope(v, t);
        }
    }

    // The mix as 16-bit samples, its loudest moment at 80 % of full scale.
    std::vector<std::int16_t> finish() const {
        double peak = 1e-9;
        for (const double s : m_samples)
            peak = std::max(peak, std::abs(s));
        std::vector<std::int16_t> out(m_samples.size());
        std::transform(m_samples.begin(), m_samples.end(), out.begin(), [peak](double s) {
            return static_cast<std::int16_t>(std::lround(s / peak * 0.8 * 32767));
        });
        return out;
    }

private:
    static double sample(Wave wave, double phase, std::mt19937& noise) {
        switch (wave) {
        case Wave::Square:
            return phase < 0.5 ? 1.0 : -1.0;
        case Wave::Triangle:
            return phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase;
        case Wave::Sine:
            return std::sin(2 * std::numbers::pi * phase);
        case Wave::Noise:
            return static_cast<double>(noise() % 2001) / 1000.0 - 1.0;
        }
        return 0;
    }

    // A quick attack and release so no note clicks, with an optional exponential decay between.
    static double envelope(const Voice& v, double t) {
        constexpr double Attack = 0.004;
        constexpr double Release = 0.02;
        double level = std::min(1.0, t / Attack);
        level *= std::clamp((v.length - t) / Release, 0.0, 1.0);
        if (v.decay > 0)
            level *= std::exp(-v.decay * t);
        return level;
    }

    std::vector<double> m_samples;
};

struct Note {
    int midi;
    double beat;
    double beats;
};

// Plays a tune on one wave at the given tempo, in seconds per beat.
void play(Mixer& mix, std::initializer_list<Note> tune, double beat, Wave wave, double volume,
          double decay = 0, double vibrato = 0) {
    for (const Note& n : tune)
        mix.add({wave, n.beat * beat, n.beats * beat, noteHz(n.midi), noteHz(n.midi), volume, decay,
                 vibrato});
}

} // namespace

std::vector<std::int16_t> synthesizeHit() {
    Mixer mix(0.18);
    mix.add({Wave::Noise, 0, 0.045, 0, 0, 0.6, 60});
    mix.add({Wave::Square, 0, 0.03, 1800, 1400, 0.25, 40});
    mix.add({Wave::Sine, 0.005, 0.17, 780, 140, 0.9, 14});
    return mix.finish();
}

std::vector<std::int16_t> synthesizeGameOver() {
    Mixer mix(2.3);
    constexpr double Beat = 0.42;
    play(mix, {{67, 0, 0.9}, {66, 1, 0.9}, {65, 2, 0.9}}, Beat, Wave::Triangle, 0.5, 0.8);
    play(mix, {{67, 0, 0.9}, {66, 1, 0.9}, {65, 2, 0.9}}, Beat, Wave::Square, 0.12, 0.8);
    // The last, long note sags and wobbles.
    mix.add({Wave::Triangle, 3 * Beat, 0.95, noteHz(64), noteHz(62), 0.55, 0.9, 0.025});
    mix.add({Wave::Square, 3 * Beat, 0.95, noteHz(64), noteHz(62), 0.13, 0.9, 0.025});
    play(mix, {{43, 0, 1}, {42, 1, 1}, {41, 2, 1}, {40, 3, 2.2}}, Beat, Wave::Triangle, 0.35, 0.5);
    return mix.finish();
}

std::vector<std::int16_t> synthesizeLevelClear() {
    Mixer mix(1.35);
    constexpr double Beat = 0.1;
    play(mix, {{72, 0, 1}, {76, 1, 1}, {79, 2, 1}, {84, 3, 1}, {79, 4, 1}, {84, 5, 7}}, Beat,
         Wave::Square, 0.22, 1.2);
    play(mix, {{76, 5, 7}, {79, 5, 7}}, Beat, Wave::Triangle, 0.25, 1.5);
    play(mix, {{48, 0, 2}, {55, 2, 2}, {48, 5, 7}}, Beat, Wave::Triangle, 0.4, 1.0);
    return mix.finish();
}

std::vector<std::int16_t> synthesizeGameClear() {
    Mixer mix(3.1);
    constexpr double Beat = 0.13;
    // Ta-ta-ta taaa, ta-ta taaaaa: the fanfare, then a sparkle running up over the last chord.
    play(mix,
         {{67, 0, 1},
          {67, 1, 1},
          {67, 2, 1},
          {72, 3, 3},
          {70, 6, 1},
          {72, 7, 1},
          {76, 8, 2},
          {74, 10, 1},
          {76, 11, 1},
          {79, 12, 10}},
         Beat, Wave::Square, 0.2, 0.6);
    play(mix, {{64, 3, 3}, {65, 6, 2}, {67, 8, 2}, {71, 10, 2}, {72, 12, 10}}, Beat, Wave::Triangle,
         0.22, 0.6);
    play(mix, {{48, 0, 3}, {48, 3, 3}, {53, 6, 2}, {55, 8, 2}, {55, 10, 2}, {48, 12, 10}}, Beat,
         Wave::Triangle, 0.4, 0.4);
    play(mix, {{84, 13, 0.5}, {88, 13.5, 0.5}, {91, 14, 0.5}, {96, 14.5, 2}}, Beat, Wave::Sine,
         0.18, 2.5);
    return mix.finish();
}

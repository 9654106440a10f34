#include "SoundFile.h"

#include <QFile>
#include <sndfile.h>
#include <soxr.h>

namespace {

struct SndFileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

// All frames of the file, their channels mixed to one.
std::vector<float> readMono(SNDFILE* file, const SF_INFO& info) {
    const auto channels = static_cast<std::size_t>(info.channels);
    std::vector<float> frames(static_cast<std::size_t>(info.frames) * channels);
    const sf_count_t read = sf_readf_float(file, frames.data(), info.frames);
    frames.resize(static_cast<std::size_t>(std::max<sf_count_t>(read, 0)) * channels);
    if (channels == 1)
        return frames;
    std::vector<float> mono(frames.size() / channels);
    for (std::size_t i = 0; i < mono.size(); ++i) {
        float sum = 0;
        for (std::size_t c = 0; c < channels; ++c)
            sum += frames[i * channels + c];
        mono[i] = sum / static_cast<float>(channels);
    }
    return mono;
}

std::vector<float> resample(const std::vector<float>& in, int from, int to) {
    std::vector<float> out(
        in.size() * static_cast<std::size_t>(to) / static_cast<std::size_t>(from) + 16);
    std::size_t done = 0;
    if (soxr_oneshot(from, to, 1, in.data(), in.size(), nullptr, out.data(), out.size(), &done,
                     nullptr, nullptr, nullptr) != nullptr)
        return {};
    out.resize(done);
    return out;
}

} // namespace

SoundSamples readSoundFile(const QString& path, int rate) {
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, SndFileCloser> file(
        sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
    if (!file || info.channels < 1 || info.samplerate < 1 || info.frames < 0)
        return nullptr;
    std::vector<float> samples = readMono(file.get(), info);
    if (info.samplerate != rate)
        samples = resample(samples, info.samplerate, rate);
    if (samples.empty())
        return nullptr;
    return std::make_shared<const std::vector<float>>(std::move(samples));
}

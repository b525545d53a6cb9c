#include "tools/sounds/wave_file.h"

#include <samplerate.h>
#include <sndfile.h>

#include <memory>
#include <stdexcept>

namespace synth {

namespace {

struct CloseFile {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SoundFile = std::unique_ptr<SNDFILE, CloseFile>;

SoundFile open(const std::filesystem::path& file, int mode, SF_INFO& info) {
    SoundFile opened(sf_open(file.c_str(), mode, &info));
    if (!opened) throw std::runtime_error(file.string() + ": " + sf_strerror(nullptr));
    return opened;
}

Samples to_mono(const std::vector<float>& frames, int channels) {
    Samples mono(frames.size() / static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < mono.size(); ++i) {
        float sum = 0;
        for (int c = 0; c < channels; ++c) sum += frames[i * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)];
        mono[i] = sum / static_cast<float>(channels);
    }
    return mono;
}

Samples resample(const Samples& sound, int from_rate, const std::filesystem::path& file) {
    double ratio = static_cast<double>(sample_rate) / from_rate;
    Samples out(static_cast<std::size_t>(static_cast<double>(sound.size()) * ratio) + 1);
    SRC_DATA data{};
    data.data_in = sound.data();
    data.input_frames = static_cast<long>(sound.size());
    data.data_out = out.data();
    data.output_frames = static_cast<long>(out.size());
    data.src_ratio = ratio;
    if (int error = src_simple(&data, SRC_SINC_MEDIUM_QUALITY, 1))
        throw std::runtime_error(file.string() + ": " + src_strerror(error));
    out.resize(static_cast<std::size_t>(data.output_frames_gen));
    return out;
}

}  // namespace

void write_wave(const std::filesystem::path& file, const Samples& sound) {
    SF_INFO info{};
    info.samplerate = sample_rate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SoundFile out = open(file, SFM_WRITE, info);
    auto count = static_cast<sf_count_t>(sound.size());
    if (sf_writef_float(out.get(), sound.data(), count) != count)
        throw std::runtime_error(file.string() + ": " + sf_strerror(out.get()));
}

Samples read_wave(const std::filesystem::path& file) {
    SF_INFO info{};
    SoundFile in = open(file, SFM_READ, info);
    std::vector<float> frames(static_cast<std::size_t>(info.frames * info.channels));
    sf_readf_float(in.get(), frames.data(), info.frames);
    Samples mono = to_mono(frames, info.channels);
    return info.samplerate == sample_rate ? mono : resample(mono, info.samplerate, file);
}

}  // namespace synth

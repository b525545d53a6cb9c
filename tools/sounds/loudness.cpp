#include "tools/sounds/loudness.h"

#include <ebur128.h>

#include <cmath>
#include <memory>
#include <numeric>
#include <stdexcept>
#include <string>

namespace synth {

namespace {

struct StateDeleter {
    void operator()(ebur128_state* state) const { ebur128_destroy(&state); }
};
using Meter = std::unique_ptr<ebur128_state, StateDeleter>;

Meter open_meter(int mode) {
    Meter meter(ebur128_init(1, sample_rate, mode));
    if (!meter) throw std::runtime_error("libebur128 could not open a loudness meter");
    return meter;
}

void check(int status) {
    if (status != EBUR128_SUCCESS) throw std::runtime_error("libebur128 failed, error " + std::to_string(status));
}

double gated_loudness(const Samples& sound) {
    Meter meter = open_meter(EBUR128_MODE_I);
    check(ebur128_add_frames_float(meter.get(), sound.data(), sound.size()));
    double lufs = 0;
    check(ebur128_loudness_global(meter.get(), &lufs));
    return lufs;
}

// The meter's window is a whole number of milliseconds, which at 22050 Hz is
// not a whole number of samples: the sound is padded with silence to the
// window, less than one millisecond, so that the window holds all of it.
double whole_file_loudness(const Samples& sound) {
    auto window_ms = static_cast<unsigned long>(std::ceil(to_seconds(sound.size()) * 1000));
    Samples padded = sound;
    padded.resize(static_cast<std::size_t>(sample_rate) * window_ms / 1000);
    Meter meter = open_meter(EBUR128_MODE_M);
    // A meter's window is never shorter than its 400 ms blocks; when it
    // already holds ours, the library says so, and that is no failure.
    if (int status = ebur128_set_max_window(meter.get(), window_ms); status != EBUR128_ERROR_NO_CHANGE) check(status);
    check(ebur128_add_frames_float(meter.get(), padded.data(), padded.size()));
    double lufs = 0;
    check(ebur128_loudness_window(meter.get(), window_ms, &lufs));
    return lufs;
}

}  // namespace

double loudness_lufs(const Samples& sound) {
    if (sound.empty()) return -HUGE_VAL;
    return to_seconds(sound.size()) < shortest_gated_seconds ? whole_file_loudness(sound) : gated_loudness(sound);
}

double true_peak_db(const Samples& sound) {
    Meter meter = open_meter(EBUR128_MODE_TRUE_PEAK);
    check(ebur128_add_frames_float(meter.get(), sound.data(), sound.size()));
    double peak = 0;
    check(ebur128_true_peak(meter.get(), 0, &peak));
    return 20 * std::log10(peak);
}

double dc_offset(const Samples& sound) {
    if (sound.empty()) return 0;
    return std::accumulate(sound.begin(), sound.end(), 0.0) / static_cast<double>(sound.size());
}

}  // namespace synth

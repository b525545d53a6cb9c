#include "tools/sounds/effects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "tools/sounds/filters.h"
#include "tools/sounds/loudness.h"

namespace synth {

namespace {

constexpr double silence_ratio = 0.003;  // -50 dB: quieter tails are lost under any room noise

// Seconds until repeats scaled by `gain` each time fall under -60 dB.
double tail_seconds(double period, double gain) {
    return period * std::log(silence_ratio) / std::log(std::clamp(gain, 0.01, 0.99));
}

// Freeverb-like tunings, halved for our sample rate: prime-ish so the combs never line up.
constexpr std::array<std::size_t, 4> comb_samples = {557, 593, 641, 677};
constexpr std::array<std::size_t, 2> all_pass_samples = {113, 277};
constexpr double all_pass_gain = 0.5;
constexpr double comb_damping = 0.3;

class Comb {
public:
    Comb(std::size_t length, double feedback) : line_(length), feedback_(feedback) {}
    float process(float input) {
        float out = line_[at_];
        stored_ = static_cast<float>(out * (1 - comb_damping) + stored_ * comb_damping);
        line_[at_] = static_cast<float>(input + stored_ * feedback_);
        at_ = (at_ + 1) % line_.size();
        return out;
    }

private:
    Samples line_;
    double feedback_;
    float stored_ = 0;
    std::size_t at_ = 0;
};

class AllPass {
public:
    explicit AllPass(std::size_t length) : line_(length) {}
    float process(float input) {
        float delayed = line_[at_];
        float out = delayed - input;
        line_[at_] = static_cast<float>(input + delayed * all_pass_gain);
        at_ = (at_ + 1) % line_.size();
        return out;
    }

private:
    Samples line_;
    std::size_t at_ = 0;
};

// The limiter sees a peak this long before it comes, so that its gain has
// fallen by then, and lets go over the release: a tamed strike, without a
// click as the gain moves nor pumping after it.
constexpr double limiter_lookahead_seconds = 0.002;
constexpr double limiter_release_seconds = 0.05;
// It holds the samples this far under the ceiling, so that the peaks between
// them, which it does not see, stay under it too.
constexpr double limiter_margin_db = 0.5;

double from_db(double db) { return std::pow(10.0, db / 20); }

void scale_by_db(Samples& sound, double db) {
    auto gain = static_cast<float>(from_db(db));
    for (float& s : sound) s *= gain;
}

// For each sample, the least gain that any sample in its lookahead needs to
// stay under `ceiling`, rising back towards 1 at the release's pace.
Samples limiter_gains(const Samples& sound, float ceiling, std::size_t lookahead) {
    auto recovery = static_cast<float>(1 - std::exp(-1 / (limiter_release_seconds * sample_rate)));
    Samples gains(sound.size());
    float held = 1;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        float least = 1;
        for (std::size_t j = i; j < std::min(sound.size(), i + lookahead + 1); ++j)
            least = std::min(least, ceiling / std::max(std::abs(sound[j]), ceiling));
        held = std::min(least, held + (1 - held) * recovery);
        gains[i] = held;
    }
    return gains;
}

// The gains are averaged over the lookahead so that the fall is a ramp; a
// peak's own gain is still the average of gains that all saw it coming.
void limit_peaks(Samples& sound, float ceiling) {
    std::size_t lookahead = to_samples(limiter_lookahead_seconds);
    Samples gains = limiter_gains(sound, ceiling, lookahead);
    double sum = 0;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        sum += gains[i];
        if (i >= lookahead) sum -= gains[i - lookahead];
        sound[i] *= static_cast<float>(sum / static_cast<double>(std::min(i + 1, lookahead)));
    }
}

void filter_all(Samples& sound, Biquad filter) {
    for (float& s : sound) s = filter.process(s);
}

}  // namespace

void add_echo(Samples& sound, double delay, double feedback) {
    std::size_t step = std::max<std::size_t>(1, to_samples(delay));
    sound.resize(sound.size() + to_samples(tail_seconds(delay, feedback)));
    for (std::size_t i = step; i < sound.size(); ++i) sound[i] += static_cast<float>(feedback * sound[i - step]);
}

void add_reverb(Samples& sound, double mix, double size) {
    double feedback = 0.7 + 0.28 * std::clamp(size, 0.0, 1.0);
    double scale = 0.6 + 0.8 * size;  // bigger rooms have longer paths
    sound.resize(sound.size() + to_samples(tail_seconds(to_seconds(comb_samples.back()) * scale, feedback)));
    std::vector<Comb> combs;
    for (std::size_t length : comb_samples)
        combs.emplace_back(static_cast<std::size_t>(static_cast<double>(length) * scale), feedback);
    std::vector<AllPass> all_passes(all_pass_samples.begin(), all_pass_samples.end());
    for (float& s : sound) {
        float wet = 0;
        for (Comb& comb : combs) wet += comb.process(s);
        wet /= static_cast<float>(combs.size());
        for (AllPass& all_pass : all_passes) wet = all_pass.process(wet);
        s = static_cast<float>(s * (1 - mix) + wet * mix);
    }
}

void low_pass(Samples& sound, double cutoff_hz) { filter_all(sound, Biquad::low_pass(cutoff_hz)); }

void high_pass(Samples& sound, double cutoff_hz) { filter_all(sound, Biquad::high_pass(cutoff_hz)); }

void ring_modulate(Samples& sound, double hz) {
    for (std::size_t i = 0; i < sound.size(); ++i)
        sound[i] *= static_cast<float>(std::sin(2 * std::numbers::pi * hz * to_seconds(i)));
}

void set_length(Samples& sound, double seconds) { sound.resize(to_samples(seconds)); }

void trim_silent_end(Samples& sound) {
    float floor = static_cast<float>(peak_of(sound) * silence_ratio);
    auto last = std::find_if(sound.rbegin(), sound.rend(), [&](float s) { return std::abs(s) > floor; });
    sound.erase(last.base(), sound.end());
}

void fade_ends(Samples& sound, double fade_in, double fade_out) {
    std::size_t in = std::min(to_samples(fade_in), sound.size());
    std::size_t out = std::min(to_samples(fade_out), sound.size());
    for (std::size_t i = 0; i < in; ++i) sound[i] *= static_cast<float>(i) / static_cast<float>(in);
    for (std::size_t i = 0; i < out; ++i) sound[sound.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(out);
}

void normalise(Samples& sound, double peak_db) {
    float peak = peak_of(sound);
    if (peak == 0) return;
    auto gain = static_cast<float>(std::pow(10.0, peak_db / 20) / peak);
    for (float& s : sound) s *= gain;
}

// Limiting takes a little loudness away with the peaks, so the sound is
// measured and scaled again until it stays within this of its level.
constexpr double loudness_tolerance_db = 0.1;
constexpr int most_loudness_rounds = 6;

void normalise_loudness(Samples& sound, Level level) {
    auto ceiling = static_cast<float>(from_db(level.ceiling_db - limiter_margin_db));
    for (int round = 0; round < most_loudness_rounds; ++round) {
        double measured = loudness_lufs(sound);
        if (!std::isfinite(measured)) return;
        scale_by_db(sound, level.lufs - measured);
        limit_peaks(sound, ceiling);
        if (loudness_lufs(sound) > level.lufs - loudness_tolerance_db) break;
    }
    double over = true_peak_db(sound) - level.ceiling_db;
    if (over > 0) scale_by_db(sound, -over);
}

float peak_of(const Samples& sound) {
    float peak = 0;
    for (float s : sound) peak = std::max(peak, std::abs(s));
    return peak;
}

}  // namespace synth

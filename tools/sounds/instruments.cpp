#include "tools/sounds/instruments.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <numeric>

#include "tools/sounds/effects.h"
#include "tools/sounds/filters.h"

namespace synth {

namespace {

constexpr double two_pi = 2 * std::numbers::pi;
constexpr double vibrato_hz = 5.5;
constexpr double ln_1000 = 6.907755;  // an exponential decay is 60 dB down when its exponent reaches this
constexpr double strike_seconds = 0.001;  // ringing instruments still rise this long, so they never click
constexpr double harmonic_ceiling_hz = 0.45 * sample_rate;
constexpr std::size_t noise_retune_samples = 32;
// Under hearing, above the lowest string the recipes pluck.
constexpr double pluck_dc_cutoff_hz = 20;

// Pitch over time: an exponential glide across the held time, with an optional vibrato.
class Pitch {
public:
    Pitch(const Tone& tone, double glide_seconds, double vibrato_semitones)
        : tone_(tone), glide_seconds_(glide_seconds), vibrato_semitones_(vibrato_semitones) {}

    double hz(double t) const {
        double progress = glide_seconds_ > 0 ? std::min(t / glide_seconds_, 1.0) : 1.0;
        double hz = tone_.from_hz * std::pow(tone_.to_hz / tone_.from_hz, progress);
        if (vibrato_semitones_ != 0)
            hz *= std::pow(2.0, vibrato_semitones_ / 12 * std::sin(two_pi * vibrato_hz * t));
        return hz;
    }

private:
    Tone tone_;
    double glide_seconds_;
    double vibrato_semitones_;
};

// A phase that follows a changing frequency without jumps.
class Phase {
public:
    double advance(double hz) {
        double now = value_;
        value_ = std::fmod(value_ + two_pi * hz / sample_rate, two_pi);
        return now;
    }

private:
    double value_ = 0;
};

struct Envelope {
    double attack;
    double decay;
    double sustain;
    double release;

    double length(double gate) const { return gate + release; }

    double level(double t, double gate) const {
        if (t < gate) return held(t);
        return held(gate) * std::max(0.0, 1 - (t - gate) / release);
    }

private:
    double held(double t) const {
        if (t < attack) return t / attack;
        if (t < attack + decay) return 1 - (1 - sustain) * (t - attack) / decay;
        return sustain;
    }
};

constexpr double shortest_edge = 0.001;  // no envelope edge is sharper, to stay click-free

Envelope envelope_of(const Settings& settings, const Envelope& usual) {
    return {std::max(shortest_edge, settings.get("a", usual.attack)), std::max(0.0, settings.get("d", usual.decay)),
            std::clamp(settings.get("s", usual.sustain), 0.0, 1.0),
            std::max(shortest_edge, settings.get("r", usual.release))};
}

// Rings from a strike and fades by 60 dB over `decay` seconds.
double ring_level(double t, double decay) {
    return std::min(1.0, t / strike_seconds) * std::exp(-ln_1000 * t / decay);
}

// Sum of sine harmonics k, k + step, … with weight 1/k, stopping short of aliasing.
double harmonics(double phase, double hz, int step) {
    double sum = 0;
    for (int k = 1; k * hz < harmonic_ceiling_hz; k += step) sum += std::sin(k * phase) / k;
    return sum;
}

using Wave = double (*)(double phase, double hz);

double sine_wave(double phase, double) { return std::sin(phase); }
double triangle_wave(double phase, double) { return std::asin(std::sin(phase)); }
double square_wave(double phase, double hz) { return harmonics(phase, hz, 2); }
double saw_wave(double phase, double hz) { return harmonics(phase, hz, 1); }

Samples oscillator_note(Wave wave, const Tone& tone, double seconds, const Settings& settings) {
    Envelope envelope = envelope_of(settings, {0.005, 0.08, 0.7, 0.06});
    Pitch pitch(tone, seconds, settings.get("vib", 0));
    Phase phase;
    Samples out(to_samples(envelope.length(seconds)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = to_seconds(i);
        double hz = pitch.hz(t);
        out[i] = static_cast<float>(wave(phase.advance(hz), hz) * envelope.level(t, seconds));
    }
    return out;
}

Samples sine_note(const Tone& tone, double seconds, const Settings& settings, std::mt19937&) {
    return oscillator_note(sine_wave, tone, seconds, settings);
}
Samples triangle_note(const Tone& tone, double seconds, const Settings& settings, std::mt19937&) {
    return oscillator_note(triangle_wave, tone, seconds, settings);
}
Samples square_note(const Tone& tone, double seconds, const Settings& settings, std::mt19937&) {
    return oscillator_note(square_wave, tone, seconds, settings);
}
Samples saw_note(const Tone& tone, double seconds, const Settings& settings, std::mt19937&) {
    return oscillator_note(saw_wave, tone, seconds, settings);
}

// Frequency modulation with an off-integer ratio gives the clang of a bell;
// the modulation dies faster than the tone, so the strike is bright and the tail pure.
Samples bell_note(const Tone& tone, double seconds, const Settings& settings, std::mt19937&) {
    double decay = settings.get("decay", 1.2);
    double ratio = settings.get("ratio", 1.4);
    double index = settings.get("index", 2.0);
    Pitch pitch(tone, seconds, settings.get("vib", 0));
    Phase carrier;
    Phase modulator;
    Samples out(to_samples(decay));
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = to_seconds(i);
        double hz = pitch.hz(t);
        double depth = index * std::exp(-2 * ln_1000 * t / decay);
        double bend = depth * std::sin(modulator.advance(hz * ratio));
        out[i] = static_cast<float>(std::sin(carrier.advance(hz) + bend) * ring_level(t, decay));
    }
    return out;
}

// Reads a past sample `delay` samples back, between two stored samples.
double delayed(const Samples& out, std::size_t now, double delay) {
    double position = static_cast<double>(now) - delay;
    if (position < 0) return 0;
    auto before = static_cast<std::size_t>(position);
    double fraction = position - static_cast<double>(before);
    return out[before] * (1 - fraction) + out[before + 1] * fraction;
}

// The string's strike: noise softened by averaging neighbours (no harsh top),
// with its mean taken out. The string sustains whatever steady part its
// burst has as long as its notes: an offset that thumps when it is cut.
Samples pluck_burst(std::size_t length, std::mt19937& random) {
    std::uniform_real_distribution<float> noise(-1, 1);
    Samples burst(length);
    float previous = 0;
    for (float& s : burst) {
        float fresh = noise(random);
        s = 0.5f * (fresh + previous);
        previous = fresh;
    }
    float mean = std::accumulate(burst.begin(), burst.end(), 0.0f) / static_cast<float>(std::max<std::size_t>(length, 1));
    for (float& s : burst) s -= mean;
    return burst;
}

// A plucked string (Karplus-Strong): a burst of noise circulates in a delay
// one period long, and the averaging of neighbours mellows it as it rings.
Samples pluck_note(const Tone& tone, double seconds, const Settings& settings, std::mt19937& random) {
    double decay = settings.get("decay", 0.8);
    Pitch pitch(tone, seconds, 0);
    Samples burst = pluck_burst(static_cast<std::size_t>(sample_rate / tone.from_hz), random);
    Samples out(to_samples(decay));
    for (std::size_t n = 0; n < out.size(); ++n) {
        double hz = pitch.hz(to_seconds(n));
        double period = sample_rate / hz - 0.5;  // the two-sample average adds half a sample
        double loss = std::pow(10.0, -3 / (decay * hz));
        float strike = n < burst.size() ? burst[n] : 0;
        double circulating = 0.5 * (delayed(out, n, period) + delayed(out, n, period + 1));
        out[n] = static_cast<float>(strike + loss * circulating);
    }
    // What the burst's last samples still carry near 0 Hz rings as long as
    // the string does, under hearing but not under the speaker's travel.
    high_pass(out, pluck_dc_cutoff_hz);
    return out;
}

// A struck wooden bar: a few inharmonic partials, the higher ones dying sooner,
// and a touch of noise for the knock.
Samples wood_note(const Tone& tone, double seconds, const Settings& settings, std::mt19937& random) {
    struct Partial {
        double ratio;
        double amplitude;
    };
    static constexpr std::array<Partial, 4> bar = {{{1.0, 1.0}, {2.76, 0.45}, {5.40, 0.2}, {8.93, 0.08}}};
    constexpr double knock_seconds = 0.003;
    constexpr double knock_level = 0.3;
    double decay = settings.get("decay", 0.12);
    Pitch pitch(tone, seconds, 0);
    std::array<Phase, bar.size()> phases{};
    std::uniform_real_distribution<double> noise(-1, 1);
    Samples out(to_samples(decay));
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = to_seconds(i);
        double hz = pitch.hz(t);
        double sum = 0;
        for (std::size_t p = 0; p < bar.size(); ++p) {
            double partial_hz = hz * bar[p].ratio;
            double phase = phases[p].advance(partial_hz);
            if (partial_hz < harmonic_ceiling_hz)
                sum += bar[p].amplitude * std::sin(phase) * ring_level(t, decay / bar[p].ratio);
        }
        if (t < knock_seconds) sum += knock_level * noise(random) * (1 - t / knock_seconds);
        out[i] = static_cast<float>(sum);
    }
    return out;
}

// A bubble's pitch rises as it rings away.
Samples bubble_note(const Tone& tone, double, const Settings& settings, std::mt19937&) {
    double decay = settings.get("decay", 0.08);
    double rise = settings.get("rise", 9);
    Phase phase;
    Samples out(to_samples(decay));
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = to_seconds(i);
        double hz = tone.from_hz * std::pow(2.0, rise / 12 * t / decay);
        out[i] = static_cast<float>(std::sin(phase.advance(hz)) * ring_level(t, decay));
    }
    return out;
}

// Noise through a band-pass around the note's pitch: wind, swish, hiss, tick.
Samples noise_note(const Tone& tone, double seconds, const Settings& settings, std::mt19937& random) {
    Envelope envelope = envelope_of(settings, {0.01, 0.05, 0.8, 0.08});
    double q = settings.get("q", 1.0);
    Pitch pitch(tone, seconds, 0);
    Biquad filter = Biquad::band_pass(tone.from_hz, q);
    std::uniform_real_distribution<float> noise(-1, 1);
    Samples out(to_samples(envelope.length(seconds)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = to_seconds(i);
        if (i % noise_retune_samples == 0) filter.retune_band_pass(pitch.hz(t), q);
        out[i] = static_cast<float>(filter.process(noise(random)) * envelope.level(t, seconds));
    }
    return out;
}

using NoteMaker = Samples (*)(const Tone&, double, const Settings&, std::mt19937&);

struct Instrument {
    std::string_view name;
    NoteMaker play;
};

constexpr std::array instruments = {
    Instrument{"sine", sine_note},   Instrument{"triangle", triangle_note}, Instrument{"square", square_note},
    Instrument{"saw", saw_note},     Instrument{"bell", bell_note},         Instrument{"pluck", pluck_note},
    Instrument{"wood", wood_note},   Instrument{"bubble", bubble_note},     Instrument{"noise", noise_note},
};

const Instrument* find_instrument(const std::string& name) {
    auto found = std::ranges::find(instruments, name, &Instrument::name);
    return found == instruments.end() ? nullptr : &*found;
}

}  // namespace

bool is_instrument(const std::string& name) { return name == voice_instrument || find_instrument(name); }

Samples play_note(const std::string& instrument, const Tone& tone, double seconds, const Settings& settings,
                  std::mt19937& random) {
    Samples note = find_instrument(instrument)->play(tone, seconds, settings, random);
    normalise(note, 0);
    return note;
}

}  // namespace synth

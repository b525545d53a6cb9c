#include "tools/sounds/render.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

#include "tools/sounds/effects.h"
#include "tools/sounds/instruments.h"

namespace synth {

namespace {

// Even a click starts and ends on a ramp, so no file begins or stops on a jump.
constexpr double usual_fade_in = 0.002;
constexpr double usual_fade_out = 0.010;

// The same recipe always gives the same file: randomness is seeded by the sound's name.
std::uint32_t seed_of(const std::string& name) {
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : name) hash = (hash ^ c) * 16777619u;
    return hash;
}

void mix_into(Samples& into, const Samples& part, std::size_t offset) {
    if (into.size() < offset + part.size()) into.resize(offset + part.size());
    for (std::size_t i = 0; i < part.size(); ++i) into[offset + i] += part[i];
}

Tone detuned(Tone tone, double semitones) {
    double factor = std::pow(2.0, semitones / 12);
    return {tone.from_hz * factor, tone.to_hz * factor};
}

// The notes one after another, `repeat` times; `jitter` and `spread` loosen
// the timing and the pitch of each note so that repeats do not sound stamped.
Samples play_notes(const Layer& layer, std::mt19937& random) {
    const Settings& settings = layer.settings;
    double jitter = settings.get("jitter", 0);
    double spread = settings.get("spread", 0);
    std::uniform_real_distribution<double> unit(-1, 1);
    Samples out;
    double start = 0;
    auto repeats = std::lround(settings.get("repeat", 1));
    for (long round = 0; round < repeats; ++round) {
        for (const Note& note : layer.notes) {
            double shift = jitter * unit(random);
            double offset = std::max(0.0, start + shift);
            double detune = spread * unit(random);
            for (const Tone& tone : note.tones)
                mix_into(out, play_note(layer.instrument, detuned(tone, detune), note.seconds, settings, random),
                         to_samples(offset));
            start += note.seconds;
        }
    }
    return out;
}

Samples render_layer(const Layer& layer, const Speaker& speaker, std::mt19937& random) {
    const Settings& settings = layer.settings;
    Samples sound = layer.instrument == voice_instrument ? speaker.say(layer.text, settings, layer.where)
                                                         : play_notes(layer, random);
    if (settings.has("hp")) high_pass(sound, settings.get("hp", 0));
    if (settings.has("lp")) low_pass(sound, settings.get("lp", 0));
    if (settings.has("ring")) ring_modulate(sound, settings.get("ring", 0));
    auto volume = static_cast<float>(settings.get("vol", 1));
    for (float& s : sound) s *= volume;
    return sound;
}

const Effect* find_effect(const Recipe& recipe, EffectKind kind) {
    auto found = std::ranges::find(recipe.effects, kind, &Effect::kind);
    return found == recipe.effects.end() ? nullptr : &*found;
}

void apply_room_effects(Samples& sound, const Recipe& recipe) {
    for (const Effect& effect : recipe.effects) {
        const auto& v = effect.values;
        if (effect.kind == EffectKind::echo) add_echo(sound, v[0], v[1]);
        if (effect.kind == EffectKind::reverb) add_reverb(sound, v[0], v.size() > 1 ? v[1] : 0.5);
    }
}

void finish(Samples& sound, const Recipe& recipe, Level level) {
    if (const Effect* length = find_effect(recipe, EffectKind::length))
        set_length(sound, length->values[0]);
    else
        trim_silent_end(sound);
    const Effect* fade = find_effect(recipe, EffectKind::fade);
    fade_ends(sound, std::max(usual_fade_in, fade ? fade->values[0] : 0),
              std::max(usual_fade_out, fade ? fade->values[1] : 0));
    normalise_loudness(sound, level);
}

}  // namespace

Samples render(const Recipe& recipe, const Speaker& speaker, Level level) {
    std::mt19937 random(seed_of(recipe.name));
    Samples sound;
    for (const Layer& layer : recipe.layers)
        mix_into(sound, render_layer(layer, speaker, random), to_samples(layer.settings.get("at", 0)));
    apply_room_effects(sound, recipe);
    finish(sound, recipe, level);
    return sound;
}

}  // namespace synth

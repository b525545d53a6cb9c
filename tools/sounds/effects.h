#pragma once
// Whole-sound treatments: echoes and room, filters and ring modulation for a
// layer, and the finishing that every file gets (length, fades, level).
#include "tools/sounds/samples.h"

namespace synth {

// Repeats the sound every `delay` seconds, each repeat `feedback` times the last.
void add_echo(Samples& sound, double delay, double feedback);

// A small room: `mix` 0 is dry, 1 all room; `size` 0 … 1 from a box to a hall.
void add_reverb(Samples& sound, double mix, double size);

void low_pass(Samples& sound, double cutoff_hz);
void high_pass(Samples& sound, double cutoff_hz);

// Multiplies by a sine: metallic, robotic.
void ring_modulate(Samples& sound, double hz);

// Cuts or pads to exactly `seconds`.
void set_length(Samples& sound, double seconds);

// Drops the end that stays under -60 dB of the peak.
void trim_silent_end(Samples& sound);

void fade_ends(Samples& sound, double fade_in, double fade_out);

// Scales so that the loudest sample sits at `peak_db` dB under full scale.
void normalise(Samples& sound, double peak_db);

// How loud a finished sound is heard, and the true peak (dBTP) it never passes.
struct Level {
    double lufs;
    double ceiling_db;
};

// Scales to `level.lufs`; the few strikes that would then pass the ceiling
// are held under it by a limiter, so that a spiky sound (a bell, a pluck) is
// heard as loud as a smooth one of its kind instead of staying quieter.
void normalise_loudness(Samples& sound, Level level);

float peak_of(const Samples& sound);

}  // namespace synth

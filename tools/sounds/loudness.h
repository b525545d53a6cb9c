#pragma once
// How loud a sound is heard, after EBU R128 (libebur128): the level every
// file is brought to, and what the sound checks measure.
#include "tools/sounds/samples.h"

namespace synth {

// The gated, integrated loudness is made of 400 ms blocks; a click has none.
// A shorter sound is measured over the whole file instead (the K-weighted
// mean power of all its samples, ungated), which is what a listener hears of
// one strike.
inline constexpr double shortest_gated_seconds = 0.4;

// LUFS; minus infinity for silence.
double loudness_lufs(const Samples& sound);

// The peak between samples too, as a converter rebuilds the wave (dBTP).
double true_peak_db(const Samples& sound);

// The mean of the samples: a steady offset that thumps when a sound starts
// or is cut, and eats into the headroom of the mix.
double dc_offset(const Samples& sound);

}  // namespace synth

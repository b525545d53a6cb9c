#pragma once
// Wave files in and out: the game's files are mono, 16-bit, at `sample_rate`.
#include <filesystem>

#include "tools/sounds/samples.h"

namespace synth {

void write_wave(const std::filesystem::path& file, const Samples& sound);

// Any wave file, mixed down to mono and brought to `sample_rate`.
Samples read_wave(const std::filesystem::path& file);

}  // namespace synth

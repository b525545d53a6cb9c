#pragma once
// The instruments a recipe layer plays its notes with. Each note comes out at
// full scale and rings to its natural end; the layer's `vol` sets its share.
#include <random>
#include <string>
#include <string_view>

#include "tools/sounds/recipe.h"
#include "tools/sounds/samples.h"

namespace synth {

// The voice speaks a text rather than playing notes (see speech.h).
inline constexpr std::string_view voice_instrument = "voice";

bool is_instrument(const std::string& name);

// One tone held for `seconds` (the time until the next note starts).
Samples play_note(const std::string& instrument, const Tone& tone, double seconds, const Settings& settings,
                  std::mt19937& random);

}  // namespace synth

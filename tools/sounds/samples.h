#pragma once
// A sound as the builder handles it: mono samples at the rate the game's
// files use, in the range -1 … 1 once normalised.
#include <cstddef>
#include <vector>

namespace synth {

inline constexpr int sample_rate = 22050;

using Samples = std::vector<float>;

inline std::size_t to_samples(double seconds) {
    return seconds <= 0 ? 0 : static_cast<std::size_t>(seconds * sample_rate + 0.5);
}

inline double to_seconds(std::size_t samples) { return static_cast<double>(samples) / sample_rate; }

}  // namespace synth

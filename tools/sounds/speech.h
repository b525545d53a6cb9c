#pragma once
// French lines for the characters, spoken by the espeak-ng program.
#include <filesystem>
#include <string>

#include "tools/sounds/recipe.h"
#include "tools/sounds/samples.h"

namespace synth {

class Speaker {
public:
    // `espeak` is the program; its wave files are left in `work_folder`.
    Speaker(std::filesystem::path espeak, std::filesystem::path work_folder);

    // The text spoken with the layer's `pitch` (0 … 99), `speed` (words a
    // minute) and `variant`, without the silence around it, at full scale.
    Samples say(const std::string& text, const Settings& settings, const std::string& where) const;

private:
    std::filesystem::path espeak_;
    std::filesystem::path work_folder_;
};

}  // namespace synth

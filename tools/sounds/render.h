#pragma once
// Turns a recipe into its finished sound: layers mixed, effects applied,
// silent end dropped, ends faded and brought to `level`.
#include "tools/sounds/effects.h"
#include "tools/sounds/recipe.h"
#include "tools/sounds/samples.h"
#include "tools/sounds/speech.h"

namespace synth {

Samples render(const Recipe& recipe, const Speaker& speaker, Level level);

}  // namespace synth

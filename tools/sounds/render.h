#pragma once
// Turns a recipe into its finished sound: layers mixed, effects applied,
// silent end dropped, ends faded and the peak set to `peak_db`.
#include "tools/sounds/recipe.h"
#include "tools/sounds/samples.h"
#include "tools/sounds/speech.h"

namespace synth {

Samples render(const Recipe& recipe, const Speaker& speaker, double peak_db);

}  // namespace synth

// build_sounds: synthesises every sound the game plays from the recipes in
// sound/, as wave files named exactly as the game asks for them.
//
//   build_sounds --out DIR --work DIR --espeak PROGRAM RECIPE_FILE...
#include <exception>
#include <iostream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/sound_catalog.h"
#include "tools/sounds/recipe.h"
#include "tools/sounds/render.h"
#include "tools/sounds/speech.h"
#include "tools/sounds/wave_file.h"

namespace {

// Every kind of sound is heard at one loudness, whatever its shape: a
// defeat a little under a victory, so that losing is never the louder news;
// a mood under the effects, its peaks too, so that it never covers the game;
// and a click, heard on every key, well under everything. The ceilings keep
// a margin under -1 dBTP for the rounding to 16 bits.
constexpr double effect_ceiling_db = -1.5;
constexpr double ambience_ceiling_db = -5.5;

synth::Level level_of(sons::Genre genre) {
    switch (genre) {
        case sons::Genre::effet: return {-16, effect_ceiling_db};
        case sons::Genre::victoire: return {-16, effect_ceiling_db};
        case sons::Genre::defaite: return {-18, effect_ceiling_db};
        case sons::Genre::ambiance: return {-20, ambience_ceiling_db};
        case sons::Genre::touche: return {-24, effect_ceiling_db};
    }
    throw std::logic_error("a kind of sound without a level");
}

struct Options {
    std::filesystem::path out;
    std::filesystem::path work;
    std::filesystem::path espeak;
    std::vector<std::filesystem::path> recipe_files;
};

Options read_options(int argc, char** argv) {
    Options options;
    std::map<std::string, std::filesystem::path*> flags = {
        {"--out", &options.out}, {"--work", &options.work}, {"--espeak", &options.espeak}};
    for (int i = 1; i < argc; ++i) {
        auto flag = flags.find(argv[i]);
        if (flag == flags.end())
            options.recipe_files.emplace_back(argv[i]);
        else if (i + 1 < argc)
            *flag->second = argv[++i];
        else
            throw std::runtime_error(std::string(argv[i]) + " needs a value");
    }
    if (options.out.empty() || options.work.empty() || options.espeak.empty() || options.recipe_files.empty())
        throw std::runtime_error("usage: build_sounds --out DIR --work DIR --espeak PROGRAM RECIPE_FILE...");
    return options;
}

std::map<std::string, synth::Recipe> read_all_recipes(const std::vector<std::filesystem::path>& files) {
    std::map<std::string, synth::Recipe> recipes;
    for (const auto& file : files) {
        for (auto& recipe : synth::read_recipes(file)) {
            auto [existing, added] = recipes.try_emplace(recipe.name, recipe);
            if (!added)
                throw synth::RecipeError(recipe.where + ": \"" + recipe.name + "\" already has a recipe at " +
                                         existing->second.where);
        }
    }
    return recipes;
}

// A recipe whose name the game never plays is a typo, not a spare.
void check_every_recipe_is_played(const std::map<std::string, synth::Recipe>& recipes,
                                  const std::vector<sons::Son>& catalogue) {
    std::set<std::string> played;
    for (const auto& son : catalogue) played.insert(son.nom);
    for (const auto& [name, recipe] : recipes)
        if (!played.contains(name))
            throw synth::RecipeError(recipe.where + ": the game never plays a sound named \"" + name + "\"");
}

void build_all(const Options& options) {
    auto recipes = read_all_recipes(options.recipe_files);
    auto catalogue = sons::catalogue();
    check_every_recipe_is_played(recipes, catalogue);
    synth::Speaker speaker(options.espeak, options.work);
    std::filesystem::create_directories(options.out);
    for (const auto& son : catalogue) {
        auto recipe = recipes.find(son.nom);
        if (recipe == recipes.end()) throw synth::RecipeError("no recipe for the sound \"" + son.nom + "\"");
        synth::write_wave(options.out / son.nom, synth::render(recipe->second, speaker, level_of(son.genre)));
    }
    std::cout << "build_sounds: " << catalogue.size() << " sounds in " << options.out.string() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    try {
        build_all(read_options(argc, argv));
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "build_sounds: " << error.what() << "\n";
        return 1;
    }
}

#pragma once
// A sound recipe as written in sound/*.txt: layers of notes played by
// instruments, then effects on the mixed sound. sound/README.md gives the
// format with examples.
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace synth {

// One pitch of a note; a glide moves from `from_hz` to `to_hz` over the note.
struct Tone {
    double from_hz = 0;
    double to_hz = 0;
};

struct Note {
    std::vector<Tone> tones;  // several: a chord; none: a rest
    double seconds = 0;
};

// The key=value settings of a layer. Each instrument reads the ones it needs
// and falls back on its own sound for the others.
class Settings {
public:
    double get(const std::string& key, double fallback) const;
    bool has(const std::string& key) const { return values_.contains(key); }
    void set(const std::string& key, double value) { values_[key] = value; }

    std::string variant;  // the speech voice's variant ("m3", "f2" …)

private:
    std::map<std::string, double> values_;
};

struct Layer {
    std::string instrument;
    std::vector<Note> notes;
    std::string text;  // what the voice says
    Settings settings;
    std::string where;  // "file:line", for messages
};

enum class EffectKind { echo, reverb, length, fade };

struct Effect {
    EffectKind kind;
    std::vector<double> values;
};

struct Recipe {
    std::string name;
    std::vector<Layer> layers;
    std::vector<Effect> effects;
    std::string where;
};

// A mistake in a recipe file, reported as "file:line: what is wrong".
class RecipeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::vector<Recipe> read_recipes(const std::filesystem::path& file);

// Hz of a note name such as "A4" (440), "C#5" or "Bb3".
double note_frequency(const std::string& name);

}  // namespace synth

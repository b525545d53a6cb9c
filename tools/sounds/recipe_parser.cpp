#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <set>
#include <string_view>

#include "tools/sounds/instruments.h"
#include "tools/sounds/recipe.h"
#include "tools/sounds/samples.h"

namespace synth {

namespace {

// Every key a layer may set; sound/README.md says what each does.
const std::set<std::string, std::less<>> known_settings = {
    "at", "vol", "repeat", "jitter", "spread", "a", "d", "s", "r", "decay", "vib", "rise",
    "ratio", "index", "q", "lp", "hp", "ring", "pitch", "speed", "variant"};

struct EffectSyntax {
    std::string_view word;
    EffectKind kind;
    std::size_t min_values;
    std::size_t max_values;
};

constexpr std::array effect_syntax = {
    EffectSyntax{"echo", EffectKind::echo, 2, 2},      // delay, feedback
    EffectSyntax{"reverb", EffectKind::reverb, 1, 2},  // mix, room size
    EffectSyntax{"length", EffectKind::length, 1, 1},  // seconds
    EffectSyntax{"fade", EffectKind::fade, 2, 2},      // fade-in, fade-out seconds
};

struct Word {
    std::string text;
    bool quoted = false;  // a "quoted text": what a voice says
};

// One line of a recipe file, split into words, that knows where it stands
// so that every complaint names the file and the line.
class Line {
public:
    Line(std::string where, std::string_view text) : where_(std::move(where)) { split(text); }

    [[noreturn]] void fail(const std::string& what) const { throw RecipeError(where_ + ": " + what); }
    const std::string& where() const { return where_; }
    const std::vector<Word>& words() const { return words_; }

    double number(const std::string& text) const {
        double value = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc{} || end != text.data() + text.size()) fail("\"" + text + "\" is not a number");
        return value;
    }

private:
    // Splits on blanks; a "quoted text" stays one word, without its quotes.
    void split(std::string_view text) {
        std::size_t i = 0;
        while (i < text.size()) {
            if (std::isspace(static_cast<unsigned char>(text[i]))) {
                ++i;
            } else if (text[i] == '"') {
                std::size_t close = text.find('"', i + 1);
                if (close == std::string_view::npos) fail("a quoted text is not closed");
                words_.push_back({std::string(text.substr(i + 1, close - i - 1)), true});
                i = close + 1;
            } else {
                std::size_t end = i;
                while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end]))) ++end;
                words_.push_back({std::string(text.substr(i, end - i)), false});
                i = end;
            }
        }
    }

    std::string where_;
    std::vector<Word> words_;
};

// A comment runs from a "#" that starts a word (F#4 is a note) to the end of the line.
std::string_view without_comment(std::string_view text) {
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') quoted = !quoted;
        bool starts_word = i == 0 || std::isspace(static_cast<unsigned char>(text[i - 1]));
        if (text[i] == '#' && starts_word && !quoted) return text.substr(0, i);
    }
    return text;
}

double tone_frequency(const std::string& text, const Line& line) {
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0]))) {
        try {
            return note_frequency(text);
        } catch (const RecipeError& error) {
            line.fail(error.what());
        }
    }
    double hz = line.number(text);
    if (hz <= 0 || hz >= sample_rate / 2.0)
        line.fail(text + " Hz cannot be played at " + std::to_string(sample_rate) + " samples a second");
    return hz;
}

Tone parse_tone(const std::string& text, const Line& line) {
    std::size_t arrow = text.find('>');
    if (arrow == std::string::npos) {
        double hz = tone_frequency(text, line);
        return {hz, hz};
    }
    return {tone_frequency(text.substr(0, arrow), line), tone_frequency(text.substr(arrow + 1), line)};
}

// "C5:0.1", "C4+E4+G4:0.5" (a chord), "C5>C6:0.2" (a glide), "-:0.1" (a rest).
Note parse_note(const std::string& word, const Line& line) {
    std::size_t colon = word.find(':');
    Note note;
    note.seconds = line.number(word.substr(colon + 1));
    if (note.seconds <= 0) line.fail("\"" + word + "\" has no length");
    std::string pitches = word.substr(0, colon);
    if (pitches == "-") return note;
    std::size_t start = 0;
    while (true) {
        std::size_t plus = pitches.find('+', start);
        note.tones.push_back(parse_tone(pitches.substr(start, plus - start), line));
        if (plus == std::string::npos) break;
        start = plus + 1;
    }
    return note;
}

void parse_setting(const std::string& word, Settings& settings, const Line& line) {
    std::size_t equal = word.find('=');
    std::string key = word.substr(0, equal);
    std::string value = word.substr(equal + 1);
    if (!known_settings.contains(key)) line.fail("unknown setting \"" + key + "\"");
    if (key == "variant")
        settings.variant = value;
    else
        settings.set(key, line.number(value));
}

Layer parse_layer(const Line& line, std::size_t first) {
    const auto& words = line.words();
    Layer layer;
    layer.instrument = words[first].text;
    layer.where = line.where();
    if (!is_instrument(layer.instrument)) line.fail("unknown instrument or effect \"" + layer.instrument + "\"");
    bool speaks = layer.instrument == voice_instrument;
    for (std::size_t i = first + 1; i < words.size(); ++i) {
        const Word& word = words[i];
        if (word.quoted && speaks && layer.text.empty())
            layer.text = word.text;
        else if (!word.quoted && word.text.find('=') != std::string::npos)
            parse_setting(word.text, layer.settings, line);
        else if (!word.quoted && word.text.find(':') != std::string::npos)
            layer.notes.push_back(parse_note(word.text, line));
        else
            line.fail("\"" + word.text + "\" is neither a note (C5:0.1) nor a setting (vol=0.5)" +
                      (speaks ? " nor the one text the voice says" : ""));
    }
    if (speaks && layer.text.empty()) line.fail("the voice has nothing to say (give it a \"quoted text\")");
    if (!speaks && layer.notes.empty()) line.fail("the layer has no notes");
    return layer;
}

const EffectSyntax* find_effect(const std::string& word) {
    for (const auto& syntax : effect_syntax)
        if (syntax.word == word) return &syntax;
    return nullptr;
}

Effect parse_effect(const EffectSyntax& syntax, const Line& line, std::size_t first) {
    const auto& words = line.words();
    std::size_t count = words.size() - first - 1;
    if (count < syntax.min_values || count > syntax.max_values) {
        std::string how_many = std::to_string(syntax.min_values);
        if (syntax.max_values > syntax.min_values) how_many += " or " + std::to_string(syntax.max_values);
        line.fail("\"" + std::string(syntax.word) + "\" takes " + how_many + " numbers");
    }
    Effect effect{syntax.kind, {}};
    for (std::size_t i = first + 1; i < words.size(); ++i) effect.values.push_back(line.number(words[i].text));
    return effect;
}

// A line's part after the sound name (or the whole of an indented line).
void add_to_recipe(Recipe& recipe, const Line& line, std::size_t first) {
    if (first >= line.words().size()) return;
    const EffectSyntax* syntax = find_effect(line.words()[first].text);
    if (!syntax) {
        recipe.layers.push_back(parse_layer(line, first));
        return;
    }
    // Echoes and rooms may be stacked; a sound has only one length and one pair of fades.
    bool once = syntax->kind == EffectKind::length || syntax->kind == EffectKind::fade;
    if (once && std::ranges::find(recipe.effects, syntax->kind, &Effect::kind) != recipe.effects.end())
        line.fail("\"" + std::string(syntax->word) + "\" is given twice for this sound");
    recipe.effects.push_back(parse_effect(*syntax, line, first));
}

}  // namespace

double Settings::get(const std::string& key, double fallback) const {
    auto found = values_.find(key);
    return found == values_.end() ? fallback : found->second;
}

double note_frequency(const std::string& name) {
    static constexpr std::array<int, 7> semitone_of_letter = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    auto bad = [&] { return RecipeError("\"" + name + "\" is not a note such as C5, F#4 or Bb3"); };
    if (name.size() < 2) throw bad();
    char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    if (letter < 'A' || letter > 'G') throw bad();
    int semitone = semitone_of_letter[static_cast<std::size_t>(letter - 'A')];
    std::size_t octave_at = 1;
    if (name[1] == '#' || name[1] == 'b') {
        semitone += name[1] == '#' ? 1 : -1;
        octave_at = 2;
    }
    if (octave_at + 1 != name.size() || !std::isdigit(static_cast<unsigned char>(name[octave_at]))) throw bad();
    int octave = name[octave_at] - '0';
    int midi = 12 * (octave + 1) + semitone;
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

std::vector<Recipe> read_recipes(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) throw RecipeError(file.string() + ": cannot be read");
    std::vector<Recipe> recipes;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        std::string_view useful = without_comment(text);
        Line line(file.string() + ":" + std::to_string(number), useful);
        if (line.words().empty()) continue;
        bool continues = std::isspace(static_cast<unsigned char>(useful[0]));
        if (!continues) recipes.push_back({line.words()[0].text, {}, {}, line.where()});
        if (recipes.empty()) line.fail("an indented line needs a sound name on a line above");
        add_to_recipe(recipes.back(), line, continues ? 0 : 1);
    }
    return recipes;
}

}  // namespace synth

#include "tools/sounds/speech.h"

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "tools/sounds/effects.h"
#include "tools/sounds/wave_file.h"

extern char** environ;

namespace synth {

namespace {

constexpr double usual_pitch = 50;
constexpr double usual_speed = 175;
constexpr double silence_level = 0.01;

// Runs a program with its arguments as given: no shell, so quotes and
// apostrophes in the text need no escaping.
void run(const std::vector<std::string>& arguments, const std::string& where) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error(where + ": cannot start " + arguments[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(where + ": " + arguments[0] + " failed");
}

void trim_silence(Samples& sound) {
    float floor = static_cast<float>(peak_of(sound) * silence_level);
    auto loud = [&](float s) { return std::abs(s) > floor; };
    auto first = std::find_if(sound.begin(), sound.end(), loud);
    auto last = std::find_if(sound.rbegin(), sound.rend(), loud).base();
    sound = first < last ? Samples(first, last) : Samples{};
}

std::string whole_number(double value) { return std::to_string(std::lround(value)); }

}  // namespace

Speaker::Speaker(std::filesystem::path espeak, std::filesystem::path work_folder)
    : espeak_(std::move(espeak)), work_folder_(std::move(work_folder)) {}

Samples Speaker::say(const std::string& text, const Settings& settings, const std::string& where) const {
    std::filesystem::create_directories(work_folder_);
    std::filesystem::path spoken = work_folder_ / "voice.wav";
    std::string voice = settings.variant.empty() ? "fr" : "fr+" + settings.variant;
    run({espeak_.string(), "-v", voice, "-p", whole_number(settings.get("pitch", usual_pitch)), "-s",
         whole_number(settings.get("speed", usual_speed)), "-w", spoken.string(), text},
        where);
    Samples sound = read_wave(spoken);
    trim_silence(sound);
    if (sound.empty()) throw std::runtime_error(where + ": the voice said nothing");
    normalise(sound, 0);  // at full scale like every note, so that `vol` means the same for a voice
    return sound;
}

}  // namespace synth

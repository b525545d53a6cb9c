#include "platform/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <map>

#include "platform/resting_device.h"

namespace plat {

std::vector<std::string> RecordingSound::names() const {
    std::vector<std::string> out;
    for (const auto& p : played_) out.push_back(p.name);
    return out;
}

namespace {

constexpr int kCanalEffet = 0;
constexpr int kCanalAppareil = 1;
constexpr int kFrequence = 22050;
constexpr int kTampon = 1024;

// The end of a sound wakes the program, which then closes the device at
// once: left open until the next wake-up (seconds later on an idle menu),
// SDL's sound thread would keep waking twenty times a second for nothing.
// Called on that thread, which may only post a message.
void SDLCALL annoncer_fin_de_son(int /*channel*/) {
    static const Uint32 fin_de_son = SDL_RegisterEvents(1);
    SDL_Event e{};
    e.type = fin_de_son;
    SDL_PushEvent(&e);
}

// Sounds are loaded on first use and kept: the same clicks come back often.
// The device works only while something plays, and rests in between.
class MixerSound : public SoundBackend {
public:
    explicit MixerSound(std::filesystem::path folder) : folder_(std::move(folder)) {
        // No sound system at all: SDL's dummy driver keeps the game going, silent.
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) use_dummy_driver();
    }
    ~MixerSound() override {
        if (device_ != Device::closed) Mix_HaltChannel(-1);
        for (auto& [name, chunk] : chunks_)
            if (chunk) Mix_FreeChunk(chunk);
        if (device_ != Device::closed) Mix_CloseAudio();
    }

    void play_effect(const std::string& name) override { play(kCanalEffet, name); }
    void stop_device() override {
        if (device_ != Device::closed) Mix_HaltChannel(kCanalAppareil);
    }
    void close_device() override { stop_device(); }
    void play_device(const std::string& name) override { play(kCanalAppareil, name); }

    void rest_if_silent() override {
        if (device_ != Device::working || Mix_Playing(-1) > 0) return;
        if (rest_open_device()) {
            device_ = Device::resting;
            return;
        }
        Mix_CloseAudio();
        device_ = Device::closed;
    }

private:
    void use_dummy_driver() {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
        SDL_InitSubSystem(SDL_INIT_AUDIO);
    }

    // A sound card that cannot be opened (busy, unplugged) leaves the game
    // silent rather than stopped.
    bool wake() {
        if (device_ == Device::resting) wake_resting_device();
        if (device_ != Device::closed) {
            device_ = Device::working;
            return true;
        }
        if (Mix_OpenAudio(kFrequence, AUDIO_S16SYS, 1, kTampon) != 0) {
            use_dummy_driver();
            if (Mix_OpenAudio(kFrequence, AUDIO_S16SYS, 1, kTampon) != 0) return false;
        }
        Mix_AllocateChannels(2);
        Mix_ChannelFinished(annoncer_fin_de_son);
        forget_chunks_if_format_changed();
        device_ = Device::working;
        return true;
    }

    // Sounds are kept converted to the device's format; another device (the
    // player changed the output meanwhile) needs them converted afresh.
    void forget_chunks_if_format_changed() {
        Format format;
        Mix_QuerySpec(&format.frequency, &format.format, &format.channels);
        if (format == format_) return;
        format_ = format;
        for (auto& [name, chunk] : chunks_)
            if (chunk) Mix_FreeChunk(chunk);
        chunks_.clear();
    }

    void play(int channel, const std::string& name) {
        if (!wake()) return;
        Mix_Chunk* chunk = load(name);
        if (chunk) Mix_PlayChannel(channel, chunk, 0);  // replaces what the channel played
    }

    Mix_Chunk* load(const std::string& name) {
        auto found = chunks_.find(name);
        if (found != chunks_.end()) return found->second;
        // A file that cannot be played is skipped without a word.
        Mix_Chunk* chunk = Mix_LoadWAV((folder_ / name).string().c_str());
        chunks_[name] = chunk;
        return chunk;
    }

    struct Format {
        int frequency = 0;
        Uint16 format = 0;
        int channels = 0;
        bool operator==(const Format&) const = default;
    };

    enum class Device { closed, working, resting };

    std::filesystem::path folder_;
    Device device_ = Device::closed;
    Format format_;
    std::map<std::string, Mix_Chunk*> chunks_;
};

}  // namespace

std::unique_ptr<SoundBackend> make_mixer_sound(const std::filesystem::path& folder) {
    return std::make_unique<MixerSound>(folder);
}

}  // namespace plat

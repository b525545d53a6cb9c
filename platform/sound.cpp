#include "platform/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <map>

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

// Sounds are loaded on first use and kept: the same clicks come back often.
class MixerSound : public SoundBackend {
public:
    explicit MixerSound(std::filesystem::path folder) : folder_(std::move(folder)) { open_audio(); }
    ~MixerSound() override {
        if (!open_) return;
        Mix_HaltChannel(-1);
        for (auto& [name, chunk] : chunks_)
            if (chunk) Mix_FreeChunk(chunk);
        Mix_CloseAudio();
    }

    void play_effect(const std::string& name) override { play(kCanalEffet, name); }
    void stop_device() override {
        if (open_) Mix_HaltChannel(kCanalAppareil);
    }
    void close_device() override { stop_device(); }
    void play_device(const std::string& name) override { play(kCanalAppareil, name); }

private:
    void open_audio() {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(kFrequence, AUDIO_S16SYS, 1, kTampon) != 0) {
            // No sound card: SDL's dummy driver keeps the game going, silent.
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
            if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(kFrequence, AUDIO_S16SYS, 1, kTampon) != 0)
                return;
        }
        Mix_AllocateChannels(2);
        open_ = true;
    }

    void play(int channel, const std::string& name) {
        if (!open_) return;
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

    std::filesystem::path folder_;
    bool open_ = false;
    std::map<std::string, Mix_Chunk*> chunks_;
};

}  // namespace

std::unique_ptr<SoundBackend> make_mixer_sound(const std::filesystem::path& folder) {
    return std::make_unique<MixerSound>(folder);
}

}  // namespace plat

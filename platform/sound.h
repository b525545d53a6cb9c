#pragma once
// Two sound channels. The device channel plays the ambient sound and can be
// closed or stopped; the effect channel plays one-shot effects, a new effect
// replacing the last. Files are named without extension handling: the name
// is the file name in the sound folder.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace plat {

class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    virtual void play_effect(const std::string& name) = 0;
    virtual void stop_device() = 0;
    virtual void close_device() = 0;
    virtual void play_device(const std::string& name) = 0;
    // Called whenever the program is about to sleep: a sound device that
    // plays nothing is put to rest (closed on the desktop, see
    // resting_device.h). The next sound wakes it. The end of each sound
    // posts an event that wakes the program for this.
    virtual void rest_if_silent() = 0;
};

// SDL_mixer over the sound folder; silent when no audio device can be opened.
std::unique_ptr<SoundBackend> make_mixer_sound(const std::filesystem::path& folder);

// For the tests: remembers what was played, in order.
class RecordingSound : public SoundBackend {
public:
    struct Played {
        enum class Channel { effect, device } channel;
        std::string name;
    };
    void play_effect(const std::string& name) override { played_.push_back({Played::Channel::effect, name}); }
    void stop_device() override {}
    void close_device() override {}
    void play_device(const std::string& name) override { played_.push_back({Played::Channel::device, name}); }
    void rest_if_silent() override {}

    const std::vector<Played>& played() const { return played_; }
    // Just the names, effects and ambient sounds together.
    std::vector<std::string> names() const;
    void clear() { played_.clear(); }

private:
    std::vector<Played> played_;
};

}  // namespace plat

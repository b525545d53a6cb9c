// The sound device is open only while something plays, and the next sound
// opens it again. SDL's dummy driver stands in for a sound card.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/sound.h"

namespace {

bool device_open() { return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0; }

TEST(Mixer, ClosesTheDeviceOnlyWhenNothingPlaysAndReopensItForTheNextSound) {
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    auto son = plat::make_mixer_sound(std::filesystem::path(LEXIRAMA_BUILD_DIR) / "ats");
    EXPECT_FALSE(device_open());

    son->play_device("1.amb");  // seconds long
    son->rest_if_silent();
    EXPECT_TRUE(device_open());
    EXPECT_EQ(Mix_Playing(-1), 1);

    son->stop_device();
    son->rest_if_silent();
    EXPECT_FALSE(device_open());

    son->play_device("1.amb");
    EXPECT_TRUE(device_open());
    EXPECT_EQ(Mix_Playing(-1), 1);
}

}  // namespace

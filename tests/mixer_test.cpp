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

// Closed as soon as the last sound ends, not at the next wake-up: the end
// itself wakes a program sleeping on its events.
TEST(Mixer, TheEndOfASoundWakesTheProgramToCloseTheDevice) {
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0);
    auto son = plat::make_mixer_sound(std::filesystem::path(LEXIRAMA_BUILD_DIR) / "ats");
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);

    son->play_effect("4");  // a key sound, a few hundredths of a second
    son->rest_if_silent();
    ASSERT_TRUE(device_open());
    ASSERT_EQ(SDL_WaitEventTimeout(nullptr, 2000), 1);
    son->rest_if_silent();
    EXPECT_FALSE(device_open());
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
}

}  // namespace

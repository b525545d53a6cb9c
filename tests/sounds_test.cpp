// Every sound the game can play has been built into the ats folder as a wave
// file the mixer opens, long or short as its use needs, audible, unclipped,
// free of clicks at its ends and of a steady offset, and as loud as the other
// sounds of its kind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "core/sound_catalog.h"
#include "tools/sounds/loudness.h"

namespace {

constexpr int sample_rate = 22050;
constexpr double full_scale = 32768.0;

struct Shape {
    double shortest;  // seconds
    double longest;
    double loudest_db;  // peak, dB under full scale
    double quietest_lufs;  // loudness, gated or of the whole file (tools/sounds/loudness.h)
    double loudest_lufs;
};

// Clicks restart every 100 ms; jingles and "oh no"s must be heard whole.
// Sounds of one kind are heard equally loud: a defeat about 2 LU under a
// victory, ambient moods under the effects, and clicks well under all.
Shape shape_of(sons::Genre genre) {
    switch (genre) {
        case sons::Genre::touche: return {0.01, 0.1, -0.5, -25, -23};
        case sons::Genre::victoire: return {0.8, 2.0, -0.5, -17, -15};
        case sons::Genre::defaite: return {0.6, 1.5, -0.5, -19, -17};
        case sons::Genre::ambiance: return {3.0, 8.0, -5.0, -21, -19};
        case sons::Genre::effet: return {0.1, 2.0, -0.5, -17, -15};
    }
    return {};
}

constexpr double loudest_true_peak_db = -1;
constexpr double largest_dc_offset = 0.002;  // of full scale: -54 dB

constexpr double quietest_peak_db = -20;
constexpr double end_click_limit = 0.01;  // of full scale, first and last sample

struct Wave {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<std::int16_t> samples;

    double seconds() const { return static_cast<double>(samples.size()) / rate; }

    synth::Samples scaled() const {
        synth::Samples out;
        for (std::int16_t s : samples) out.push_back(static_cast<float>(s / full_scale));
        return out;
    }
};

std::uint32_t little_endian(const std::vector<char>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

// A RIFF file is "RIFF", a size, "WAVE", then chunks (id, size, body, padded
// to an even length); "fmt " describes the samples and "data" holds them.
std::optional<Wave> read_wave(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return std::nullopt;
    Wave wave;
    bool has_data = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        std::string id(bytes.data() + at, 4);
        std::size_t size = little_endian(bytes, at + 4, 4);
        std::size_t body = at + 8;
        if (body + size > bytes.size()) return std::nullopt;
        if (id == "fmt " && size >= 16) {
            wave.format = static_cast<int>(little_endian(bytes, body, 2));
            wave.channels = static_cast<int>(little_endian(bytes, body + 2, 2));
            wave.rate = static_cast<int>(little_endian(bytes, body + 4, 4));
            wave.bits = static_cast<int>(little_endian(bytes, body + 14, 2));
        } else if (id == "data") {
            for (std::size_t i = 0; i + 1 < size; i += 2)
                wave.samples.push_back(static_cast<std::int16_t>(little_endian(bytes, body + i, 2)));
            has_data = true;
        }
        at = body + size + size % 2;
    }
    if (!has_data || wave.rate == 0) return std::nullopt;
    return wave;
}

double peak_db(const Wave& wave) {
    int peak = 0;
    for (std::int16_t s : wave.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    return 20 * std::log10(std::max(peak, 1) / full_scale);
}

double rms(const std::vector<std::int16_t>& samples, std::size_t count) {
    count = std::min(count, samples.size());
    double sum = 0;
    for (std::size_t i = 0; i < count; ++i) sum += static_cast<double>(samples[i]) * samples[i];
    return count == 0 ? 0 : std::sqrt(sum / static_cast<double>(count)) / full_scale;
}

std::filesystem::path ats_folder() { return std::filesystem::path(LEXIRAMA_BUILD_DIR) / "ats"; }

// A helper, so that a missing file stops the checks of that sound only.
void check_sound(const sons::Son& son) {
    std::optional<Wave> wave = read_wave(ats_folder() / son.nom);
    ASSERT_TRUE(wave) << "missing, or not a wave file";
    EXPECT_EQ(wave->format, 1) << "not plain PCM";
    EXPECT_EQ(wave->channels, 1);
    EXPECT_EQ(wave->rate, sample_rate);
    EXPECT_EQ(wave->bits, 16);
    ASSERT_FALSE(wave->samples.empty());

    Shape shape = shape_of(son.genre);
    EXPECT_GE(wave->seconds(), shape.shortest);
    EXPECT_LE(wave->seconds(), shape.longest);
    EXPECT_GE(peak_db(*wave), quietest_peak_db) << "too quiet to hear";
    EXPECT_LE(peak_db(*wave), shape.loudest_db) << "too loud for its kind, or clipping";
    EXPECT_LE(std::abs(wave->samples.front()) / full_scale, end_click_limit) << "clicks as it starts";
    EXPECT_LE(std::abs(wave->samples.back()) / full_scale, end_click_limit) << "clicks as it stops";
}

void check_level(const sons::Son& son) {
    std::optional<Wave> wave = read_wave(ats_folder() / son.nom);
    ASSERT_TRUE(wave) << "missing, or not a wave file";
    synth::Samples sound = wave->scaled();
    Shape shape = shape_of(son.genre);
    double lufs = synth::loudness_lufs(sound);
    EXPECT_GE(lufs, shape.quietest_lufs) << "quieter than the others of its kind";
    EXPECT_LE(lufs, shape.loudest_lufs) << "louder than the others of its kind";
    EXPECT_LE(synth::true_peak_db(sound), loudest_true_peak_db) << "clips between samples";
    EXPECT_LE(std::abs(synth::dc_offset(sound)), largest_dc_offset) << "off centre";
}

TEST(Sons, EveryCataloguedSoundIsBuiltAudibleAndSizedForItsUse) {
    for (const sons::Son& son : sons::catalogue()) {
        SCOPED_TRACE("sound \"" + son.nom + "\"");
        check_sound(son);
    }
}

TEST(Sons, EveryKindOfSoundIsHeardAtItsOwnLoudnessCentredAndUnclipped) {
    for (const sons::Son& son : sons::catalogue()) {
        SCOPED_TRACE("sound \"" + son.nom + "\"");
        check_level(son);
    }
}

synth::Samples sine(double amplitude, double hz, double seconds) {
    synth::Samples out(synth::to_samples(seconds));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * hz * synth::to_seconds(i)));
    return out;
}

// A click is measured over its whole length, a longer sound by the gated
// blocks: one steady tone reads the same either way, whatever its length,
// so that the clicks' level and the jingles' level mean the same thing.
TEST(Sons, LoudnessOfASteadyToneDoesNotDependOnItsLength) {
    constexpr double full_scale_tone_lufs = -3.01;  // a 997 Hz sine at full scale, by the standard's definition
    for (double seconds : {0.03, 0.1, 0.39, 0.4, 1.0, 3.0}) {
        SCOPED_TRACE(std::to_string(seconds) + " s");
        EXPECT_NEAR(synth::loudness_lufs(sine(1, 997, seconds)), full_scale_tone_lufs, 0.3);
        EXPECT_NEAR(synth::loudness_lufs(sine(0.1, 997, seconds)), full_scale_tone_lufs - 20, 0.3);
    }
}

TEST(Sons, PeakAndOffsetAreMeasuredOnTheWaveItself) {
    synth::Samples tone = sine(0.5, 997, 0.5);
    EXPECT_NEAR(synth::true_peak_db(tone), -6.02, 0.2);
    EXPECT_NEAR(synth::dc_offset(tone), 0, 1e-3);
    for (float& s : tone) s += 0.1f;
    EXPECT_NEAR(synth::dc_offset(tone), 0.1, 1e-3);
    EXPECT_EQ(synth::loudness_lufs({}), -HUGE_VAL);
}

// The banners restart a drawn victory every 100-150 ms, so only its opening
// is ever heard there: it has to be a full hit, not a lead-in.
TEST(Sons, DrawnVictoriesHitFromTheirFirstTenthOfASecond) {
    constexpr std::size_t opening = sample_rate / 10;
    constexpr double loud_enough = 0.1;  // RMS, of full scale
    std::string_view liste = sons::tirage_victoires;
    for (std::size_t i = 0; i + 1 < liste.size(); i += 2) {
        std::string nom = std::to_string(std::stoi(std::string(liste.substr(i, 2)))) + ".vic";
        SCOPED_TRACE("sound \"" + nom + "\"");
        std::optional<Wave> wave = read_wave(ats_folder() / nom);
        ASSERT_TRUE(wave);
        EXPECT_GE(rms(wave->samples, opening), loud_enough);
    }
}

}  // namespace

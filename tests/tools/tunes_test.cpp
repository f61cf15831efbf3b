#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <unistd.h>

#include "tunecomposer.h"
#include "tunes.h"
#include "tunesynth.h"
#include "wavwriter.h"

using namespace hoshi::assets;

namespace {

std::uint32_t u32(const std::string& b, std::size_t at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8 |
           static_cast<std::uint8_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}
std::uint16_t u16(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1])
                                                                             << 8);
}

// Checks the 44-byte header of a mono 16-bit PCM file and returns the sample count.
std::size_t checkHeader(const std::string& b) {
    EXPECT_GE(b.size(), 44u);
    if (b.size() < 44) return 0;
    EXPECT_EQ(b.substr(0, 4), "RIFF");
    EXPECT_EQ(u32(b, 4), b.size() - 8);
    EXPECT_EQ(b.substr(8, 4), "WAVE");
    EXPECT_EQ(b.substr(12, 4), "fmt ");
    EXPECT_EQ(u32(b, 16), 16u);
    EXPECT_EQ(u16(b, 20), 1u); // PCM
    EXPECT_EQ(u16(b, 22), 1u); // mono
    EXPECT_EQ(u32(b, 24), static_cast<std::uint32_t>(kSampleRate));
    EXPECT_EQ(u32(b, 28), static_cast<std::uint32_t>(kSampleRate * 2));
    EXPECT_EQ(u16(b, 32), 2u);
    EXPECT_EQ(u16(b, 34), 16u);
    EXPECT_EQ(b.substr(36, 4), "data");
    EXPECT_EQ(u32(b, 40), b.size() - 44);
    return (b.size() - 44) / 2;
}

class Tunes : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        for (int i = 0; i < kTuneCount; ++i) pcm.push_back(tunePcm(i));
    }
    static inline std::vector<std::vector<std::int16_t>> pcm;
};

} // namespace

TEST(WavWriter, HeaderAndLittleEndianSamples) {
    std::ostringstream out;
    const std::vector<std::int16_t> samples = {0, 1, -1, 32767, -32768};
    writeWav(out, samples, kSampleRate);
    const std::string b = out.str();
    EXPECT_EQ(checkHeader(b), samples.size());
    EXPECT_EQ(u16(b, 44 + 2), 1u);
    EXPECT_EQ(u16(b, 44 + 4), 0xFFFFu);
    EXPECT_EQ(u16(b, 44 + 8), 0x8000u);
}

TEST_F(Tunes, DurationsWithinTenToTwentySeconds) {
    for (int i = 0; i < kTuneCount; ++i) {
        const double seconds = static_cast<double>(pcm[static_cast<std::size_t>(i)].size()) / kSampleRate;
        EXPECT_GE(seconds, 10.0) << "tune " << i;
        EXPECT_LE(seconds, 20.0) << "tune " << i;
    }
}

TEST_F(Tunes, NoClippingAndAudibleLevel) {
    for (int i = 0; i < kTuneCount; ++i) {
        const auto& s = pcm[static_cast<std::size_t>(i)];
        int peak = 0;
        double sum = 0;
        for (std::int16_t v : s) {
            peak = std::max(peak, std::abs(static_cast<int>(v)));
            sum += static_cast<double>(v) * v;
        }
        const double rms = std::sqrt(sum / static_cast<double>(s.size())) / 32768.0;
        EXPECT_LT(peak, 32767 * 0.9) << "tune " << i;
        EXPECT_GT(rms, 0.03) << "tune " << i;
        // The fade leaves the last 50 ms nearly silent.
        const auto tail = s.end() - kSampleRate / 20;
        EXPECT_LT(std::abs(static_cast<int>(*std::max_element(tail, s.end(),
                                                              [](auto a, auto b) {
                                                                  return std::abs(static_cast<int>(a)) <
                                                                         std::abs(static_cast<int>(b));
                                                              }))),
                  200)
            << "tune " << i;
    }
}

TEST(TuneComposer, MelodiesStayOnTheirScale) {
    for (int i = 0; i < kTuneCount; ++i) {
        const Tune t = composeTune(i);
        const auto steps = scaleSteps(t.style.scale);
        for (const Note& n : t.melody) {
            const int step = ((n.pitch - t.style.root) % 12 + 12) % 12;
            EXPECT_NE(std::find(steps.begin(), steps.end(), step), steps.end())
                << "tune " << i << " pitch " << n.pitch;
        }
        EXPECT_EQ((t.melody.back().pitch - t.style.root) % 12, 0) << "tune " << i << " ends on the tonic";
    }
}

TEST(TuneComposer, TenDistinctMelodies) {
    std::set<std::vector<int>> seen;
    for (int i = 0; i < kTuneCount; ++i) {
        std::vector<int> line;
        for (const Note& n : composeTune(i).melody) line.push_back(n.pitch);
        EXPECT_TRUE(seen.insert(line).second) << "tune " << i << " repeats an earlier melody";
    }
}

TEST_F(Tunes, Deterministic) {
    for (int i : {0, 5, 9}) EXPECT_EQ(tunePcm(i), pcm[static_cast<std::size_t>(i)]) << "tune " << i;
}

TEST_F(Tunes, WritesTenFiles) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("hoshikura-tunes-test-" + std::to_string(::getpid()));
    writeTunes(dir);
    for (int i = 0; i < kTuneCount; ++i) {
        std::ifstream in(dir / tuneFileName(i), std::ios::binary);
        const std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_EQ(checkHeader(b), pcm[static_cast<std::size_t>(i)].size()) << tuneFileName(i);
        EXPECT_EQ(std::memcmp(b.data() + 44, pcm[static_cast<std::size_t>(i)].data(), b.size() - 44), 0);
    }
    std::filesystem::remove_all(dir);
}

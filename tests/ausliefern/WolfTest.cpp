// "Wolf.wav" as the build synthesises it: a sound file every player takes, audible, unclipped,
// and without a click at either end.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::uint32_t Zahl(const std::string& ADaten, std::size_t AStelle, int ABytes) {
    std::uint32_t Wert = 0;
    for (int i = ABytes - 1; i >= 0; --i) {
        Wert = Wert << 8 | static_cast<unsigned char>(ADaten[AStelle + i]);
    }
    return Wert;
}

TEST(Wolf, IsMonoPcmOfAFewAudibleSeconds) {
    std::ifstream Datei(ORVANTO_WOLF, std::ios::binary);
    const std::string d((std::istreambuf_iterator<char>(Datei)), std::istreambuf_iterator<char>());
    ASSERT_GT(d.size(), 44u);
    EXPECT_EQ(d.substr(0, 4), "RIFF");
    EXPECT_EQ(Zahl(d, 4, 4), d.size() - 8);
    EXPECT_EQ(d.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Zahl(d, 16, 4), 16u); // plain PCM format chunk
    EXPECT_EQ(Zahl(d, 20, 2), 1u);  // PCM
    EXPECT_EQ(Zahl(d, 22, 2), 1u);  // mono
    const std::uint32_t Rate = Zahl(d, 24, 4);
    EXPECT_EQ(Zahl(d, 28, 4), Rate * 2);
    EXPECT_EQ(Zahl(d, 32, 2), 2u);
    EXPECT_EQ(Zahl(d, 34, 2), 16u);
    EXPECT_EQ(d.substr(36, 4), "data");
    const std::uint32_t Bytes = Zahl(d, 40, 4);
    ASSERT_EQ(Bytes, d.size() - 44);

    const std::size_t n = Bytes / 2;
    const double Sekunden = static_cast<double>(n) / Rate;
    EXPECT_GE(Sekunden, 1.0);
    EXPECT_LE(Sekunden, 5.0);
    const auto Probe = [&](std::size_t i) { return static_cast<std::int16_t>(Zahl(d, 44 + 2 * i, 2)); };
    int Spitze = 0;
    for (std::size_t i = 0; i < n; ++i) {
        Spitze = std::max(Spitze, std::abs(static_cast<int>(Probe(i))));
    }
    EXPECT_GT(Spitze, 32767 / 2);
    EXPECT_LT(Spitze, 32767);
    // Fading in and out: the first and last hundredth of a second stay near silence.
    for (std::size_t i = 0; i < Rate / 100; ++i) {
        EXPECT_LT(std::abs(static_cast<int>(Probe(i))), 330) << i;
        EXPECT_LT(std::abs(static_cast<int>(Probe(n - 1 - i))), 330) << n - 1 - i;
    }
}

} // namespace

#include "wavwriter.h"

#include <fstream>
#include <stdexcept>

namespace hoshi::assets {

namespace {

void putU32(std::ostream& out, std::uint32_t v) {
    const char b[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                       static_cast<char>((v >> 16) & 0xFF), static_cast<char>((v >> 24) & 0xFF)};
    out.write(b, 4);
}

void putU16(std::ostream& out, std::uint16_t v) {
    const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
    out.write(b, 2);
}

} // namespace

void writeWav(std::ostream& out, std::span<const std::int16_t> samples, int sampleRate) {
    constexpr std::uint16_t channels = 1;
    constexpr std::uint16_t bits = 16;
    constexpr std::uint16_t blockAlign = channels * bits / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * blockAlign);

    out.write("RIFF", 4);
    putU32(out, 36 + dataBytes);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    putU32(out, 16);
    putU16(out, 1); // PCM
    putU16(out, channels);
    putU32(out, static_cast<std::uint32_t>(sampleRate));
    putU32(out, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    putU16(out, blockAlign);
    putU16(out, bits);
    out.write("data", 4);
    putU32(out, dataBytes);
    for (std::int16_t s : samples) putU16(out, static_cast<std::uint16_t>(s));
}

void writeWavFile(const std::filesystem::path& file, std::span<const std::int16_t> samples, int sampleRate) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (out) writeWav(out, samples, sampleRate);
    out.close();
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

} // namespace hoshi::assets

#pragma once
// Writes mono 16-bit PCM samples as a RIFF/WAVE file (little-endian, one
// "fmt " chunk of 16 bytes, one "data" chunk).

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <span>

namespace hoshi::assets {

void writeWav(std::ostream& out, std::span<const std::int16_t> samples, int sampleRate);

// Throws std::runtime_error when the file cannot be written.
void writeWavFile(const std::filesystem::path& file, std::span<const std::int16_t> samples, int sampleRate);

} // namespace hoshi::assets

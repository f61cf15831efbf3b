#pragma once
// The ten start-up tunes as files: "BGM0.wav" … "BGM9.wav".

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace hoshi::assets {

std::string tuneFileName(int index);
std::vector<std::int16_t> tunePcm(int index);
// Writes all ten files into `dir` (created when missing). Throws std::runtime_error.
void writeTunes(const std::filesystem::path& dir);

} // namespace hoshi::assets

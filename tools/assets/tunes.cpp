#include "tunes.h"

#include "tunecomposer.h"
#include "tunesynth.h"
#include "wavwriter.h"

namespace hoshi::assets {

std::string tuneFileName(int index) {
    return "BGM" + std::to_string(index) + ".wav";
}

std::vector<std::int16_t> tunePcm(int index) {
    return toPcm16(renderTune(composeTune(index)));
}

void writeTunes(const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir);
    for (int i = 0; i < kTuneCount; ++i) writeWavFile(dir / tuneFileName(i), tunePcm(i), kSampleRate);
}

} // namespace hoshi::assets

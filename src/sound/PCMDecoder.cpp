#include "sound/PCMDecoder.h"

namespace Dix {

void PCMDecoder::Clear() {
    loop = false;
    ready = false;
    channels = 0;
    samplesPerSec = 0;
    bitsPerSample = 0;
}

bool PCMDecoder::GetWaveFormat(platform::WAVEFORMATEX& format) const {
    if (!ready) {
        return false;
    }
    format.wFormatTag = platform::WAVE_FORMAT_PCM;
    format.nChannels = static_cast<std::uint16_t>(channels);
    format.nSamplesPerSec = static_cast<std::uint32_t>(samplesPerSec);
    format.wBitsPerSample = static_cast<std::uint16_t>(bitsPerSample);
    format.nBlockAlign = static_cast<std::uint16_t>(bitsPerSample * channels / 8);
    format.nAvgBytesPerSec = format.nBlockAlign * format.nSamplesPerSec;
    format.cbSize = 0;
    return true;
}

}  // namespace Dix

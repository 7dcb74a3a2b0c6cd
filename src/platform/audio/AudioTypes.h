#pragma once

#include <cmath>
#include <cstdint>

#include "platform/system/Types.h"

// Records, flags and result codes of the audio output. They keep the names of the interface the sound
// library was written against, so that its steps read the same.
namespace platform {

constexpr std::uint16_t WAVE_FORMAT_PCM = 1;

struct WAVEFORMATEX {
    std::uint16_t wFormatTag = 0;
    std::uint16_t nChannels = 0;
    std::uint32_t nSamplesPerSec = 0;
    std::uint32_t nAvgBytesPerSec = 0;
    std::uint16_t nBlockAlign = 0;
    std::uint16_t wBitsPerSample = 0;
    std::uint16_t cbSize = 0;
};

struct GUID {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::uint8_t data4[8] = {};
};

struct DSBUFFERDESC {
    std::uint32_t dwSize = 0;
    std::uint32_t dwFlags = 0;
    std::uint32_t dwBufferBytes = 0;
    std::uint32_t dwReserved = 0;
    WAVEFORMATEX* lpwfxFormat = nullptr;
    GUID guid3DAlgorithm;
};

// Capability flags of a buffer description. The output always offers volume and position. Position
// notification marks a streamed ring, refilled half by half while it plays, whose underruns the mixer
// counts; the others are accepted and have no further effect.
constexpr std::uint32_t DSBCAPS_CTRLFREQUENCY = 0x00000020;
constexpr std::uint32_t DSBCAPS_CTRLPAN = 0x00000040;
constexpr std::uint32_t DSBCAPS_CTRLVOLUME = 0x00000080;
constexpr std::uint32_t DSBCAPS_CTRLPOSITIONNOTIFY = 0x00000100;
constexpr std::uint32_t DSBCAPS_GLOBALFOCUS = 0x00008000;

constexpr std::uint32_t DSBPLAY_LOOPING = 0x00000001;

constexpr std::uint32_t DSBLOCK_FROMWRITECURSOR = 0x00000001;
constexpr std::uint32_t DSBLOCK_ENTIREBUFFER = 0x00000002;

// Volume in hundredths of a decibel: 0 is the sound's own level, −10000 is silence.
constexpr std::int32_t DSBVOLUME_MIN = -10000;
constexpr std::int32_t DSBVOLUME_MAX = 0;

// The linear gain of a volume in hundredths of a decibel: 10^(volume / 2000), and nothing at DSBVOLUME_MIN or
// below.
inline float GainOfVolume(std::int32_t volume) {
    return volume <= DSBVOLUME_MIN ? 0.0f
                                   : static_cast<float>(std::pow(10.0, static_cast<double>(volume) / 2000.0));
}

constexpr std::uint32_t DSSCL_NORMAL = 1;
constexpr std::uint32_t DSSCL_PRIORITY = 2;

constexpr HRESULT DS_OK = S_OK;
constexpr HRESULT DSERR_INVALIDPARAM = E_INVALIDARG;
constexpr HRESULT DSERR_OUTOFMEMORY = E_OUTOFMEMORY;
constexpr HRESULT DSERR_INVALIDCALL = static_cast<HRESULT>(0x88780032u);
constexpr HRESULT DSERR_BADFORMAT = static_cast<HRESULT>(0x88780064u);
constexpr HRESULT DSERR_NODRIVER = static_cast<HRESULT>(0x88780078u);

}  // namespace platform

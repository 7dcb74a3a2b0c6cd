#include "sound/SoundBank.h"

#include "base/ErrorReport.h"
#include "platform/system/Statistics.h"
#include "sound/OggDecoder.h"
#include "sound/OggVorbisMemory.h"

namespace Dix {

namespace {

// Whether any sound can be decoded at all. A file whose headers are whole but whose audio is cut off or
// damaged opens like a good one and then plays nothing but silence; it is as unreadable as a missing one.
bool YieldsSound(PCMDecoder& decoder) {
    const sp<PCMDecoder> trial = decoder.Clone();
    char probe[4096];
    int written = 0;
    return trial != nullptr && trial->Read(probe, sizeof(probe), &written, nullptr) && written > 0;
}

}  // namespace

SoundBank::SoundBank() {
    loaded.fill(false);
    volume.fill(kDefaultVolume);
}

SoundBank::~SoundBank() = default;

void SoundBank::Load(const char* fileName, int slot) {
    const platform::LoadTimer timer(platform::LoadTimer::Kind::Sound);
    StreamPlayer& player = players[slot];
    if (loaded[slot]) {
        player.Close();
        loaded[slot] = false;
    }
    // A device object per load; the output behind them is one and the same. The output is not tied to a
    // window, so no window is named.
    platform::AudioDevice* created = nullptr;
    if (platform::Succeeded(platform::AudioDevice::Create(&created))) {
        created->SetCooperativeLevel(0, platform::DSSCL_PRIORITY);
    }
    device = Com_ptr<platform::AudioDevice>(created);

    auto memory = std::make_shared<OggVorbisMemory>(fileName);
    auto decoder = std::make_shared<OggDecoder>(memory);
    player.SetDevice(device);
    if (decoder->IsReady() && YieldsSound(*decoder)) {
        player.Open(decoder->Clone());
        loaded[slot] = true;
    } else {
        // The application's box: its window owns it and its title is the caption.
        Corvane::ReportError(
            "【%s】が読み込めませんでした。\nファイル名やディレクトリが間違っていないか確認してください。",
            fileName != nullptr ? fileName : "");
    }
}

void SoundBank::SetVolume(int slot, int newVolume) {
    volume[slot] = newVolume;
    players[slot].SetVolume(newVolume);
}

bool SoundBank::Play(bool loop, int slot) {
    StreamPlayer& player = players[slot];
    player.Stop();
    player.SetVolume(volume[slot]);
    return player.Play(loop);
}

int SoundBank::GetState(int slot) const {
    return players[slot].GetState();
}

void SoundBank::StreamAll() {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (loaded[slot]) {
            players[slot].StreamRound();
        }
    }
}

void SoundBank::StopAll() {
    for (StreamPlayer& player : players) {
        player.Stop();
    }
}

void SoundBank::ReleaseAll() {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        players[slot].Close();
        volume[slot] = kDefaultVolume;
    }
}

}  // namespace Dix

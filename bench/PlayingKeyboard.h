#pragma once

#include <cstdint>

#include "platform/input/InputSources.h"

namespace bench {

// A keyboard that plays one game by itself, deciding its keys from the scene it finds at each read: on the
// title it starts a game on hard, and in play it holds the keys of the scripted player the replay tests use.
// It plays no better than a beginner, but it keeps the field, the arrows and the cues as busy as a real
// round does.
class PlayingKeyboard final : public platform::KeyboardSource {
public:
    PlayingKeyboard() { platform::SetKeyboardSource(this); }
    ~PlayingKeyboard() override { platform::SetKeyboardSource(nullptr); }

    PlayingKeyboard(const PlayingKeyboard&) = delete;
    PlayingKeyboard& operator=(const PlayingKeyboard&) = delete;

    bool Open() override { return true; }

protected:
    bool ReadHeld(std::uint8_t (&keys)[256]) override;

private:
    void ChooseOnTitle(std::uint8_t (&keys)[256]);
    void ChooseInPlay(std::uint8_t (&keys)[256]);

    int titleReads = 0;
    int playReads = 0;
};

}  // namespace bench

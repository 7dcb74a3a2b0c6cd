#pragma once

#include <string>

#include "game/controls/BoundKeys.h"
#include "game/controls/KeyLabels.h"
#include "game/notes/NoticeArt.h"

namespace Yorun {

class CVolumeControl;

// Every action with its two keys and its pad control, on the options screen. Enter on a key or the pad
// column waits for the new key or button (Backspace gives up waiting; Escape still quits); a key another
// action had is swapped with it, and the list says so. Delete gives the action its keys as the game comes;
// the last rows reset every action and go back.
class CControlsList {
public:
    static constexpr int kResetAllRow = kActionCount;
    static constexpr int kBackRow = kActionCount + 1;

    void Open();
    // False when the player leaves the list.
    bool Update(CVolumeControl& settings, CBoundKeys& keys);
    void Draw(CNoticeArt& art, CKeyLabels& labels);

    bool IsWaiting() const { return waiting; }
    const std::string& Message() const { return message; }

private:
    // Updates a message stays up: three seconds.
    static constexpr int kMessageUpdates = 183;

    void Bind(CVolumeControl& settings, CBoundKeys& keys, std::uint8_t place, PadControl control);
    void Keep(CVolumeControl& settings, CBoundKeys& keys, const Bindings& bindings);
    void Say(std::string text);

    int row = 0;
    int column = 0;  // 0 and 1: the keys, 2: the pad
    bool waiting = false;
    std::string message;
    int messageUpdates = 0;
};

}  // namespace Yorun

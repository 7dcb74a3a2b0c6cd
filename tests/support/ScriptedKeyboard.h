#pragma once

#include <cstdint>
#include <cstring>

#include "platform/input/InputSources.h"

namespace testing_support {

// A keyboard that holds the keys a test names, installed for the lifetime of the object.
class ScriptedKeyboard final : public platform::KeyboardSource {
public:
    ScriptedKeyboard() { platform::SetKeyboardSource(this); }
    ~ScriptedKeyboard() override { platform::SetKeyboardSource(nullptr); }

    bool Open() override { return true; }

    void Press(int key) { held[key & 0xFF] = 0x80; }
    void Release(int key) { held[key & 0xFF] = 0; }
    void ReleaseAll() { std::memset(held, 0, sizeof(held)); }

    std::uint8_t held[256] = {};
    bool failReads = false;

protected:
    bool ReadHeld(std::uint8_t (&keys)[256]) override {
        if (failReads) {
            return false;
        }
        std::memcpy(keys, held, sizeof(held));
        return true;
    }
};

}  // namespace testing_support

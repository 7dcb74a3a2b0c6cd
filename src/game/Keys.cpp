#include "game/Keys.h"

#include "input/Input.h"

namespace Yorun {

bool KeyTriggered(int key) {
    return Corvane::g_pInput != nullptr && Corvane::g_pInput->IsKeyTriggered(key);
}

bool KeyNewlyPressed(int key) {
    return KeyTriggered(key) && (Corvane::g_pInput->prevKeys[key] & 0x80) == 0;
}

}  // namespace Yorun

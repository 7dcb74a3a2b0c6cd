#include "game/Keys.h"

#include "input/Input.h"
#include "platform/input/TouchControls.h"

namespace Yorun {

bool KeyTriggered(int key) {
    return Corvane::g_pInput != nullptr && Corvane::g_pInput->IsKeyTriggered(key);
}

bool KeyNewlyPressed(int key) {
    return KeyTriggered(key) && (Corvane::g_pInput->prevKeys[key] & 0x80) == 0;
}

bool PointerAt(int& x, int& y) {
    if (Corvane::g_pInput == nullptr || Corvane::g_pInput->mouse.pointerX < 0) {
        return false;
    }
    x = Corvane::g_pInput->mouse.pointerX;
    y = Corvane::g_pInput->mouse.pointerY;
    return true;
}

bool PointerMoved() {
    return Corvane::g_pInput != nullptr &&
           (Corvane::g_pInput->mouse.pointerX != Corvane::g_pInput->prevMouse.pointerX ||
            Corvane::g_pInput->mouse.pointerY != Corvane::g_pInput->prevMouse.pointerY);
}

bool PointerClicked() {
    return Corvane::g_pInput != nullptr && Corvane::g_pInput->mouseTriggered.buttons[0] != 0 &&
           (Corvane::g_pInput->prevMouse.buttons[0] & 0x80) == 0;
}

bool ByTouch() {
    return platform::GetTouchControls().Shown();
}

}  // namespace Yorun

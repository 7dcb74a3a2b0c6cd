#pragma once

#include <cstdint>

namespace platform {

// A window message as the window procedure sees it. SDL events are translated into these, one per turn.
struct Message {
    std::uint32_t id = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    // Text carried by the input-method messages (UTF-8, terminated).
    char text[32] = {};
};

constexpr std::uint32_t WM_NULL = 0x0000;
constexpr std::uint32_t WM_DESTROY = 0x0002;
constexpr std::uint32_t WM_ACTIVATE = 0x0006;
constexpr std::uint32_t WM_PAINT = 0x000F;
constexpr std::uint32_t WM_QUIT = 0x0012;
constexpr std::uint32_t WM_KEYDOWN = 0x0100;
constexpr std::uint32_t WM_SYSKEYDOWN = 0x0104;
constexpr std::uint32_t WM_CHAR = 0x0102;
constexpr std::uint32_t WM_IME_STARTCOMPOSITION = 0x010D;
constexpr std::uint32_t WM_IME_ENDCOMPOSITION = 0x010E;
constexpr std::uint32_t WM_IME_COMPOSITION = 0x010F;
constexpr std::uint32_t WM_COMMAND = 0x0111;
// The mouse's left button went down.
constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;
// The mouse wheel turned: lParam is the distance, 120 a notch, away from the user positive.
constexpr std::uint32_t WM_MOUSEWHEEL = 0x020A;
// Messages of the program's own begin at WM_APP.
constexpr std::uint32_t WM_APP = 0x8000;
// A game pad's button went down: wParam is the button (PadState::Button), lParam the pad's id
// (PadState::id).
constexpr std::uint32_t WM_PADBUTTONDOWN = WM_APP + 1;

// WM_KEYDOWN and WM_SYSKEYDOWN (a key pressed with Alt held): wParam is the key's DirectInput key code, and
// this bit of lParam says the key was already down (an auto-repeat).
constexpr std::intptr_t kKeyWasDown = std::intptr_t{1} << 30;

// WM_ACTIVATE's low word of wParam.
constexpr std::uintptr_t WA_INACTIVE = 0;
constexpr std::uintptr_t WA_ACTIVE = 1;

// WM_IME_COMPOSITION's lParam bits.
constexpr std::intptr_t GCS_COMPSTR = 0x0008;
constexpr std::intptr_t GCS_COMPATTR = 0x0010;
constexpr std::intptr_t GCS_RESULTSTR = 0x0800;

}  // namespace platform

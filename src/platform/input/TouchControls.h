#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace platform {

// The controls the browser's page draws around the game for a touch screen, by the names the settings
// file gives the actions they take ("red", "aim_left"): which are held now, and which were touched and let
// go between two reads, each of those seen for one read however short the touch. Nothing feeds it on the
// desktop, where none is ever down. Touched by the main thread only.
class TouchControls {
public:
    void Press(std::string_view name);
    void Release(std::string_view name);
    // Every control let go: the page hid its controls.
    void ReleaseAll();

    // Held, or pressed since the last EndRead.
    bool Down(std::string_view name) const;
    // A read of the controls is over: the presses noted before it are forgotten.
    void EndRead();

    // Whether the page shows its controls: the player is using the touch screen, and the screens say
    // what to touch rather than which key to press.
    void SetShown(bool on) { shown = on; }
    bool Shown() const { return shown; }
    // The hand the player aims with, as the settings have it: the page lays its controls out for it.
    void SetLeftHanded(bool on) { leftHanded = on; }
    bool LeftHanded() const { return leftHanded; }

private:
    // More controls than the page has, with room to spare; one with a longer name is not one of them.
    static constexpr std::size_t kCapacity = 32;
    static constexpr std::size_t kLongestName = 23;

    struct Control {
        std::array<char, kLongestName + 1> name{};
        std::size_t length = 0;
        bool held = false;
        bool pressed = false;
    };

    // Where the control of that name is, count when there is none.
    std::size_t IndexOf(std::string_view name) const;

    std::array<Control, kCapacity> controls{};
    std::size_t count = 0;
    bool shown = false;
    bool leftHanded = false;
};

TouchControls& GetTouchControls();

}  // namespace platform

#include "platform/input/TouchControls.h"

#include <algorithm>

namespace platform {

std::size_t TouchControls::IndexOf(std::string_view name) const {
    for (std::size_t index = 0; index < count; ++index) {
        const Control& control = controls[index];
        if (std::string_view(control.name.data(), control.length) == name) {
            return index;
        }
    }
    return count;
}

void TouchControls::Press(std::string_view name) {
    const std::size_t index = IndexOf(name);
    if (index == count) {
        if (name.empty() || name.size() > kLongestName || count == kCapacity) {
            return;
        }
        std::copy(name.begin(), name.end(), controls[index].name.begin());
        controls[index].length = name.size();
        ++count;
    }
    controls[index].held = true;
    controls[index].pressed = true;
}

void TouchControls::Release(std::string_view name) {
    const std::size_t index = IndexOf(name);
    if (index != count) {
        controls[index].held = false;
    }
}

void TouchControls::ReleaseAll() {
    for (std::size_t index = 0; index < count; ++index) {
        controls[index].held = false;
    }
}

bool TouchControls::Down(std::string_view name) const {
    const std::size_t index = IndexOf(name);
    return index != count && (controls[index].held || controls[index].pressed);
}

void TouchControls::EndRead() {
    for (std::size_t index = 0; index < count; ++index) {
        controls[index].pressed = false;
    }
}

TouchControls& GetTouchControls() {
    static TouchControls touchControls;
    return touchControls;
}

}  // namespace platform

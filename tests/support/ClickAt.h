#pragma once

#include "support/GameDriver.h"
#include "support/PointingMouse.h"

namespace testing_support {

// Clicks (or taps) at a place of the picture: the pointer comes there for a frame, its button is down for
// the next, and is let go in the one after.
inline void ClickAt(GameDriver& driver, PointingMouse& mouse, int x, int y) {
    mouse.x = x;
    mouse.y = y;
    driver.Frame();
    mouse.down = true;
    driver.Frame();
    mouse.down = false;
    driver.Frame();
}

}  // namespace testing_support

#pragma once

#include <functional>

namespace testing_support {

// Forks a copy of the test that runs work(0), work(1), … for ever, and kills it (SIGKILL) the given number
// of microseconds after its first run has finished, however slow the machine, so that the kill falls at a
// random moment of the runs that follow. Returns once the copy is gone; false when it never finished a run.
bool KillWhileRepeating(const std::function<void(int run)>& work, unsigned pauseMicroseconds);

}  // namespace testing_support

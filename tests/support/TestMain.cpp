// The tests' entry point: headless SDL drivers for every test program, whoever starts it (ctest, a
// debugger or a developer's shell), and the sanitizers' settings.
#include <gtest/gtest.h>

#include <cstdlib>

extern "C" const char* __asan_default_options() {
    return "halt_on_error=1:detect_leaks=1:abort_on_error=0";
}
extern "C" const char* __ubsan_default_options() {
    return "halt_on_error=1:print_stacktrace=1";
}
extern "C" const char* __tsan_default_options() {
    return "halt_on_error=1:second_deadlock_stack=1";
}

int main(int argumentCount, char** arguments) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::testing::InitGoogleTest(&argumentCount, arguments);
    return RUN_ALL_TESTS();
}

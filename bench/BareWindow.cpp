// The least a program can do before its first frame: start SDL's video, open an 800 × 600 window with an
// accelerated renderer and present one cleared frame. Prints the time from launch (YORUN_LAUNCHED_AT_NS, the
// wall clock in nanoseconds taken just before the program was started) to that first present, so that
// bench/frame_pacing can put the game's own start-up beside it, measured on the same machine in the same
// run.
#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main() {
    const auto entered = std::chrono::system_clock::now();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "no video: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* window = SDL_CreateWindow("Bare", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600,
                                          SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    SDL_Renderer* renderer =
        window != nullptr ? SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED) : nullptr;
    if (renderer == nullptr) {
        std::fprintf(stderr, "no renderer: %s\n", SDL_GetError());
        return 1;
    }
    SDL_SetRenderDrawColor(renderer, 100, 100, 100, 255);
    SDL_RenderClear(renderer);
    SDL_RenderPresent(renderer);
    const auto presented = std::chrono::system_clock::now();
    const char* launched = std::getenv("YORUN_LAUNCHED_AT_NS");
    const auto from = launched != nullptr
                          ? std::chrono::system_clock::time_point(
                                std::chrono::duration_cast<std::chrono::system_clock::duration>(
                                    std::chrono::nanoseconds(std::strtoll(launched, nullptr, 10))))
                          : entered;
    std::printf("bare window: first frame %.1f ms %s\n",
                std::chrono::duration<double, std::milli>(presented - from).count(),
                launched != nullptr ? "from launch" : "from main");
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}

#pragma once

#include <SDL.h>

#include <vector>

namespace bench {

// One textured draw as it reached SDL: the texture, its blend mode at the time, and the triangles.
struct RecordedGeometry {
    SDL_Texture* texture = nullptr;
    SDL_BlendMode blendMode = SDL_BLENDMODE_NONE;
    std::vector<SDL_Vertex> vertices;
    std::vector<int> indices;
};

// Records the textured geometry the framework hands to SDL while recording is on, so that a baseline can
// draw exactly the same quads with the same blend modes straight through SDL, with no framework between.
// It sits in front of SDL_RenderGeometry for the whole program: the benchmark defines that function, and
// its definition passes every call on to SDL's own.
class GeometryRecorder {
public:
    static void Start();
    static std::vector<RecordedGeometry> Stop();

    // Draws the recorded geometry as a plain SDL program would: set each texture's blend mode, draw.
    static void Replay(SDL_Renderer* renderer, const std::vector<RecordedGeometry>& draws);
};

}  // namespace bench

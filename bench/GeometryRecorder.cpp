#include "GeometryRecorder.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace bench {

namespace {

using RenderGeometryFunction = int (*)(SDL_Renderer*, SDL_Texture*, const SDL_Vertex*, int, const int*, int);

bool recording = false;
std::vector<RecordedGeometry> recorded;

RenderGeometryFunction SdlRenderGeometry() {
    static const auto function =
        reinterpret_cast<RenderGeometryFunction>(dlsym(RTLD_NEXT, "SDL_RenderGeometry"));
    if (function == nullptr) {
        std::fprintf(stderr, "SDL_RenderGeometry not found in SDL: %s\n", dlerror());
        std::abort();
    }
    return function;
}

}  // namespace

void GeometryRecorder::Start() {
    recorded.clear();
    recording = true;
}

std::vector<RecordedGeometry> GeometryRecorder::Stop() {
    recording = false;
    return std::move(recorded);
}

void GeometryRecorder::Replay(SDL_Renderer* renderer, const std::vector<RecordedGeometry>& draws) {
    const RenderGeometryFunction render = SdlRenderGeometry();
    for (const RecordedGeometry& draw : draws) {
        SDL_SetTextureBlendMode(draw.texture, draw.blendMode);
        render(renderer, draw.texture, draw.vertices.data(), static_cast<int>(draw.vertices.size()),
               draw.indices.data(), static_cast<int>(draw.indices.size()));
    }
}

}  // namespace bench

// Every textured draw of the framework comes through here on its way to SDL (under SDL's own parameter
// names).
extern "C" int SDL_RenderGeometry(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Vertex* vertices,
                                  int num_vertices, const int* indices, int num_indices) {
    if (bench::recording && vertices != nullptr && num_vertices > 0) {
        bench::RecordedGeometry draw;
        draw.texture = texture;
        if (texture != nullptr) {
            SDL_GetTextureBlendMode(texture, &draw.blendMode);
        }
        draw.vertices.assign(vertices, vertices + num_vertices);
        if (indices != nullptr) {
            draw.indices.assign(indices, indices + num_indices);
        }
        bench::recorded.push_back(std::move(draw));
    }
    return bench::SdlRenderGeometry()(renderer, texture, vertices, num_vertices, indices, num_indices);
}

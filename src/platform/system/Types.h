#pragma once

#include <cstdint>

// Result codes and small records shared by the platform layer and the code above it. The names follow the
// conventions the framework was written against so that the steps above read the same.
namespace platform {

using HRESULT = std::int32_t;

constexpr HRESULT S_OK = 0;
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);

constexpr bool Succeeded(HRESULT result) {
    return result >= 0;
}
constexpr bool Failed(HRESULT result) {
    return result < 0;
}

// A window by the platform's id for it; 0 is no window.
using WindowId = std::uint32_t;

// An integer rectangle in pixels: left and top inside, right and bottom one past the edge.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

}  // namespace platform

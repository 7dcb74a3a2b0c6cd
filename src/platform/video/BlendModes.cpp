#include "platform/video/BlendModes.h"

#include <SDL.h>

#include "platform/system/ErrorOutput.h"
#include "platform/video/Device.h"

namespace platform {

namespace {

SDL_BlendFactor FactorOf(D3DBLEND blend) {
    switch (blend) {
        case D3DBLEND_ZERO:
            return SDL_BLENDFACTOR_ZERO;
        case D3DBLEND_ONE:
            return SDL_BLENDFACTOR_ONE;
        case D3DBLEND_SRCCOLOR:
            return SDL_BLENDFACTOR_SRC_COLOR;
        case D3DBLEND_INVSRCCOLOR:
            return SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR;
        case D3DBLEND_SRCALPHA:
            return SDL_BLENDFACTOR_SRC_ALPHA;
        case D3DBLEND_INVSRCALPHA:
            return SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA;
        case D3DBLEND_DESTALPHA:
            return SDL_BLENDFACTOR_DST_ALPHA;
        case D3DBLEND_INVDESTALPHA:
            return SDL_BLENDFACTOR_ONE_MINUS_DST_ALPHA;
        case D3DBLEND_DESTCOLOR:
            return SDL_BLENDFACTOR_DST_COLOR;
        case D3DBLEND_INVDESTCOLOR:
            return SDL_BLENDFACTOR_ONE_MINUS_DST_COLOR;
        default:
            return SDL_BLENDFACTOR_ONE;
    }
}

// The standard mode closest in effect to a factor pair the renderer cannot do.
SDL_BlendMode NearestStandardMode(D3DBLEND source, D3DBLEND destination) {
    if (destination == D3DBLEND_ONE) {
        return SDL_BLENDMODE_ADD;
    }
    if (source == D3DBLEND_DESTCOLOR || source == D3DBLEND_INVDESTCOLOR) {
        return SDL_BLENDMODE_MOD;
    }
    return SDL_BLENDMODE_BLEND;
}

bool refusalReported = false;

}  // namespace

std::uint32_t ApplyBlendStates(const Device& device, SDL_Texture* texture, std::uint32_t colour) {
    if (device.GetRenderState(D3DRS_ALPHABLENDENABLE) == 0) {
        SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
        return colour | 0xFF000000u;
    }
    const D3DBLEND source = device.GetRenderState(D3DRS_SRCBLEND);
    const D3DBLEND destination = device.GetRenderState(D3DRS_DESTBLEND);
    SDL_BlendMode mode;
    if (source == D3DBLEND_SRCALPHA && destination == D3DBLEND_INVSRCALPHA) {
        mode = SDL_BLENDMODE_BLEND;
    } else if (source == D3DBLEND_SRCALPHA && destination == D3DBLEND_ONE) {
        mode = SDL_BLENDMODE_ADD;
    } else if (source == D3DBLEND_ONE && destination == D3DBLEND_ZERO) {
        mode = SDL_BLENDMODE_NONE;
    } else {
        // The destination's alpha is kept as it is: only the colour channels blend.
        mode = SDL_ComposeCustomBlendMode(FactorOf(source), FactorOf(destination), SDL_BLENDOPERATION_ADD,
                                          SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE, SDL_BLENDOPERATION_ADD);
    }
    // A renderer that refuses a mode leaves the texture in its previous one, so the result must be checked.
    if (SDL_SetTextureBlendMode(texture, mode) != 0) {
        const SDL_BlendMode nearest = NearestStandardMode(source, destination);
        if (!refusalReported) {
            refusalReported = true;
            PrintError(
                "the %s renderer cannot blend with factors %u and %u; drawing with the nearest standard "
                "blend mode instead",
                device.GetRendererName(), source, destination);
        }
        SDL_SetTextureBlendMode(texture, nearest);
    }
    return colour;
}

}  // namespace platform

#include "game/notes/NoticeArt.h"

#include <algorithm>

#include "app/Graphics.h"
#include "game/Screen.h"
#include "sprite/SpriteTypes.h"

namespace Yorun {

bool CNoticeArt::Load() {
    const bool fonts = text.Load("TextSmall.bmp", 14, 24, kSmallAdvance) &&
                       gold.Load("TextSmallGold.bmp", 14, 24, kSmallAdvance) &&
                       headline.Load("TextLarge.bmp", 28, 48, kLargeAdvance);
    EnterDataDirectory("mato_bmp");
    veilLoaded = veil.Load(Corvane::g_pDevice, "Black.bmp", 1.0f, 0.0f, 1.0f, 1.0f);
    veil.anchor = Corvane::ANCHOR_TOP_LEFT;
    veil.blend = 1;
    return fonts && veilLoaded;
}

void CNoticeArt::Release() {
    text.Release();
    gold.Release();
    headline.Release();
    if (veilLoaded) {
        veil.Release();
        veilLoaded = false;
    }
}

void CNoticeArt::Veil(float left, float top, float right, float bottom, float opacity) {
    if (!veilLoaded || right <= left || bottom <= top) {
        return;
    }
    veil.x = left;
    veil.y = top;
    veil.alpha = opacity;
    const int width = std::min(static_cast<int>(right - left), veil.imageWidth);
    const int height = std::min(static_cast<int>(bottom - top), veil.imageHeight);
    veil.DrawRect(0, 0, width, height);
}

}  // namespace Yorun

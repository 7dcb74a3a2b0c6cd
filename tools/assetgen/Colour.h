#pragma once

#include <cstdint>

namespace assetgen {

// A straight (not premultiplied) 8-bit colour with coverage in `a`.
struct Colour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;

    constexpr bool SameRgb(const Colour& other) const { return r == other.r && g == other.g && b == other.b; }
    constexpr Colour WithAlpha(std::uint8_t alpha) const { return Colour{r, g, b, alpha}; }
};

// Linear mix of two colours, t = 0 gives `from`, t = 1 gives `to`.
Colour Mix(Colour from, Colour to, float t);

// The whole game shares this palette so that menus, field and HUD read as one piece of work.
namespace palette {
inline constexpr Colour kKeyMagenta{255, 0, 255};
inline constexpr Colour kKeyWhite{255, 255, 255};

inline constexpr Colour kInk{28, 22, 40};  // the dark outline round everything
inline constexpr Colour kPaper{250, 246, 236};
inline constexpr Colour kShade{70, 62, 92};

inline constexpr Colour kRed{226, 58, 52};
inline constexpr Colour kYellow{250, 204, 48};
inline constexpr Colour kBlue{52, 118, 230};
inline constexpr Colour kGreen{58, 178, 84};

inline constexpr Colour kGold{255, 196, 40};
inline constexpr Colour kGoldLight{255, 238, 150};
inline constexpr Colour kCrimson{236, 52, 64};
inline constexpr Colour kCrimsonLight{255, 150, 140};

inline constexpr Colour kSkyTop{58, 120, 200};
inline constexpr Colour kSkyLow{170, 214, 240};
inline constexpr Colour kGrassFar{120, 176, 86};
inline constexpr Colour kGrassNear{40, 82, 44};
inline constexpr Colour kWood{156, 104, 58};
inline constexpr Colour kWoodDark{102, 64, 34};
inline constexpr Colour kSteel{200, 206, 214};

inline constexpr Colour kButton{52, 74, 128};
inline constexpr Colour kButtonLit{246, 176, 44};

// Red, yellow, blue, green in the game's colour order.
inline constexpr Colour kArrowColours[4] = {kRed, kYellow, kBlue, kGreen};
}  // namespace palette

}  // namespace assetgen

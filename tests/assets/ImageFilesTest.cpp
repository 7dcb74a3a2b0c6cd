#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "GeneratedFiles.h"

namespace assets_test {
namespace {

struct ImageSpec {
    const char* name;
    int width;
    int height;
};

// Every picture the game loads, at the size its screens and sprite cells need.
const std::vector<ImageSpec> kImages = {
    {"mato_title.bmp", 800, 600},
    {"始める.bmp", 150, 55},
    {"始める2.bmp", 150, 55},
    {"終わる.bmp", 150, 55},
    {"終わる2.bmp", 150, 55},
    {"易しい.bmp", 150, 55},
    {"易しい2.bmp", 150, 55},
    {"普通.bmp", 100, 55},
    {"普通2.bmp", 100, 55},
    {"難しい.bmp", 150, 55},
    {"難しい2.bmp", 150, 55},
    {"selecticon.bmp", 36, 28},
    {"Yorun_back.bmp", 800, 600},
    {"Target00 Corer1.bmp", 96, 96},
    {"Target00 Corer2.bmp", 96, 96},
    {"Target00 Corer3.bmp", 96, 96},
    {"Target00 Corer4.bmp", 96, 96},
    {"shadow01.png", 96, 32},
    {"arrow_red_up.bmp", 256, 256},
    {"arrow_yellow_up.bmp", 256, 256},
    {"arrow_blue_up.bmp", 256, 256},
    {"arrow_green_up.bmp", 256, 256},
    {"Karate_Position.bmp", 100, 100},
    {"yorun_efect.bmp", 1024, 256},
    {"yorun_efect_2.bmp", 1024, 256},
    {"Plus.bmp", 20, 25},
    {"Minus.bmp", 20, 7},
    {"PlusFigure.bmp", 200, 32},
    {"MinusFigure.bmp", 200, 32},
    {"ScoreFigure.bmp", 200, 32},
    {"TimeFigure.bmp", 300, 50},
    {"Score.bmp", 60, 32},
    {"Time.bmp", 80, 36},
    {"combo.bmp", 80, 32},
    {"MaxScore.bmp", 150, 30},
    {"Z.bmp", 48, 48},
    {"X.bmp", 48, 48},
    {"C.bmp", 48, 48},
    {"V.bmp", 48, 48},
    {"Black.bmp", 800, 600},
    {"shot_stock_10_test.bmp", 40, 80},
    {"shot_stock_1_test.bmp", 30, 70},
    {"stock0.bmp", 360, 60},
    {"volume.bmp", 96, 36},
};

const char* const kTargets[4] = {"Target00 Corer1.bmp", "Target00 Corer2.bmp", "Target00 Corer3.bmp",
                                 "Target00 Corer4.bmp"};
const char* const kArrows[4] = {"arrow_red_up.bmp", "arrow_yellow_up.bmp", "arrow_blue_up.bmp",
                                "arrow_green_up.bmp"};

// Which of red, yellow, blue, green (0–3) a saturated colour is.
int ColourFamily(Rgba c) {
    if (c.r > 150 && c.g > 150 && c.b < 120) {
        return 1;
    }
    if (c.r > c.g + 60 && c.r > c.b + 60) {
        return 0;
    }
    if (c.b > c.r + 60 && c.b > c.g + 30) {
        return 2;
    }
    if (c.g > c.r + 60 && c.g > c.b + 30) {
        return 3;
    }
    return -1;
}

TEST(ImageFiles, EveryPictureExistsDecodesAndHasItsSize) {
    for (const ImageSpec& spec : kImages) {
        SCOPED_TRACE(spec.name);
        Surface image = LoadImage(ImagePath(spec.name));
        ASSERT_NE(image, nullptr) << "does not load";
        EXPECT_EQ(image->w, spec.width);
        EXPECT_EQ(image->h, spec.height);
    }
}

// Every picture has a sharp twin for large screens: a whole multiple of its size (at least twice, and at
// least six times for the digits and the caption the score screen shows large), and the same picture: brought
// back down to the game's size, its covered pixels match the picture's own.
TEST(ImageFiles, EveryPictureHasASharpTwinOfAWholeMultipleOfItsSizeShowingTheSamePicture) {
    for (const ImageSpec& spec : kImages) {
        SCOPED_TRACE(spec.name);
        const std::string name = spec.name;
        Surface image = LoadImage(ImagePath(name));
        Surface twin = LoadImage(ImagePath("sharp/" + name.substr(0, name.rfind('.')) + ".png"));
        ASSERT_NE(image, nullptr);
        ASSERT_NE(twin, nullptr) << "no sharp twin";
        const int scale = twin->w / spec.width;
        ASSERT_GE(scale, 2);
        ASSERT_EQ(twin->w, spec.width * scale);
        ASSERT_EQ(twin->h, spec.height * scale);
        if (name.find("Figure") != std::string::npos || name == "MaxScore.bmp") {
            EXPECT_GE(scale, 6);
        }
        const Rgba key = name == "selecticon.bmp" ? Rgba{255, 255, 255, 255} : Rgba{255, 0, 255, 255};
        const bool withAlpha = name.ends_with(".png");
        int compared = 0;
        int alike = 0;
        for (int y = 0; y < spec.height; ++y) {
            for (int x = 0; x < spec.width; ++x) {
                const Rgba own = PixelAt(image.get(), x, y);
                if (!withAlpha && own.r == key.r && own.g == key.g && own.b == key.b) {
                    continue;
                }
                double red = 0.0;
                double green = 0.0;
                double blue = 0.0;
                double cover = 0.0;
                for (int dy = 0; dy < scale; ++dy) {
                    for (int dx = 0; dx < scale; ++dx) {
                        const Rgba fine = PixelAt(twin.get(), x * scale + dx, y * scale + dy);
                        const double a = fine.a / 255.0;
                        red += fine.r * a;
                        green += fine.g * a;
                        blue += fine.b * a;
                        cover += a;
                    }
                }
                if (withAlpha) {
                    // A picture with real transparency: its coverage is what it shows.
                    ++compared;
                    alike += std::abs(cover / (scale * scale) * 255.0 - own.a) <= 24.0 ? 1 : 0;
                    continue;
                }
                if (cover < 0.9 * scale * scale) {
                    continue;  // an edge of the twin: the picture's own keyed edge falls elsewhere
                }
                ++compared;
                const double difference =
                    std::max({std::abs(red / cover - own.r), std::abs(green / cover - own.g),
                              std::abs(blue / cover - own.b)});
                alike += difference <= 24.0 ? 1 : 0;
            }
        }
        ASSERT_GT(compared, 0);
        // Thin strokes of lettering land a fraction of a pixel apart at the two scales; a picture shifted by
        // a whole pixel matches far fewer.
        EXPECT_GT(static_cast<double>(alike) / compared, 0.85) << alike << " of " << compared;
    }
}

TEST(ImageFiles, BitmapsAre24BitAndTheShadowHasRealAlpha) {
    for (const ImageSpec& spec : kImages) {
        const std::string name = spec.name;
        if (name.ends_with(".bmp")) {
            const std::vector<std::uint8_t> bytes = ReadBytes(ImagePath(name));
            ASSERT_GT(bytes.size(), 30U) << name;
            EXPECT_EQ(bytes[0], 'B') << name;
            EXPECT_EQ(bytes[28] | (bytes[29] << 8), 24) << name;
        }
    }
    Surface shadow = LoadImage(ImagePath("shadow01.png"));
    ASSERT_NE(shadow, nullptr);
    EXPECT_EQ(PixelAt(shadow.get(), 0, 0).a, 0);
    EXPECT_EQ(PixelAt(shadow.get(), 95, 31).a, 0);
    EXPECT_GT(PixelAt(shadow.get(), 48, 16).a, 150);
    // Soft: between the middle and the rim the alpha takes many values, not just on and off.
    std::vector<bool> levels(256, false);
    for (int x = 48; x < 96; ++x) {
        levels[PixelAt(shadow.get(), x, 16).a] = true;
    }
    EXPECT_GT(std::count(levels.begin(), levels.end(), true), 20);
}

// Keyed pictures: the transparent area is the exact key, it is one area open to the border (no holes shut
// inside the art), and no edge leaves a near-magenta fringe that would show as a pink halo.
TEST(ImageFiles, KeyedAreasAreExactAndOpenToTheBorder) {
    std::vector<std::string> names(std::begin(kTargets), std::end(kTargets));
    names.insert(names.end(), std::begin(kArrows), std::end(kArrows));
    for (const char* name :
         {"Karate_Position.bmp", "Z.bmp", "X.bmp", "C.bmp", "V.bmp", "Plus.bmp", "Minus.bmp", "始める.bmp",
          "始める2.bmp", "普通.bmp", "普通2.bmp", "shot_stock_1_test.bmp", "stock0.bmp"}) {
        names.emplace_back(name);
    }
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        Surface image = LoadImage(ImagePath(name));
        ASSERT_NE(image, nullptr);
        const KeyRegions regions = CountKeyRegions(image.get(), kMagenta);
        EXPECT_GT(regions.keyed, 0);
        EXPECT_EQ(regions.reachedFromBorder, regions.keyed) << "keyed pixels shut inside the art";
    }
    Surface icon = LoadImage(ImagePath("selecticon.bmp"));
    ASSERT_NE(icon, nullptr);
    const KeyRegions iconRegions = CountKeyRegions(icon.get(), kWhite);
    EXPECT_GT(iconRegions.keyed, 0);
    EXPECT_EQ(iconRegions.reachedFromBorder, iconRegions.keyed) << "white inside the selection icon";
}

TEST(ImageFiles, NoPinkFringeAndNoKeyColourInOpaquePictures) {
    for (const ImageSpec& spec : kImages) {
        const std::string name = spec.name;
        if (name == "selecticon.bmp" || name.ends_with(".png")) {
            continue;
        }
        SCOPED_TRACE(name);
        Surface image = LoadImage(ImagePath(name));
        ASSERT_NE(image, nullptr);
        // Drawn edge to edge, or additively over black: no key colour at all. The violet burst may come
        // close to magenta; it has no keyed edge for a fringe to show on.
        const bool burst = name.starts_with("yorun_efect");
        const bool opaque =
            burst || name == "mato_title.bmp" || name == "Yorun_back.bmp" || name == "Black.bmp";
        int fringe = 0;
        int keyed = 0;
        for (int y = 0; y < image->h; ++y) {
            for (int x = 0; x < image->w; ++x) {
                const Rgba c = PixelAt(image.get(), x, y);
                if (c == kMagenta) {
                    ++keyed;
                } else if (c.r > 170 && c.b > 170 && c.g < 90) {
                    ++fringe;
                }
            }
        }
        if (!burst) {
            EXPECT_EQ(fringe, 0) << "near-magenta pixels";
        }
        if (opaque) {
            EXPECT_EQ(keyed, 0) << "the key colour inside a picture drawn edge to edge";
        }
    }
}

TEST(ImageFiles, TargetsAreDiscsWithTheirColourAtTheScoringCentre) {
    for (int colour = 0; colour < 4; ++colour) {
        SCOPED_TRACE(kTargets[colour]);
        Surface target = LoadImage(ImagePath(kTargets[colour]));
        ASSERT_NE(target, nullptr);
        for (const auto& corner : {std::pair{0, 0}, std::pair{95, 0}, std::pair{0, 95}, std::pair{95, 95},
                                   std::pair{12, 12}, std::pair{83, 83}}) {
            EXPECT_EQ(PixelAt(target.get(), corner.first, corner.second), kMagenta);
        }
        // The disc fills the square: opaque at the middle of each edge.
        EXPECT_NE(PixelAt(target.get(), 48, 3), kMagenta);
        EXPECT_NE(PixelAt(target.get(), 3, 48), kMagenta);
        // The shape mark at the centre is in the target's own colour, inside the middle 20 × 20.
        EXPECT_EQ(ColourFamily(PixelAt(target.get(), 48, 48)), colour);
        int marked = 0;
        for (int y = 38; y < 58; ++y) {
            for (int x = 38; x < 58; ++x) {
                marked += ColourFamily(PixelAt(target.get(), x, y)) == colour ? 1 : 0;
            }
        }
        EXPECT_GT(marked, 80);
    }
}

TEST(ImageFiles, ArrowTipLiesWhereTheHitBoxFallsAndFletchingIsAtTheLowerRight) {
    for (int colour = 0; colour < 4; ++colour) {
        SCOPED_TRACE(kArrows[colour]);
        Surface arrow = LoadImage(ImagePath(kArrows[colour]));
        ASSERT_NE(arrow, nullptr);
        // The tip is the art pixel furthest up and to the left.
        int tipX = -1;
        int tipY = -1;
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) {
                if (PixelAt(arrow.get(), x, y) != kMagenta && (tipX < 0 || x + y < tipX + tipY)) {
                    tipX = x;
                    tipY = y;
                }
            }
        }
        EXPECT_GE(tipX, 11);
        EXPECT_LE(tipX, 54);
        EXPECT_GE(tipY, 65);
        EXPECT_LE(tipY, 102);
        int fletching = 0;
        for (int y = 160; y < 256; ++y) {
            for (int x = 160; x < 256; ++x) {
                fletching += ColourFamily(PixelAt(arrow.get(), x, y)) == colour ? 1 : 0;
            }
        }
        EXPECT_GT(fletching, 400);
    }
}

TEST(ImageFiles, ReticleMarksTheThreeDepthsOnTheFlightLine) {
    Surface reticle = LoadImage(ImagePath("Karate_Position.bmp"));
    ASSERT_NE(reticle, nullptr);
    EXPECT_NE(PixelAt(reticle.get(), 66, 76), kMagenta);
    EXPECT_NE(PixelAt(reticle.get(), 42, 42), kMagenta);
    EXPECT_NE(PixelAt(reticle.get(), 5, 5), kMagenta);
    // Off the line the reticle is see-through.
    EXPECT_EQ(PixelAt(reticle.get(), 80, 20), kMagenta);
    EXPECT_EQ(PixelAt(reticle.get(), 20, 80), kMagenta);
}

// Whether the strip's pixel is art, outside the picture counting as key.
bool IsArt(const SDL_Surface* image, int x, int y) {
    return x >= 0 && y >= 0 && x < image->w && y < image->h && PixelAt(image, x, y) != kMagenta;
}

TEST(ImageFiles, DigitStripsHoldTenCleanDifferentGlyphsEachInsideItsCell) {
    const struct {
        const char* name;
        int cell;
    } strips[4] = {
        {"PlusFigure.bmp", 20}, {"MinusFigure.bmp", 20}, {"ScoreFigure.bmp", 20}, {"TimeFigure.bmp", 30}};
    for (const auto& strip : strips) {
        SCOPED_TRACE(strip.name);
        Surface image = LoadImage(ImagePath(strip.name));
        ASSERT_NE(image, nullptr);
        std::vector<std::vector<bool>> glyphs(10);
        for (int d = 0; d < 10; ++d) {
            int ink = 0;
            for (int y = 0; y < image->h; ++y) {
                for (int x = 0; x < strip.cell; ++x) {
                    const bool art = PixelAt(image.get(), d * strip.cell + x, y) != kMagenta;
                    glyphs[d].push_back(art);
                    ink += art ? 1 : 0;
                    // The cell's outer columns stay clear so filtering never bleeds a neighbour in.
                    if (x == 0 || x == strip.cell - 1) {
                        EXPECT_FALSE(art) << "digit " << d << " touches its cell edge at y " << y;
                    }
                }
            }
            EXPECT_GT(ink, strip.cell * image->h / 8) << "digit " << d;
        }
        // A clean outline has no specks: no art pixel sticks out of it with fewer than two art neighbours.
        for (int y = 0; y < image->h; ++y) {
            for (int x = 0; x < image->w; ++x) {
                const int neighbours = IsArt(image.get(), x - 1, y) + IsArt(image.get(), x + 1, y) +
                                       IsArt(image.get(), x, y - 1) + IsArt(image.get(), x, y + 1);
                EXPECT_FALSE(IsArt(image.get(), x, y) && neighbours < 2)
                    << "a speck beside digit " << x / strip.cell << " at (" << x << ", " << y << ")";
            }
        }
        for (int a = 0; a < 10; ++a) {
            for (int b = a + 1; b < 10; ++b) {
                EXPECT_NE(glyphs[a], glyphs[b]) << "digits " << a << " and " << b << " look the same";
            }
        }
    }
}

TEST(ImageFiles, BurstStripsOpenAndFadeOverFourFramesOnBlack) {
    for (const char* name : {"yorun_efect.bmp", "yorun_efect_2.bmp"}) {
        SCOPED_TRACE(name);
        Surface image = LoadImage(ImagePath(name));
        ASSERT_NE(image, nullptr);
        long lights[4] = {};
        for (int frame = 0; frame < 4; ++frame) {
            long light = 0;
            for (int y = 0; y < 256; ++y) {
                for (int x = 0; x < 256; ++x) {
                    const Rgba c = PixelAt(image.get(), frame * 256 + x, y);
                    light += c.r + c.g + c.b;
                    // Frame edges add nothing, so no box outline shows when drawn additively.
                    if (x == 0 || y == 0 || x == 255 || y == 255) {
                        EXPECT_EQ(c.r + c.g + c.b, 0) << "frame " << frame << " at " << x << ", " << y;
                    }
                }
            }
            EXPECT_GT(light, 0) << "frame " << frame;
            lights[frame] = light;
        }
        // It fades: each frame is dimmer than the one before.
        EXPECT_GT(lights[0], lights[1]);
        EXPECT_GT(lights[1], lights[2]);
        EXPECT_GT(lights[2], lights[3]);
    }
}

}  // namespace
}  // namespace assets_test

#include "MenuImages.h"

#include <cmath>
#include <string>

#include "FieldImages.h"
#include "Random.h"

namespace assetgen {

namespace {

using palette::kInk;

Canvas Title(const Lettering& lettering, int scale) {
    Canvas canvas(800, 600, palette::kSkyTop, scale);
    // Evening sky over the range: deep blue at the top warming to the horizon.
    canvas.FillAll([](float, float y) {
        if (y < 360.0F) {
            const float t = y / 360.0F;
            return t < 0.6F ? Mix(Colour{24, 34, 84}, Colour{86, 82, 150}, t / 0.6F)
                            : Mix(Colour{86, 82, 150}, Colour{246, 160, 96}, (t - 0.6F) / 0.4F);
        }
        return Mix(Colour{52, 92, 58}, Colour{18, 34, 26}, (y - 360.0F) / 240.0F);
    });
    Random random(0x5EED0002U);
    for (int i = 0; i < 60; ++i) {
        const float x = random.Range(0.0F, 800.0F);
        const float y = random.Range(0.0F, 180.0F);
        canvas.Fill(Shape::Circle({x, y}, random.Range(0.6F, 1.4F)), Colour{255, 250, 220, 200}, 1.0F);
    }
    canvas.Fill(Shape::Ellipse({120, 372}, 240, 34), Colour{44, 76, 62}, 1.0F);
    canvas.Fill(Shape::Ellipse({700, 376}, 260, 40), Colour{40, 70, 56}, 1.0F);
    canvas.Fill(Shape::Box(0, 360, 800, 600),
                VerticalGradient(Colour{56, 98, 60}, Colour{16, 30, 22}, 360, 600));

    // Targets standing on the range either side of the menu, with an arrow in the big one.
    canvas.Fill(Shape::Ellipse({655, 540}, 120, 18), Colour{0, 0, 0, 90}, 8.0F);
    canvas.Outlined(Shape::Box(648, 440, 662, 540), palette::kWoodDark, kInk, 2.0F);
    PaintTargetFace(canvas, 0, 655.0F, 400.0F, 110.0F);
    canvas.Fill(Shape::Ellipse({130, 470}, 60, 10), Colour{0, 0, 0, 90}, 6.0F);
    canvas.Outlined(Shape::Box(126, 420, 134, 470), palette::kWoodDark, kInk, 2.0F);
    PaintTargetFace(canvas, 2, 130.0F, 398.0F, 52.0F);
    PaintTargetFace(canvas, 1, 220.0F, 540.0F, 30.0F);
    PaintTargetFace(canvas, 3, 560.0F, 555.0F, 26.0F);
    // The arrow in the big target: shaft coming towards the viewer from the centre.
    const Shape shaft = Shape::Polygon({{652, 396}, {658, 402}, {742, 300}, {734, 292}});
    canvas.Outlined(shaft, palette::kWood, kInk, 2.0F);
    canvas.Outlined(Shape::Polygon({{734, 292}, {742, 300}, {770, 262}, {760, 282}}), palette::kRed, kInk,
                    2.0F);
    canvas.Outlined(Shape::Polygon({{734, 292}, {742, 300}, {762, 296}, {748, 272}}), palette::kGold, kInk,
                    2.0F);

    // The name, large, with a drop shadow.
    const Mask name =
        Lettering::Fit(lettering.Ink(Lettering::Face::Latin, "Yorun", scale), 470, 170, 6.0F, 1.0F, scale);
    const int pad = 7;
    const int left = (800 - name.width / scale) / 2 - pad;
    // The shadow is the outline's shape, laid 8 pixels down and to the right of the name.
    const Mask shadow = name.Dilated(6.0F * scale);
    const int shadowPad = (shadow.width - name.width) / 2;
    canvas.Paste(shadow, (left + pad + 8) * scale - shadowPad, (70 + pad + 8) * scale - shadowPad,
                 Solid(Colour{0, 0, 0, 110}));
    Lettering::PaintMask(
        canvas, name, left, 70,
        Lettering::Style{VerticalGradient(palette::kGoldLight, Colour{240, 140, 30}, 80, 230), kInk, 6.0F});
    lettering.Draw(canvas, Lettering::Face::Latin, "ARCHERY  TARGETS", 250, 238, 300, 34,
                   Lettering::Style{Solid(palette::kPaper), kInk, 2.0F});

    // A quiet, darker panel where the buttons and the pointer sit.
    canvas.Fill(Shape::Box(276, 288, 488, 497, 14), Colour{10, 14, 30, 120}, 1.0F);
    return canvas;
}

Canvas Button(const Lettering& lettering, int width, const std::string& label, const std::string& caption,
              bool lit, int scale) {
    Canvas canvas(width, 55, Colour{0, 0, 0, 0}, scale);
    const Colour face = lit ? palette::kButtonLit : palette::kButton;
    const Colour faceLight = lit ? palette::kGoldLight : Colour{96, 124, 188};
    const Colour text = lit ? kInk : palette::kPaper;
    const Colour rim = lit ? palette::kPaper : Colour{140, 160, 210};
    canvas.Outlined(Shape::Box(2, 2, width - 2.0F, 53, 10), VerticalGradient(faceLight, face, 2, 40), kInk,
                    2.0F);
    canvas.Fill(Shape::Box(5, 5, width - 5.0F, 50, 8).Minus(Shape::Box(6.5F, 6.5F, width - 6.5F, 48.5F, 7)),
                rim);
    const Colour outline = lit ? palette::kPaper : kInk;
    lettering.Draw(canvas, Lettering::Face::Japanese, label, 8, 5, width - 16, 32,
                   Lettering::Style{Solid(text), outline, 1.5F, Lettering::Align::Centre, 1.0F});
    lettering.Draw(canvas, Lettering::Face::Latin, caption, 8, 35, width - 16, 16,
                   Lettering::Style{Solid(text), outline, 1.0F, Lettering::Align::Centre, 1.0F});
    return canvas;
}

Canvas SelectIcon(int scale) {
    // Keyed on white, so the icon uses paper (never pure white) for its light parts.
    Canvas canvas(36, 28, Colour{0, 0, 0, 0}, scale);
    const Shape pointer = Shape::Polygon({{4, 4}, {31, 14}, {4, 24}, {10, 14}});
    canvas.Outlined(pointer, VerticalGradient(palette::kGoldLight, palette::kGold, 4, 24), kInk, 2.0F);
    return canvas;
}

}  // namespace

void PaintMenuImages(const Lettering& lettering, ImageSet& images) {
    using Kind = ImageSet::Kind;
    images.Add("mato_title.bmp", Kind::OpaqueBmp,
               [&lettering](int scale) { return Title(lettering, scale); });
    struct ButtonText {
        const char* file;
        const char* label;
        const char* caption;
        int width;
    };
    const ButtonText buttons[5] = {
        {"始める", "始める", "START", 150}, {"終わる", "終わる", "QUIT", 150},
        {"易しい", "易しい", "EASY", 150},  {"普通", "普通", "NORMAL", 100},
        {"難しい", "難しい", "HARD", 150},
    };
    for (const ButtonText& b : buttons) {
        for (const bool lit : {false, true}) {
            images.Add(std::string(b.file) + (lit ? "2.bmp" : ".bmp"), Kind::KeyedBmp,
                       [&lettering, b, lit](int scale) {
                           return Button(lettering, b.width, b.label, b.caption, lit, scale);
                       });
        }
    }
    images.Add(
        "selecticon.bmp", Kind::KeyedBmp, [](int scale) { return SelectIcon(scale); }, ImageSet::kSharpScale,
        palette::kKeyWhite);
}

}  // namespace assetgen

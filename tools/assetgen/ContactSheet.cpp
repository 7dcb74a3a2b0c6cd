#include "ContactSheet.h"

#include <SDL_image.h>

#include <algorithm>
#include <vector>

namespace assetgen {

namespace {

constexpr int kSheetWidth = 1680;
constexpr int kGap = 16;
constexpr int kCaption = 20;

Colour Checker(int x, int y) {
    return ((x / 8) + (y / 8)) % 2 == 0 ? Colour{200, 200, 204} : Colour{150, 150, 156};
}

struct Placement {
    const ImageSet::Entry* entry;
    int x;
    int y;
    int w;
    int h;
};

}  // namespace

bool ContactSheet::Write(const ImageSet& images, const Lettering& lettering, const std::string& path,
                         std::string& error) {
    // Shelf packing in painting order: each row as tall as its tallest picture.
    std::vector<Placement> placements;
    int x = kGap;
    int y = kGap;
    int rowHeight = 0;
    for (const ImageSet::Entry& entry : images.Entries()) {
        const int w = std::max(entry.canvas.Width(), 110);
        const int h = entry.canvas.Height() + kCaption;
        if (x + w + kGap > kSheetWidth) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        placements.push_back(Placement{&entry, x, y, entry.canvas.Width(), entry.canvas.Height()});
        x += w + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    Canvas sheet(kSheetWidth, y + rowHeight + kGap, Colour{48, 46, 56});
    const Lettering::Style captionStyle{Solid(palette::kPaper), palette::kInk, 1.0F, Lettering::Align::Left,
                                        1.0F};
    for (const Placement& p : placements) {
        SurfacePtr file = ImageSet::FileSurface(*p.entry);
        SurfacePtr argb(SDL_ConvertSurfaceFormat(file.get(), SDL_PIXELFORMAT_ARGB8888, 0));
        if (!argb) {
            error = std::string("cannot convert ") + p.entry->name + ": " + SDL_GetError();
            return false;
        }
        const bool keyed = p.entry->kind == ImageSet::Kind::KeyedBmp;
        for (int py = 0; py < p.h; ++py) {
            const auto* row =
                reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(argb->pixels) + py * argb->pitch);
            for (int px = 0; px < p.w; ++px) {
                const Uint32 v = row[px];
                const Colour c{static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                               static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 24)};
                sheet.Set(p.x + px, p.y + py, Checker(px, py));
                if (!(keyed && c.SameRgb(p.entry->key))) {
                    sheet.Blend(p.x + px, p.y + py, c, 1.0F);
                }
            }
        }
        lettering.Draw(sheet, Lettering::Face::Japanese, p.entry->name, p.x, p.y + p.h + 3,
                       std::max(p.w, 110), kCaption - 4, captionStyle);
    }
    SurfacePtr out = sheet.Opaque();
    if (IMG_SavePNG(out.get(), path.c_str()) != 0) {
        error = "cannot write " + path + ": " + IMG_GetError();
        return false;
    }
    return true;
}

}  // namespace assetgen

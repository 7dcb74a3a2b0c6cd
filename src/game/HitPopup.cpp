#include "game/HitPopup.h"

#include "app/Graphics.h"
#include "game/Screen.h"
#include "sprite/SpriteTypes.h"

namespace Yorun {

using namespace Corvane;

namespace {

// Four 256 × 256 frames of 0.1 s, over and over.
AnimTable BurstTable() {
    AnimTable table;
    table.cellWidth = 256;
    table.cellHeight = 256;
    for (int frame = 0; frame < 4; ++frame) {
        table.cells[frame] = AnimCell{3, frame, 0};
    }
    table.cells[4] = AnimCell{0, ANIM_LOOP, 0};
    return table;
}

constexpr float kLabelRise = 1.5f;
constexpr float kNumberScale = 1.5f;

}  // namespace

bool CHitPopup::Init(int popupKind) {
    EnterDataDirectory("mato_bmp");
    const SpriteDesc bursts[2] = {MakeSpriteDesc("yorun_efect.bmp", BurstTable()),
                                  MakeSpriteDesc("yorun_efect_2.bmp", BurstTable())};
    if (!burst.Add(g_pDevice, bursts, 2)) {
        return false;
    }
    burst.blend = BLEND_ADD;
    burst.visible = false;
    kind = popupKind;
    if (!number.LoadNumberFont(kind)) {
        return false;
    }
    const SpriteDesc labels[2] = {MakeSpriteDesc("Plus.bmp", StillAnimTable(20, 25)),
                                  MakeSpriteDesc("Minus.bmp", StillAnimTable(20, 7))};
    if (!label.Add(g_pDevice, labels, 2)) {
        return false;
    }
    label.x = -100.0f;
    label.y = -100.0f;
    label.visible = false;
    label.blend = BLEND_ALPHA;
    return true;
}

void CHitPopup::Start(float px, float py, int popupValue, bool showLabel) {
    if (burst.visible) {
        return;
    }
    value = popupValue;
    burst.SetPivotPosition(px, py);
    burst.visible = true;
    burst.Select(kind, true);
    label.visible = showLabel;
    label.Select(kind, false);
    label.x = px + 15.0f;
    label.y = py - 60.0f;
}

void CHitPopup::Update() {
    if (!burst.visible) {
        return;
    }
    label.y -= kLabelRise;
    // The burst advances as it is drawn; its end is noticed here, one update later.
    if (burst.Current().HasLooped()) {
        burst.visible = false;
        label.visible = false;
    }
}

void CHitPopup::Draw() {
    if (!burst.visible) {
        return;
    }
    burst.AdvanceAndDraw(FrameSeconds());
    if (burst.visible && label.visible) {
        label.Draw();
        number.DrawNumber(value, label.x, label.y, kNumberScale);
    }
}

void CHitPopup::Hide() {
    burst.visible = false;
    label.visible = false;
    value = 0;
}

void CHitPopup::SetBurstScale(float scale) {
    burst.scaleX = scale;
    burst.scaleY = scale;
    label.scaleX = scale;
    label.scaleY = scale;
}

void CHitPopup::Release() {
    burst.Clear();
    label.Clear();
    number.Release();
}

}  // namespace Yorun

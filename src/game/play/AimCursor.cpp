#include "game/play/AimCursor.h"

#include "app/Graphics.h"
#include "game/Screen.h"
#include "input/Input.h"
#include "platform/input/KeyCodes.h"
#include "sprite/SpriteTypes.h"

namespace Yorun {

using namespace Corvane;

namespace {

struct Velocity {
    float vx;
    float vy;
};

// By direction code: none, left + up, left + down, left, right + up, right + down, right, up, down.
constexpr Velocity kVelocities[9] = {{0, 0}, {-8, -8}, {-8, 8}, {-8, 0}, {8, -8},
                                     {8, 8}, {8, 0},   {0, -8}, {0, 8}};

bool Held(int key) {
    return g_pInput != nullptr && g_pInput->IsKeyDown(key);
}

// Left wins over right and up over down.
int DirectionFromKeys() {
    const bool left = Held(platform::DIK_LEFT);
    const bool right = !left && Held(platform::DIK_RIGHT);
    const bool up = Held(platform::DIK_UP);
    const bool down = !up && Held(platform::DIK_DOWN);
    if (left) {
        return up ? 1 : down ? 2 : 3;
    }
    if (right) {
        return up ? 4 : down ? 5 : 6;
    }
    return up ? 7 : down ? 8 : 0;
}

}  // namespace

bool CAimCursor::Initialize() {
    EnterDataDirectory("mato_bmp");
    if (!image.Load(g_pDevice, "Karate_Position.bmp", 1.0f, 0.0f, 1.0f, 1.0f)) {
        return false;
    }
    image.AddAnim(StillAnimTable(100, 100, 2));
    image.blend = BLEND_ALPHA;
    Centre();
    return true;
}

void CAimCursor::Centre() {
    direction = 0;
    vx = 0.0f;
    vy = 0.0f;
    float w = 0.0f;
    float h = 0.0f;
    image.GetScaledSize(w, h);
    x = static_cast<float>(ScreenWidth() / 2) - w / 2.0f;
    y = static_cast<float>(ScreenHeight() / 2) - h / 2.0f;
    image.x = x;
    image.y = y;
    image.SetScale(0.5f, 0.5f);
}

int CAimCursor::Update() {
    direction = DirectionFromKeys();
    vx = kVelocities[direction].vx;
    vy = kVelocities[direction].vy;
    if (Held(platform::DIK_LSHIFT)) {
        vx *= 2.0f;
        vy *= 2.0f;
    }
    x += vx;
    y += vy;

    float w = 0.0f;
    float h = 0.0f;
    image.GetScaledSize(w, h);
    const float width = static_cast<float>(ScreenWidth());
    const float height = static_cast<float>(ScreenHeight());
    if (x + w > width + w / 2.0f) {
        x = width - w / 2.0f;
    } else if (x < -w / 2.0f) {
        x = -w / 2.0f;
    }
    if (y < -h / 2.0f) {
        y = -h / 2.0f;
    } else if (y + h > height + h / 2.0f) {
        y = height - h / 2.0f;
    }
    image.x = x;
    image.y = y;
    return direction;
}

void CAimCursor::Draw() {
    if (image.visible) {
        image.Draw();
    }
}

CRectangle CAimCursor::GetRectangle() const {
    float w = 0.0f;
    float h = 0.0f;
    image.GetScaledSize(w, h);
    CRectangle rect;
    rect.Normalize(static_cast<std::int32_t>(image.x), static_cast<std::int32_t>(image.y),
                   static_cast<std::int32_t>(image.x + w), static_cast<std::int32_t>(image.y + h));
    return rect;
}

}  // namespace Yorun

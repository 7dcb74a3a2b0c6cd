#include "support/PlayKeys.h"

#include "platform/input/KeyCodes.h"

namespace testing_support {

namespace {

constexpr int kFireKeys[4] = {platform::DIK_Z, platform::DIK_X, platform::DIK_C, platform::DIK_V};
constexpr int kAimKeys[4] = {platform::DIK_LEFT, platform::DIK_UP, platform::DIK_RIGHT, platform::DIK_DOWN};

}  // namespace

std::vector<int> PlayKeys(int playFrame, bool stockEmpty) {
    std::vector<int> keys{kFireKeys[(playFrame / 150) % 4], kAimKeys[(playFrame % 240) / 60]};
    if ((playFrame / 240) % 2 == 1) {
        keys.push_back(platform::DIK_LSHIFT);
    }
    if (stockEmpty) {
        keys.push_back(platform::DIK_SPACE);
    }
    if (playFrame % 1000 == 500) {
        keys.push_back(platform::DIK_A);
    }
    if (playFrame % 1000 == 900) {
        keys.push_back(platform::DIK_S);
    }
    return keys;
}

}  // namespace testing_support

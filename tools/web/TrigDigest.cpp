// Prints the digest of the game's sine and cosine over every angle a round can reach and ten million more,
// bit for bit. The desktop build and the browser's build must print the same line (scripts/test compares).
#include <cstdio>

#include "game/play/RoundedTrig.h"
#include "support/TrigAngles.h"

int main() {
    std::vector<float> angles = trig_angles::ReachableAngles();
    const std::vector<float> spread = trig_angles::SpreadAngles();
    angles.insert(angles.end(), spread.begin(), spread.end());
    const std::uint64_t digest = trig_angles::Digest(angles, Yorun::RoundedSine, Yorun::RoundedCosine);
    std::printf("rounded trig digest %016llx over %zu angles\n", static_cast<unsigned long long>(digest),
                angles.size());
    return 0;
}

#include "game/play/RoundedTrig.h"

#include <cmath>
#include <limits>

namespace Yorun {

namespace {

// π/2 in three parts: the first two have 33 significant bits each, so that n times either is exact for
// any n below 2^20 and the reduction loses nothing until the third part.
constexpr double kHalfPiHigh = 1.57079632673412561417e+00;
constexpr double kHalfPiMid = 6.07710050630396597660e-11;
constexpr double kHalfPiLow = 2.02226624879595063154e-21;
constexpr double kTwoOverPi = 6.36619772367581382433e-01;
constexpr double kTwoPi = 6.28318530717958623200e+00;
constexpr double kExactReductionLimit = 1048576.0;  // 2^20: n stays under 2^20

// Minimax polynomials for sine and cosine on [-π/4, π/4], good to well under a double's last bit.
constexpr double kSine[] = {-1.66666666666666324348e-01, 8.33333333332248946124e-03,
                            -1.98412698298579493134e-04, 2.75573137070700676789e-06,
                            -2.50507602534068634195e-08, 1.58969099521155010221e-10};
constexpr double kCosine[] = {4.16666666666666019037e-02, -1.38888888888741095749e-03,
                              2.48015872894767294178e-05, -2.75573143513906633035e-07,
                              2.08757232129817482790e-09, -1.13596475577881948265e-11};

double SineNearZero(double r) {
    const double z = r * r;
    const double p =
        kSine[0] + z * (kSine[1] + z * (kSine[2] + z * (kSine[3] + z * (kSine[4] + z * kSine[5]))));
    return r + r * z * p;
}

double CosineNearZero(double r) {
    const double z = r * r;
    const double p =
        kCosine[0] +
        z * (kCosine[1] + z * (kCosine[2] + z * (kCosine[3] + z * (kCosine[4] + z * kCosine[5]))));
    return 1.0 - 0.5 * z + z * z * p;
}

// The angle as r + quadrant·π/2 with r in about [-π/4, π/4]. Only exact operations of IEEE double
// arithmetic are used (fmod is exact), so every system reduces alike.
double Reduce(double x, int& quadrant) {
    if (std::fabs(x) >= kExactReductionLimit) {
        x = std::fmod(x, kTwoPi);
    }
    const double n = std::nearbyint(x * kTwoOverPi);
    quadrant = static_cast<int>(static_cast<long long>(n) & 3);
    return ((x - n * kHalfPiHigh) - n * kHalfPiMid) - n * kHalfPiLow;
}

}  // namespace

float RoundedSine(float angle) {
    if (!std::isfinite(angle)) {
        return std::numeric_limits<float>::quiet_NaN();
    }
    if (angle == 0.0f) {
        return angle;  // keeps the sign of zero
    }
    int quadrant = 0;
    const double r = Reduce(angle, quadrant);
    switch (quadrant) {
        case 0:
            return static_cast<float>(SineNearZero(r));
        case 1:
            return static_cast<float>(CosineNearZero(r));
        case 2:
            return static_cast<float>(-SineNearZero(r));
        default:
            return static_cast<float>(-CosineNearZero(r));
    }
}

float RoundedCosine(float angle) {
    if (!std::isfinite(angle)) {
        return std::numeric_limits<float>::quiet_NaN();
    }
    int quadrant = 0;
    const double r = Reduce(angle, quadrant);
    switch (quadrant) {
        case 0:
            return static_cast<float>(CosineNearZero(r));
        case 1:
            return static_cast<float>(-SineNearZero(r));
        case 2:
            return static_cast<float>(-CosineNearZero(r));
        default:
            return static_cast<float>(SineNearZero(r));
    }
}

}  // namespace Yorun

#include "lo/lo_divider.h"

#include <cmath>

namespace kv {

namespace {

bool positive(double value) {
    return std::isfinite(value) && value > 0;
}

// A frequency in MHz as a whole number of microhertz.
double to_microhertz(double mhz) {
    return std::nearbyint(mhz * 1e12);
}

}  // namespace

std::optional<LoDivider> lo_divider(double f_mhz, double crystal_mhz, double pre_divider) {
    if (!positive(crystal_mhz) || !positive(pre_divider)) {
        return std::nullopt;
    }
    const double ratio = (f_mhz + f_mhz) * pre_divider / crystal_mhz;
    if (!std::isfinite(ratio) || ratio < 0) {
        return std::nullopt;
    }
    double integer = std::floor(ratio);
    double fraction = std::floor((ratio - integer) * kLoModulus + 0.5);
    if (fraction >= kLoModulus) {
        integer += 1;
        fraction = 0;
    }
    if (integer >= kLoIntegerLimit) {
        return std::nullopt;
    }
    return LoDivider{static_cast<int>(integer), static_cast<int>(fraction), fraction == 0};
}

double lo_error_hz(const LoDivider& divider, double f_mhz, double crystal_mhz, double pre_divider) {
    // The LO moves by this much per unit of N. The integer part's share of the
    // error is a difference of whole microhertz, exact below 9 GHz.
    const double per_unit = to_microhertz(crystal_mhz) / (2 * pre_divider);
    const double whole = divider.integer * per_unit - to_microhertz(f_mhz);
    return (whole + divider.fraction * per_unit / kLoModulus) / 1e6;
}

}  // namespace kv

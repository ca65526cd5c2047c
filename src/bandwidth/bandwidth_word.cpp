#include "bandwidth/bandwidth_word.h"

#include <cmath>

#include "panel/word_fields.h"

namespace kv {

double bandwidth_code(double mhz) {
    return std::nearbyint(mhz / 10 - 1);
}

std::optional<std::uint32_t> bandwidth_word(const std::array<double, 3>& bandwidth_mhz,
                                            const CrystalFields& crystal) {
    const CrystalFields& at = kReg1At.crystal;
    return word_of(shifted(bandwidth_code(bandwidth_mhz[0]), kReg1At.channel[0]) +
                   shifted(bandwidth_code(bandwidth_mhz[1]), kReg1At.channel[1]) +
                   shifted(bandwidth_code(bandwidth_mhz[2]), kReg1At.channel[2]) +
                   shifted(crystal.c, at.c) + shifted(crystal.d, at.d) + shifted(crystal.e, at.e) +
                   shifted(crystal.f, at.f) + kReg1Constant);
}

}  // namespace kv

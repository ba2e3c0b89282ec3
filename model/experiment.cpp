#include "model/experiment.h"

#include <cmath>
#include <limits>

namespace trelvix {

Experiment initialExperiment() {
    Experiment e;
    e.m = 0.06385;
    e.d = 0.025;
    e.c = 0.5;
    e.k = 40;
    e.L0 = 0.15;
    e.ro = 1000;
    e.eta = 0.001004;
    e.Xm = 0.005;
    e.nu = 4.5;
    e.X0 = 0.25;
    e.V0x = 1.0;
    e.T = 6;

    e.zamedlenie = 1;
    e.masshtab_1 = 1;
    e.masshtab_3 = 1;
    e.masshtab_4 = 1;
    e.masshtab_6 = 1.0F;
    e.n_setki = 10;

    e.R_shara = e.d / 2;
    e.polushirina_prug = 0.02;
    e.n_vitkov = 7;
    e.R_kolesa = e.Xm;
    return e;
}

namespace {
// Half a unit in the last place above FLT_MAX: from here on, rounding to float gives infinity.
const double floatOverflowThreshold = std::ldexp(1.0, 128) - std::ldexp(1.0, 103);
} // namespace

float toSingle(double x) {
    if (std::isfinite(x) && std::fabs(x) >= floatOverflowThreshold)
        return x > 0 ? std::numeric_limits<float>::infinity()
                     : -std::numeric_limits<float>::infinity();
    return static_cast<float>(x);
}

float toSingleSaturated(double x) {
    const double largest = std::numeric_limits<float>::max();
    if (x > largest) return std::numeric_limits<float>::max();
    if (x < -largest) return -std::numeric_limits<float>::max();
    return static_cast<float>(x);
}

} // namespace trelvix

#include "graphics/plot_frames.h"

#include "graphics/magnifier.h"
#include "graphics/quotient.h"

#include <cmath>

namespace trelvix::graphics {

namespace {

void planeFrame(const Experiment& e, float koeff_1, PlotFrames& f) {
    f.verh_yx = -e.R_kolesa;
    f.niz_yx = e.Xm + (e.d + (e.X_max + e.Xg));
    f.pravo_yx = koeff_1 * std::abs(f.niz_yx - f.verh_yx) / 2;
    f.levo_yx = -f.pravo_yx;
}

// The energy of the initial state: kinetic, of the spring about equilibrium, and of the spring
// stretched by the full amplitude of the drive.
float initialEnergy(const Experiment& e) {
    const double offset = e.X0 - e.Xg;
    return toSingle(e.m * e.V0x * e.V0x / 2 + e.k * offset * offset / 2 + e.k * e.Xm * e.Xm / 2);
}

void timeFrames(const Experiment& e, PlotFrames& f) {
    f.vysota_x_t = quotient(e.X_max, e.masshtab_3);
    f.vysota_v_t = quotient(e.Vx_max, e.masshtab_4);
    f.W_max = initialEnergy(e);
    f.verh_w_t = quotient(f.W_max, e.masshtab_6);
    f.niz_w_t = 0;
    f.T_0_graf = toSingle(e.T_0);
    f.n_periodov = quotient(double(e.T), e.T_0);
}

} // namespace

void minmax(const Experiment& e, float koeff_1, PlotFrames& f, Surfaces& s) {
    planeFrame(e, koeff_1, f);
    s.picture1.scale(f.levo_yx, f.verh_yx, f.pravo_yx, f.niz_yx);
    s.picture2.scale(f.levo_yx, f.verh_yx, f.pravo_yx, f.niz_yx);

    magnifierFrame(e, f);
    s.form3.scale(f.levo_lupy, f.verh_lupy, f.pravo_lupy, f.niz_lupy);

    timeFrames(e, f);
    s.picture3.scale(0, f.vysota_x_t, e.T, -f.vysota_x_t);
    s.picture4.scale(0, f.vysota_v_t, e.T, -f.vysota_v_t);
    s.picture6.scale(0, f.verh_w_t, e.T, f.niz_w_t);
}

} // namespace trelvix::graphics

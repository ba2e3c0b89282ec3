#include "shell/control_inventory.h"

namespace trelvix {

using C = Captions;
using M = MainControls;
using enum TextColour;

const std::array<ResultRow, 15> resultRows{{
    {"Label12", &M::Label12, &C::ballDensity, "плотность материала шара", ButtonText},
    {"Label13", &M::Label13, &C::mediumMass, "масса среды в объёме шара", ButtonText},
    {"Label14", &M::Label14, &C::equilibrium, "координата положения равновесия", ButtonText},
    {"Label15", &M::Label15, &C::quadraticDistance,
     "Характерное расстояние для квадратичной силы сопротивления среды", ButtonText},
    {"Label16", &M::Label16, &C::damping, "декремент затухания", ButtonText},
    {"Label17", &M::Label17, &C::harmonicFrequency, "циклическая частота гармонических колебаний",
     Black},
    {"Label22", &M::Label22, &C::naturalFrequency, "циклическая частота собственных колебаний",
     Black},
    {"Label23", &M::Label23, &C::drivingFrequency, "циклическая частота вынуждающей силы", Black},
    {"Label24", &M::Label24, &C::harmonicPeriod, "Период гармонических колебаний", Black},
    {"Label25", &M::Label25, &C::naturalPeriod, "Период собственных колебаний", Black},
    {"Label26", &M::Label26, &C::drivingPeriod, "Период вынуждающей силы", Black},
    {"Label27", &M::Label27, &C::logDecrement, "Логарифмический декремент затухания", Black},
    {"Label28", &M::Label28, &C::qualityFactor, "добротность", Black},
    {"Label29", &M::Label29, &C::resonanceFrequency, "резонансная частота (при с=0)", Black},
    {"Label30", &M::Label30, &C::criticalViscosity, "вязкость критического режима (при с=0)",
     Black},
}};

const std::array<GreekOverlay, 3> parameterOverlays{{
    {"Label3_2", &M::Label3_2, "Label3", "ρ", 10, 0, 5},
    {"Label5_2", &M::Label5_2, "Label5", "η", 10, 0, 5},
    {"Label9_2", &M::Label9_2, "Label9", "ν", 10, 0, 5},
}};

const std::array<GreekOverlay, 8> resultOverlays{{
    {"Label12_2", &M::Label12_2, "Label12", "ρ", 10, 2, 2},
    {"Label16_2", &M::Label16_2, "Label16", "δ", 16, 2, 2},
    {"Label17_2", &M::Label17_2, "Label17", "ω", 16, 2, 2},
    {"Label22_2", &M::Label22_2, "Label22", "ω", 16, 2, 2},
    {"Label23_2", &M::Label23_2, "Label23", "ω", 16, 2, 2},
    {"Label27_2", &M::Label27_2, "Label27", "Θ", 14, 2, 0}, // level with its label
    {"Label29_2", &M::Label29_2, "Label29", "ν", 10, 2, 2},
    {"Label30_2", &M::Label30_2, "Label30", "η", 10, 2, 2},
}};

} // namespace trelvix

#include "shell/main_window/control_inventory.h"

#include <QtGlobal>

namespace trelvix {

using enum TextColour;

const std::array<ResultRow, resultCount> resultRows{{
    {Result::ballDensity, "ballDensityResult",
     QT_TRANSLATE_NOOP("trelvix::MainControls", "плотность материала шара"), ButtonText},
    {Result::mediumMass, "mediumMassResult",
     QT_TRANSLATE_NOOP("trelvix::MainControls", "масса среды в объёме шара"), ButtonText},
    {Result::equilibrium, "equilibriumResult",
     QT_TRANSLATE_NOOP("trelvix::MainControls", "координата положения равновесия"), ButtonText},
    {Result::quadraticDistance, "quadraticDistanceResult",
     QT_TRANSLATE_NOOP("trelvix::MainControls",
                       "Характерное расстояние для квадратичной силы сопротивления среды"),
     ButtonText},
    {Result::damping, "dampingResult",
     QT_TRANSLATE_NOOP("trelvix::MainControls", "декремент затухания"), ButtonText},
    {Result::harmonicFrequency, "harmonicFrequencyResult",
     QT_TRANSLATE_NOOP("trelvix::MainControls", "циклическая частота гармонических колебаний"),
     Black},
    {Result::naturalFrequency, "naturalFrequencyResult",
     QT_TRANSLATE_NOOP("trelvix::MainControls", "циклическая частота собственных колебаний"),
     Black},
    {Result::drivingFrequency, "drivingFrequencyResult",
     QT_TRANSLATE_NOOP("trelvix::MainControls", "циклическая частота вынуждающей силы"), Black},
    {Result::harmonicPeriod, "harmonicPeriodResult",
     QT_TRANSLATE_NOOP("trelvix::MainControls", "Период гармонических колебаний"), Black},
    {Result::naturalPeriod, "naturalPeriodResult",
     QT_TRANSLATE_NOOP("trelvix::MainControls", "Период собственных колебаний"), Black},
    {Result::drivingPeriod, "drivingPeriodResult",
     QT_TRANSLATE_NOOP("trelvix::MainControls", "Период вынуждающей силы"), Black},
    {Result::logDecrement, "logDecrementResult",
     QT_TRANSLATE_NOOP("trelvix::MainControls", "Логарифмический декремент затухания"), Black},
    {Result::qualityFactor, "qualityFactorResult",
     QT_TRANSLATE_NOOP("trelvix::MainControls", "добротность"), Black},
    {Result::resonanceFrequency, "resonanceFrequencyResult",
     QT_TRANSLATE_NOOP("trelvix::MainControls", "резонансная частота (при с=0)"), Black},
    {Result::criticalViscosity, "criticalViscosityResult",
     QT_TRANSLATE_NOOP("trelvix::MainControls", "вязкость критического режима (при с=0)"), Black},
}};

const std::array<GreekOverlay<Input>, 3> parameterOverlays{{
    {"mediumDensityLetter", Input::ro, 10, 0, 5},
    {"viscosityLetter", Input::eta, 10, 0, 5},
    {"frequencyLetter", Input::nu, 10, 0, 5},
}};

const std::array<GreekOverlay<Result>, 8> resultOverlays{{
    {"ballDensityLetter", Result::ballDensity, 10, 2, 2},
    {"dampingLetter", Result::damping, 16, 2, 2},
    {"harmonicFrequencyLetter", Result::harmonicFrequency, 16, 2, 2},
    {"naturalFrequencyLetter", Result::naturalFrequency, 16, 2, 2},
    {"drivingFrequencyLetter", Result::drivingFrequency, 16, 2, 2},
    {"logDecrementLetter", Result::logDecrement, 14, 2, 0}, // level with its label
    {"resonanceFrequencyLetter", Result::resonanceFrequency, 10, 2, 2},
    // Wide enough for the letter to meet the underscore of "_kr" after the caption's blanks.
    {"criticalViscosityLetter", Result::criticalViscosity, 12, 2, 2},
}};

namespace {

template <typename Partner, std::size_t N>
QLabel* letterOver(const std::array<GreekOverlay<Partner>, N>& overlays,
                   const std::array<QLabel*, N>& letters, Partner partner) {
    for (std::size_t i = 0; i < N; ++i)
        if (overlays[i].partner == partner) return letters[i];
    return nullptr;
}

} // namespace

QLabel* MainControls::letter(Input input) const {
    return letterOver(parameterOverlays, parameterLetters, input);
}

QLabel* MainControls::letter(Result row) const {
    return letterOver(resultOverlays, resultLetters, row);
}

} // namespace trelvix

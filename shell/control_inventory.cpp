#include "shell/control_inventory.h"

namespace trelvix {

using C = Captions;
using M = MainControls;
using enum TextColour;

const std::array<ParameterRow, 12> parameterRows{{
    {"Label1", &M::Label1, "m (кг) =", ButtonText, "Text1", &M::Text1, "масса шара",
     "масса шара, кг", 6},
    {"Label4", &M::Label4, "d (м) =", ButtonText, "Text4", &M::Text4, "диаметр шара",
     "диаметр шара, м", 8},
    {"Label7", &M::Label7, "с = ", ButtonText, "Text7", &M::Text7,
     "коэффициент лобового сопротивления для шара", "коэффициент лобового сопротивления шара", 25},
    {"Label8", &M::Label8, "k (Н/м) =", ButtonText, "Text8", &M::Text8,
     "коэффициент жёсткости пружины", "жёсткость пружины, Н/м", 27},
    {"Label2", &M::Label2, "Lo (м) =", Black, "Text2", &M::Text2, "длина нерастянутой пружины",
     "длина нерастянутой пружины, м", 5},
    {"Label3", &M::Label3, "  o (кг/м3) =", WindowText, "Text3", &M::Text3, "плотность среды",
     "плотность среды, кг/м3", 22},
    {"Label5", &M::Label5, "    (Па·с) = ", ButtonText, "Text5", &M::Text5,
     "коэффициент динамической вязкости среды", "динамическая вязкость среды, Па·с", 9},
    {"Label6", &M::Label6, "Хm (м) =", ButtonText, "Text6", &M::Text6, "амплитуда вынуждающей силы",
     "амплитуда колебаний точки подвеса, м", 12},
    {"Label9", &M::Label9, "   (Гц) =", ButtonText, "Text9", &M::Text9, "частота вынуждающей силы",
     "частота вынуждающей силы, Гц", 29},
    {"Label18", &M::Label18, "Хo (м) =", ButtonText, "Text18", &M::Text18,
     "начальная координата центра шара", "начальная координата центра шара, м", 42},
    {"Label19", &M::Label19, "Voх (м/с)=", ButtonText, "Text19", &M::Text19, "начальная скорость",
     "начальная скорость шара, м/с", 44},
    {"Label20", &M::Label20, "Т (с) =", ButtonText, "Text20", &M::Text20, "время расчета",
     "время расчёта, с", 46},
}};

const std::array<ResultRow, 15> resultRows{{
    {"Label12", &M::Label12, &C::Label12, "плотность материала шара", ButtonText},
    {"Label13", &M::Label13, &C::Label13, "масса среды в объёме шара", ButtonText},
    {"Label14", &M::Label14, &C::Label14, "координата положения равновесия", ButtonText},
    {"Label15", &M::Label15, &C::Label15,
     "Характерное расстояние для квадратичной силы сопротивления среды", ButtonText},
    {"Label16", &M::Label16, &C::Label16, "декремент затухания", ButtonText},
    {"Label17", &M::Label17, &C::Label17, "циклическая частота гармонических колебаний", Black},
    {"Label22", &M::Label22, &C::Label22, "циклическая частота собственных колебаний", Black},
    {"Label23", &M::Label23, &C::Label23, "циклическая частота вынуждающей силы", Black},
    {"Label24", &M::Label24, &C::Label24, "Период гармонических колебаний", Black},
    {"Label25", &M::Label25, &C::Label25, "Период собственных колебаний", Black},
    {"Label26", &M::Label26, &C::Label26, "Период вынуждающей силы", Black},
    {"Label27", &M::Label27, &C::Label27, "Логарифмический декремент затухания", Black},
    {"Label28", &M::Label28, &C::Label28, "добротность", Black},
    {"Label29", &M::Label29, &C::Label29, "резонансная частота (при с=0)", Black},
    {"Label30", &M::Label30, &C::Label30, "вязкость критического режима (при с=0)", Black},
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

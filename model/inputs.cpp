#include "model/inputs.h"

#include "model/single_precision.h"

namespace trelvix {

namespace {

double Inputs::*doubleMember(Input input) {
    switch (input) {
    case Input::m:
        return &Inputs::m;
    case Input::d:
        return &Inputs::d;
    case Input::c:
        return &Inputs::c;
    case Input::k:
        return &Inputs::k;
    case Input::L0:
        return &Inputs::L0;
    case Input::ro:
        return &Inputs::ro;
    case Input::eta:
        return &Inputs::eta;
    case Input::Xm:
        return &Inputs::Xm;
    case Input::nu:
        return &Inputs::nu;
    case Input::X0:
        return &Inputs::X0;
    case Input::V0x:
        return &Inputs::V0x;
    case Input::T:
        break;
    }
    return nullptr;
}

} // namespace

double Inputs::value(Input input) const {
    if (input == Input::T) return double{T};
    return this->*doubleMember(input);
}

void Inputs::setValue(Input input, double x) {
    if (input == Input::T)
        T = toSingleSaturated(x);
    else
        this->*doubleMember(input) = x;
}

Inputs initialInputs() {
    Inputs in;
    in.m = 0.06385;
    in.d = 0.025;
    in.c = 0.5;
    in.k = 40;
    in.L0 = 0.15;
    in.ro = 1000;
    in.eta = 0.001004;
    in.Xm = 0.005;
    in.nu = 4.5;
    in.X0 = 0.25;
    in.V0x = 1.0;
    in.T = 6;
    return in;
}

} // namespace trelvix

#pragma once

// The state of the experiment between runs, as the main window holds it: what the student
// typed, what follows from it, and how the run is to be shown.  Three value types that can be
// copied to a worker thread or stored with a run.

#include "model/characteristics.h"
#include "model/inputs.h"
#include "model/view_settings.h"

namespace trelvix {

struct Experiment {
    Inputs inputs = initialInputs();
    Characteristics derived = deriveCharacteristics(inputs);
    ViewSettings view;

    // Recomputes the characteristics after a change of the inputs.
    void derive() { derived = deriveCharacteristics(inputs, derived); }
};

} // namespace trelvix

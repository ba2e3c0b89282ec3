#pragma once

// The name of a stored run in the legends: the inputs in which it differs from the current
// experiment, "η = 0.05", "ν = 4.0, T = 10.0".

#include "model/inputs.h"

#include <QString>

namespace trelvix {

QString legendText(const Inputs& stored, const Inputs& current);

} // namespace trelvix

#pragma once

// Precision is part of the physics of this program: some quantities are kept in single
// precision, and the computed tables that students compare against carry exactly the roundings
// that storing into them makes.

namespace trelvix {

// Stores a double into a single-precision quantity as the hardware does (round to nearest,
// magnitudes beyond the float range become infinities), without the undefined behaviour that a
// plain conversion of an out-of-range value has in C++.
float toSingle(double x);

// Like toSingle(), but a magnitude beyond the float range becomes the largest finite float with
// its sign: the reading of a typed number that does not fit a single-precision quantity.
float toSingleSaturated(double x);

} // namespace trelvix

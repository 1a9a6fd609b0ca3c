#pragma once
// Vector arithmetic the solver's tests build their field points with.

#include "solver/indu.h"

namespace volantis4 {

/// p − q, component by component.
inline Vec3 minus(const Vec3& p, const Vec3& q) { return {p.x - q.x, p.y - q.y, p.z - q.z}; }

}  // namespace volantis4

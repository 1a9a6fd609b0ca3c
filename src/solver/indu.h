#pragma once
// Induced z velocity of one horseshoe vortex (bound segment plus two trailing legs to x = +inf).

#include <cmath>

namespace volantis4 {

/// A vector in aircraft coordinates (mm): x aft, y spanwise, z up.
struct Vec3 {
  double x = 0;
  double y = 0;
  double z = 0;
};

/// The terms of INDU that depend on one end of the horseshoe only, for a field point at (x, y, z)
/// from that end: the distance, and the trailing leg's term.
struct InduEnd {
  double length = 0;
  double leg = 0;
};

inline InduEnd induEnd(double x, double y, double z) noexcept {
  const double length = std::sqrt(x * x + y * y + z * z);
  // A field point on a leg's line: a tiny z offset keeps 0 × (finite) instead of 0 / 0.
  const double zLeg = ((y == 0.0) & (z == 0.0)) ? 1e-17 : z;
  return {length, (x / length + 1.0) / (y * y + zLeg * zLeg)};
}

/// INDU (below) with the terms of its two ends given: induEnd(ax, ay, az) and induEnd(bx, by, bz),
/// computed once for an end that several horseshoes share.
inline double induFromEnds(double ax, double ay, double az, double bx, double by, double bz, InduEnd a,
                           InduEnd b) noexcept {
  const double dx = bx - ax;
  const double dy = by - ay;
  const double dz = bz - az;
  const double dA = dx * ax + dy * ay + dz * az;
  const double dB = dx * bx + dy * by + dz * bz;
  const double aa = ax * ax + ay * ay + az * az;

  const double cx = dy * az - dz * ay;
  const double cy = dz * ax - dx * az;
  const double cz = dx * ay - dy * ax;
  const double q = cx * cx + cy * cy + cz * cz;
  const double dd = dx * dx + dy * dy + dz * dz;
  const double bound = (dA / a.length - dB / b.length) / q;
  const double f = q <= 1e-20 * dd * aa ? 0.0 : bound;

  return cz * f - ay * a.leg + by * b.leg;
}

/// INDU: 4π × the z velocity at a field point induced by a horseshoe of unit circulation.
/// (ax, ay, az) and (bx, by, bz) run from the segment's first and second end to the field point;
/// the bound segment runs from the first end to the second, the legs leave both ends towards +x.
/// A field point on the segment's line gets no bound-segment term (the exact limit); "on the line"
/// allows for rounding: q = |D × A|² at most 1e-20 · |D|² · |A|², i.e. a sine of the angle between
/// segment and field point below 1e-10. Round-number planforms put control points on another strip's
/// extended segment line, where q is rounding noise. On a leg's line the leg's term stays finite.
/// Branch-free so that loops over many vortices vectorise.
inline double INDU(double ax, double ay, double az, double bx, double by, double bz) noexcept {
  return induFromEnds(ax, ay, az, bx, by, bz, induEnd(ax, ay, az), induEnd(bx, by, bz));
}

/// INDU on two vectors: see above.
inline double INDU(const Vec3& a, const Vec3& b) noexcept { return INDU(a.x, a.y, a.z, b.x, b.y, b.z); }

}  // namespace volantis4

#include "solver/trapez_trim.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "solver/simq90.h"

namespace volantis4 {
namespace {

constexpr double kTolerance = 1e-9;  // on the sum of |F|
constexpr double kStep = 0.001;      // difference step of the Jacobian, mm
constexpr double kInverseStep = 1000;
constexpr int kPreset = 22;  // TRAPEZ_TRIM's preset result: no step needed counts as success
constexpr int kPasses = 20;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

}  // namespace

void FCN(int nvar, int neq, std::span<double> F, std::span<const double> x) {
  const int n = nvar - 3;
  if (neq < 1 || n < 1) return;
  const double dy = x[at(n)];
  const double cIn = x[at(n + 1)];
  const double cOut = x[at(n + 2)];

  // Strip i's width/mean-chord ratio, written as area / mean chord², kept for i < neq.
  double widths = 0;
  double previousChord = cIn;
  double outermost = 0;
  for (int i = 1; i <= n; ++i) {
    widths += x[at(i - 1)];
    const double chord = i < n ? cIn + (cOut - cIn) * widths / dy : cOut;
    const double mean = (previousChord + chord) / 2;
    const double area = mean * x[at(i - 1)];
    const double ratio = area / (mean * mean);
    if (i <= neq - 1) F[at(i - 1)] = ratio;
    if (i == n) outermost = ratio;
    previousChord = chord;
  }
  for (int i = 1; i <= neq - 1; ++i) F[at(i - 1)] -= outermost;

  double filled = 0;
  for (int i = 1; i <= neq; ++i) filled += x[at(i - 1)];
  F[at(neq - 1)] = dy - filled;
}

NewtonResult TRIM9M(int wing, int trapezium, int preset, std::span<double> x, const std::vector<bool>& free, int itmax,
                    int neq, int nvar) {
  NewtonResult out{preset, {}};
  if (neq <= 0) return out;
  const std::size_t size = at(neq);
  std::vector<double> F(size), shifted(size), jacobian(size * size), step(size);

  for (int it = 1; it <= itmax; ++it) {
    FCN(nvar, neq, F, x);
    double sum = 0;
    for (double f : F) sum += std::fabs(f);
    if (sum < kTolerance) continue;  // converged: no step in this pass, but the passes go on

    std::fill(jacobian.begin(), jacobian.end(), 0.0);
    std::size_t column = 0;
    for (int j = 0; j < nvar && column < size; ++j) {
      if (!free[at(j)]) continue;
      const double kept = x[at(j)];
      x[at(j)] += kStep;
      FCN(nvar, neq, shifted, x);
      for (std::size_t i = 0; i < size; ++i) jacobian[i * size + column] = (shifted[i] - F[i]) * kInverseStep;
      x[at(j)] = kept;
      ++column;
    }

    step = F;
    if (!SIMQ90(jacobian, step, neq)) {
      out.report.fail({MessageId::NewtonSingular});
    } else {
      column = 0;
      for (int j = 0; j < nvar && column < size; ++j)
        if (free[at(j)]) x[at(j)] -= step[column++];
    }

    if (it >= itmax) {
      out.report.fail({MessageId::NewtonNoConvergence, wing, trapezium});
      out.report.fail({MessageId::NewtonNoConvergenceAdvice});
      out.result = -itmax;
    } else {
      out.result = it;
    }
  }
  return out;
}

TrimResult TRAPEZ_TRIM(int wing, int trapezium, const TrapeziumShape& shape, int n, int n_chord) {
  TrimResult out;
  out.eta.assign(1, 0.0);
  if (n < 1) return out;
  const double rows = std::max(n_chord, 1);

  std::vector<double> x(at(n + 3), shape.dy / n);
  x[at(n)] = shape.dy;
  x[at(n + 1)] = shape.c_in;
  x[at(n + 2)] = shape.c_out;
  std::vector<bool> free(at(n + 3), false);
  std::fill(free.begin(), free.begin() + n, true);

  NewtonResult first = TRIM9M(wing, trapezium, kPreset, x, free, kPasses, n, n + 3);
  out.report.append(first.report);
  if (first.result <= 0 && n >= 3) {
    out.report.add({MessageId::TrimFirstStartFailed});
    const double firstWidth = shape.c_in / rows;
    const double lastWidth = shape.c_out / rows;
    x[0] = firstWidth;
    x[at(n - 1)] = lastWidth;
    for (int i = 1; i <= n - 2; ++i) x[at(i)] = (shape.dy - firstWidth - lastWidth) / (n - 2);
    // The result variable is not preset again: a second start that needs no step keeps −itmax.
    NewtonResult second = TRIM9M(wing, trapezium, first.result, x, free, kPasses, n, n + 3);
    out.report.append(second.report);
    out.report.fail(
        {second.result < 1 ? MessageId::TrimTrapeziumErrorShort : MessageId::TrimTrapeziumError, wing, trapezium});
  }

  double widths = 0;
  for (int i = 1; i <= n; ++i) {
    widths += x[at(i - 1)];
    out.eta.push_back(widths / shape.dy);
  }
  return out;
}

}  // namespace volantis4

#include "solver/refined_solve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <random>
#include <utility>
#include <vector>

#include "solver/loes.h"

namespace volantis4 {
namespace {

using Matrix = std::vector<double>;  // by rows

std::vector<float> rounded(const Matrix& m) { return {m.begin(), m.end()}; }

// A system with integer entries whose solution is known exactly: entries and x small integers,
// b = M·x (every sum exact in double). With a dominant diagonal no rows are swapped; without,
// nearly every column of the elimination swaps two rows.
struct IntegerSystem {
  Matrix m;
  std::vector<double> x, b;
};

IntegerSystem integerSystem(int n, unsigned seed, bool dominant) {
  std::mt19937 gen(seed);
  std::uniform_int_distribution<int> entry(-9, 9);
  const auto size = static_cast<std::size_t>(n);
  IntegerSystem s{Matrix(size * size), std::vector<double>(size), std::vector<double>(size, 0.0)};
  for (std::size_t i = 0; i < size; ++i) {
    for (std::size_t j = 0; j < size; ++j) s.m[i * size + j] = entry(gen);
    if (dominant || s.m[i * size + i] == 0) s.m[i * size + i] = 10.0 * n;
    s.x[i] = entry(gen);
  }
  for (std::size_t i = 0; i < size; ++i)
    for (std::size_t j = 0; j < size; ++j) s.b[i] += s.m[i * size + j] * s.x[j];
  return s;
}

// The solution to double accuracy in a few corrections, also across blocks of the single-precision
// elimination, which counts down once per block. The scale 0.5 keeps every product exact.
TEST(RefinedSolve, IntegerSystemsComeOutToTheLastDigits) {
  for (const auto& [n, dominant] :
       {std::pair{1, true}, {7, true}, {128, true}, {129, false}, {600, true}, {600, false}}) {
    SCOPED_TRACE(n);
    SCOPED_TRACE(dominant);
    const IntegerSystem s = integerSystem(n, 11u * static_cast<unsigned>(n), dominant);
    Matrix m = s.m;
    for (double& v : m) v *= 2;  // 0.5 × m is the system's matrix
    std::vector<float> single = rounded(m);
    std::vector<double> x(s.x.size());
    std::vector<int> seen;
    const RefinedSolve r = solveRefined(m, single, 0.5, s.b, x, n, [&](int remaining) { seen.push_back(remaining); });
    EXPECT_EQ(r.outcome, Refinement::Converged);
    EXPECT_LE(r.corrections, dominant ? 3 : 6);
    // Zero components to within the last digit of the entries of size 1.
    for (std::size_t i = 0; i < x.size(); ++i) EXPECT_NEAR(x[i], s.x[i], 4e-16 * std::max(std::fabs(s.x[i]), 1.0)) << i;
    std::vector<int> blocks;
    for (int done = detail::kSingleBlockWidth; done < n; done += detail::kSingleBlockWidth) blocks.push_back(n - done);
    blocks.push_back(0);
    EXPECT_EQ(seen, blocks);
  }
}

// 1e16 + 1 + … − 1e16 is the number of ones, which double sums lose (1e16 + 1 rounds to 1e16):
// the residual's rows are summed with more digits, compensated and extended, wherever the
// processor and the compiler offer them. 19 columns: two rounds of the compensated kernel's eight
// lanes and three left over; the large entries in different lanes.
TEST(RefinedSolve, ResidualKeepsDigitsThatDoubleSumsLose) {
  constexpr std::size_t n = 19;
  Matrix m(n * n, 0.0);
  for (std::size_t j = 0; j < n; ++j) m[j] = 1;
  m[0] = 1e16;
  m[13] = -1e16;
  std::vector<double> b(n);
  std::vector<double> expected(n);
  expected[0] = -2.0 * 17;
  for (std::size_t i = 1; i < n; ++i) {
    m[i * n + i] = 1;
    b[i] = static_cast<double>(i);
    expected[i] = static_cast<double>(i) - 2;
  }
  const std::pair<detail::ResidualSums, bool> kinds[] = {
      {detail::ResidualSums::Compensated, detail::residualSums() == detail::ResidualSums::Compensated},
      {detail::ResidualSums::Extended, std::numeric_limits<long double>::digits >= 64}};
  for (const auto& [sums, available] : kinds) {
    SCOPED_TRACE(static_cast<int>(sums));
    if (!available) continue;
    std::vector<double> r(n);
    detail::residual(m, 2.0, b, std::vector<double>(n, 1.0), r, static_cast<int>(n), sums);
    EXPECT_EQ(r, expected);
  }
}

// LOES with the matrix M of the system in double and single precision.
LoesResult loes(Matrix m) {
  std::vector<float> single = rounded(m);
  return LOES({static_cast<int>(std::sqrt(static_cast<double>(m.size()))), m, single});
}

// SIMQ902 on 0.0795775 × M, for a right-hand side of −1.
std::vector<double> doublePrecision(Matrix m) {
  for (double& v : m) v *= 0.0795775;
  std::vector<double> x(static_cast<std::size_t>(std::sqrt(static_cast<double>(m.size()))), -1.0);
  EXPECT_TRUE(SIMQ902(m, x, static_cast<int>(x.size())));
  return x;
}

// Where single precision cannot do it, LOES gives SIMQ902's solution, bit for bit: rows that round to
// the same single-precision numbers, and a Hilbert matrix (condition about 1e13) whose corrections grow.
TEST(RefinedSolve, FallsBackWhereSinglePrecisionFails) {
  const Matrix alike{1, 1 + std::ldexp(1.0, -30), 0, 1, 1, 0, 0, 0, 2};
  Matrix hilbert(100);
  for (std::size_t i = 0; i < 10; ++i)
    for (std::size_t j = 0; j < 10; ++j) hilbert[i * 10 + j] = 1.0 / static_cast<double>(i + j + 1);
  const std::pair<Matrix, Refinement> cases[] = {{alike, Refinement::ZeroPivot}, {hilbert, Refinement::NotConverging}};
  for (const auto& [m, outcome] : cases) {
    SCOPED_TRACE(m.size());
    const int n = static_cast<int>(std::sqrt(static_cast<double>(m.size())));
    std::vector<float> single = rounded(m);
    std::vector<double> x(static_cast<std::size_t>(n));
    const RefinedSolve refined = solveRefined(m, single, 1.0, std::vector<double>(x.size(), 1.0), x, n);
    EXPECT_EQ(refined.outcome, outcome);
    EXPECT_LE(refined.corrections, detail::kMaxCorrections);

    const LoesResult r = loes(m);
    EXPECT_TRUE(r.solved);
    EXPECT_FALSE(r.refined);
    EXPECT_EQ(r.gamma, doublePrecision(m));
  }
}

}  // namespace
}  // namespace volantis4

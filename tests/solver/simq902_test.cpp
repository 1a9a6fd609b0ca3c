#include "solver/simq902.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <numeric>
#include <random>
#include <vector>

#include "solver/simq90.h"

namespace volantis4 {
namespace {

using Matrix = std::vector<double>;  // by rows

Matrix randomMatrix(int n, unsigned seed) {
  std::mt19937_64 gen(seed);
  std::uniform_real_distribution<double> d(-1.0, 1.0);
  Matrix a(static_cast<std::size_t>(n * n));
  for (double& v : a) v = d(gen);
  return a;
}

std::vector<double> multiply(const Matrix& a, const std::vector<double>& x) {
  const std::size_t n = x.size();
  std::vector<double> b(n, 0.0);
  for (std::size_t r = 0; r < n; ++r)
    for (std::size_t c = 0; c < n; ++c) b[r] += a[r * n + c] * x[c];
  return b;
}

// A = P·L·U built from dyadic numbers: L unit lower with entries of magnitude at most 1/2, U upper
// with power-of-two diagonal, rows shuffled. Elimination then runs exactly in floating point and
// the pivot of each column is unique. A zero row `zeroRow` of U makes column `zeroRow` the first
// without a pivot.
Matrix exactMatrix(int n, unsigned seed, int zeroRow = -1) {
  std::mt19937 gen(seed);
  const double lValues[] = {0, 0.5, -0.5, 0.25, -0.25};
  const double uDiagonal[] = {1, -1, 2, -2, 4};
  std::uniform_int_distribution<int> pick(0, 4);
  std::uniform_int_distribution<int> small(-3, 3);
  const auto N = static_cast<std::size_t>(n);
  Matrix l(N * N, 0.0), u(N * N, 0.0), a(N * N, 0.0);
  for (std::size_t r = 0; r < N; ++r) {
    l[r * N + r] = 1;
    for (std::size_t c = 0; c < r; ++c) l[r * N + c] = lValues[pick(gen)];
    u[r * N + r] = uDiagonal[pick(gen)];
    for (std::size_t c = r + 1; c < N; ++c) u[r * N + c] = small(gen);
    if (static_cast<int>(r) == zeroRow) std::fill_n(u.begin() + static_cast<long>(r * N), N, 0.0);
  }
  std::vector<std::size_t> order(N);
  for (std::size_t i = 0; i < N; ++i) order[i] = i;
  std::shuffle(order.begin(), order.end(), gen);
  for (std::size_t r = 0; r < N; ++r)
    for (std::size_t c = 0; c < N; ++c)
      for (std::size_t m = 0; m < N; ++m) a[order[r] * N + c] += l[r * N + m] * u[m * N + c];
  return a;
}

std::vector<int> blockedPivots(Matrix a, int n, int width, int* singularColumn = nullptr) {
  std::vector<int> pivots(static_cast<std::size_t>(n), -1);
  const int s = detail::factorRows(a.data(), n, pivots.data(), {}, width);
  if (singularColumn) *singularColumn = s;
  if (s >= 0) pivots.resize(static_cast<std::size_t>(s));
  return pivots;
}

// SIMQ90, the plain elimination of the strip spacing, solves the same systems with the same pivot rule.
std::vector<double> solvedBySimq90(Matrix a, std::vector<double> b, int n) {
  if (!SIMQ90(a, b, n)) return {};
  return b;
}

// --- Solutions of general matrices ------------------------------------------------------------------

TEST(Simq902, AgreesWithSimq90ToRounding) {
  for (int n : {1, 2, 9, 95, 96, 97, 300, 401}) {
    SCOPED_TRACE(n);
    const auto N = static_cast<std::size_t>(n);
    const Matrix a = randomMatrix(n, 7u * static_cast<unsigned>(n));
    std::vector<double> xTrue(N);
    for (std::size_t i = 0; i < N; ++i) xTrue[i] = 1.0 + static_cast<double>(i % 7) * 0.25;
    const std::vector<double> b = multiply(a, xTrue);
    const std::vector<double> oracle = solvedBySimq90(a, b, n);
    ASSERT_EQ(oracle.size(), N);
    Matrix work = a;
    std::vector<double> x = b;
    ASSERT_TRUE(SIMQ902(work, x, n));
    for (std::size_t i = 0; i < N; ++i) {
      EXPECT_NEAR(x[i], oracle[i], 1e-10);
      EXPECT_NEAR(x[i], xTrue[i], 1e-9);
    }
  }
}

// --- Ties and exact pivot sequences ----------------------------------------------------------------

TEST(Simq902, EqualMagnitudesGoToTheLaterRow) {
  struct Case {
    const char* name;
    int n;
    Matrix a;
    std::vector<double> x;    // the solution
    std::vector<int> pivots;  // worked by hand
  };
  const Case cases[] = {
      // Column 1: 1, −1, 1 → row 3; then rows [0 1 2], [0 1 −1] tie again → row 3; last pivot 3.
      {"three-way ties", 3, {1, 2, 0, -1, 0, 1, 1, 1, 1}, {1, 2, 3}, {2, 2, 2}},
      {"opposite signs of equal size", 2, {-2, 1, 2, 1}, {1, 1}, {1, 1}},
      {"a strictly larger first row keeps its place", 2, {4, 1, 2, 3}, {1, -1}, {0, 1}},
      {"equal magnitudes below a larger pivot do not matter", 3, {5, 1, 0, 2, 4, 1, -2, 1, 3}, {1, 0, -1}, {0, 1, 2}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int width : {1, 2, 128}) EXPECT_EQ(blockedPivots(c.a, c.n, width), c.pivots) << "width " << width;
    Matrix work = c.a;
    std::vector<double> x = multiply(c.a, c.x);
    ASSERT_TRUE(SIMQ902(work, x, c.n));
    for (std::size_t i = 0; i < c.x.size(); ++i) EXPECT_NEAR(x[i], c.x[i], 1e-14);
  }
}

TEST(Simq902, ExactMatricesGiveTheSamePivotsForEveryWidth) {
  for (int n : {10, 37}) {
    const Matrix a = exactMatrix(n, 42u + static_cast<unsigned>(n));
    const std::vector<int> columnByColumn = blockedPivots(a, n, 1);
    for (int width : {3, 8, 16, 128})
      EXPECT_EQ(blockedPivots(a, n, width), columnByColumn) << "n " << n << " width " << width;
  }
}

// --- Singular matrices -----------------------------------------------------------------------------

TEST(Simq902, SingularStopsAtTheSameColumnAndLeavesBAsGiven) {
  auto zeroColumn = [](int n, int column) {
    Matrix a = randomMatrix(n, 5u);
    for (int r = 0; r < n; ++r)
      a[static_cast<std::size_t>(r) * static_cast<std::size_t>(n) + static_cast<std::size_t>(column)] = 0.0;
    return a;
  };
  struct Case {
    const char* name;
    int n;
    Matrix a;
    int column;  // first column without a pivot
  };
  const Case cases[] = {{"one by one zero", 1, {0.0}, 0},
                        {"all zero", 4, Matrix(16, 0.0), 0},
                        {"zero first column", 10, zeroColumn(10, 0), 0},
                        {"zero last column", 10, zeroColumn(10, 9), 9},
                        {"rank deficient at 2", 10, exactMatrix(10, 11u, 2), 2},
                        {"rank deficient last", 10, exactMatrix(10, 13u, 9), 9},
                        {"rank deficient in the third panel", 23, exactMatrix(23, 14u, 17), 17}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto N = static_cast<std::size_t>(c.n);
    EXPECT_TRUE(solvedBySimq90(c.a, std::vector<double>(N, 1.0), c.n).empty());
    for (int width : {1, 4, 128}) {
      int singular = -2;
      blockedPivots(c.a, c.n, width, &singular);
      EXPECT_EQ(singular, c.column) << "width " << width;
    }
    Matrix work = c.a;
    std::vector<double> b(N, -1.0);
    EXPECT_FALSE(SIMQ902(work, b, c.n));
    EXPECT_EQ(b, std::vector<double>(N, -1.0));
  }
}

// --- Countdown and small cases -----------------------------------------------------------------------

TEST(Simq902, CountsDownAfterEveryColumn) {
  for (int n : {1, 5, 130}) {
    Matrix a = randomMatrix(n, 3u);
    std::vector<double> b(static_cast<std::size_t>(n), 1.0);
    std::vector<int> seen;
    ASSERT_TRUE(SIMQ902(a, b, n, [&](int remaining) { seen.push_back(remaining); }));
    std::vector<int> countdown(static_cast<std::size_t>(n));
    std::iota(countdown.rbegin(), countdown.rend(), 0);  // n − 1 … 0
    EXPECT_EQ(seen, countdown) << "n " << n;
  }
}

TEST(Simq902, CountdownStopsBeforeTheSingularColumn) {
  Matrix a = randomMatrix(6, 9u);
  for (std::size_t r = 0; r < 6; ++r) a[r * 6 + 3] = 0.0;
  std::vector<double> b(6, 1.0);
  std::vector<int> seen;
  EXPECT_FALSE(SIMQ902(a, b, 6, [&](int remaining) { seen.push_back(remaining); }));
  EXPECT_EQ(seen, (std::vector<int>{5, 4, 3}));
}

TEST(Simq902, OneUnknownAndNone) {
  Matrix a{-4.0};
  std::vector<double> b{2.0};
  ASSERT_TRUE(SIMQ902(a, b, 1));
  EXPECT_EQ(b[0], -0.5);
  EXPECT_TRUE(SIMQ902(std::span<double>{}, std::span<double>{}, 0));
}

// The cancel flag is read before each block of columns: raised in the first block (at its tenth
// column), the elimination ends with that block, b stays as given and the system is not solved.
TEST(Simq902, ACancelRaisedInTheFirstBlockEndsTheEliminationWithIt) {
  const int n = 500;
  Matrix a = randomMatrix(n, 11);
  std::vector<double> b(static_cast<std::size_t>(n), 1.0);
  std::atomic<bool> cancel{false};
  int columns = 0;
  const bool solved = SIMQ902(
      a, b, n,
      [&](int) {
        if (++columns == 10) cancel = true;
      },
      &cancel);
  EXPECT_FALSE(solved);
  EXPECT_EQ(columns, detail::kSolveBlockWidth);
  EXPECT_TRUE(std::all_of(b.begin(), b.end(), [](double v) { return v == 1.0; }));
}

}  // namespace
}  // namespace volantis4

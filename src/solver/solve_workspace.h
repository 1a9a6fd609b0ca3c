#pragma once
// The run's matrices, kept from run to run: a run allocates and clears nothing of its n × n system.

#include <cstddef>
#include <memory>
#include <span>

namespace volantis4 {

/// The influence matrix in double precision and the same entries rounded to single precision,
/// each n × n by rows. The blocks grow to the largest system asked for and are then reused; their
/// entries are never cleared (every entry in use is written before it is read), so a run touches
/// only the n × n entries it uses.
class SolveWorkspace {
 public:
  /// Blocks for an n × n system (a larger block of an earlier run is kept). Entries in use are left
  /// as they are.
  void reserve(std::size_t n);
  /// The first n × n entries of each block (reserve(n) first).
  std::span<double> matrix(std::size_t n) const { return {matrix_.get(), n * n}; }
  std::span<float> single(std::size_t n) const { return {single_.get(), n * n}; }
  /// Entries each block holds.
  std::size_t capacity() const { return capacity_; }
  /// Gives the blocks back.
  void release();
  /// Gives the blocks back when they hold more than an n × n system.
  void keepAtMost(std::size_t n);

  /// The calling thread's workspace: every thread that runs the stages (the window's, the
  /// report's worker, the command line's) holds its own, until the thread ends: 12·n² bytes for
  /// its largest system of the standard capacity (108 MB for 3000 unknowns). The stages give back
  /// the blocks of a larger system (the finer lattice) after its run.
  static SolveWorkspace& ofThisThread();

 private:
  std::unique_ptr<double[]> matrix_;
  std::unique_ptr<float[]> single_;
  std::size_t capacity_ = 0;
};

}  // namespace volantis4

// The influence matrix compiled once more with multiply-adds contracted (see CMakeLists.txt): this
// copy replaces the library's in the contraction test program.
#include "solver/einfluss.cpp"  // NOLINT(bugprone-suspicious-include)

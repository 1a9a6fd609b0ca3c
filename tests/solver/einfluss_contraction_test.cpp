// The same aircraft gives the same answer whether the compiler contracts the influence loop's
// multiply-adds or not: this program's EINFLUSS is built with fused multiply-adds, the ordinary
// volantis4-cli without them.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "files/document_io.h"
#include "model/document.h"
#include "solver/calculation_output.h"
#include "solver/calculation_run.h"

namespace volantis4 {
namespace {

std::string commandOutput(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  std::array<char, 4096> buffer{};
  while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) out.append(buffer.data(), n);
  pclose(pipe);
  return out;
}

void expectRelativelyNear(double got, double expected, double tolerance) {
  EXPECT_NEAR(got, expected, tolerance * std::fabs(expected));
}

TEST(Contraction, ExamplesGiveTheSameResultsWithFusedMultiplyAdds) {
  if (__builtin_cpu_supports("fma") == 0) GTEST_SKIP() << "this processor has no fused multiply-add";
  for (const char* name : {"trainer", "canard", "tandem", "flying_wing"}) {
    SCOPED_TRACE(name);
    const std::string file = std::string(VOLANTIS4_EXAMPLES_DIR) + "/" + name + ".vn4";
    Document doc;
    ASSERT_FALSE(openDocument(doc, file).has_value());
    ASSERT_TRUE(Button4Click(doc));
    const auto ordinary =
        nlohmann::json::parse(commandOutput(std::string(VOLANTIS4_CLI) + " calc '" + file + "' --json"));
    expectRelativelyNear(doc.results.xnp, ordinary.at("xnp").get<double>(), 1e-12);
    const auto& wings = ordinary.at("wings");
    ASSERT_EQ(wings.size(), static_cast<std::size_t>(doc.output->lattice.wingsInUse));
    for (std::size_t i = 0; i < wings.size(); ++i) {
      const WingVortexResult& w = doc.output->vortex.wings[i];
      expectRelativelyNear(w.lift_slope, wings[i].at("lift_slope").get<double>(), 1e-12);
      expectRelativelyNear(w.ac_x, wings[i].at("ac_x").get<double>(), 1e-12);
    }
    // The trainer's round numbers put control points on other strips' segment lines.
    if (std::string(name) == "trainer") expectRelativelyNear(doc.results.xnp, 122.3159, 1e-6);
  }
}

}  // namespace
}  // namespace volantis4

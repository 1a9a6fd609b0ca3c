#include "cli.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

namespace volantis4 {
namespace {

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

CliResult run(std::vector<const char*> args) {
  args.insert(args.begin(), "volantis4-cli");
  std::ostringstream out, err;
  const int status = runCli(static_cast<int>(args.size()), args.data(), out, err);
  return {status, out.str(), err.str()};
}

TEST(CliGeometry, PrintsTheWingPageLabels) {
  const CliResult r = run({"geometry"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("wing span (b): 2200mm\n"), std::string::npos);
  EXPECT_NE(r.out.find("wing area (S): 71.82dm^2\n"), std::string::npos);
  EXPECT_NE(r.out.find("aspect ratio (lam):  6.7\n"), std::string::npos);
  EXPECT_NE(r.out.find("stations: 0 220 984 1034 1100\n"), std::string::npos);
  EXPECT_NE(r.out.find("Wing 5\n"), std::string::npos);
}

TEST(CliGeometry, JsonCarriesFullPrecision) {
  const CliResult r = run({"geometry", "--json"});
  ASSERT_EQ(r.status, 0);
  const auto doc = nlohmann::json::parse(r.out);
  ASSERT_EQ(doc["wings"].size(), 5u);
  const auto& w1 = doc["wings"][0];
  EXPECT_EQ(w1["wing"], 1);
  EXPECT_EQ(w1["S"].get<double>(), 718170.0);
  EXPECT_NEAR(w1["lm"].get<double>(), 329.7477, 1e-4);
  EXPECT_EQ(w1["stations"], nlohmann::json::array({0, 220, 984, 1034, 1100}));
  EXPECT_EQ(doc["wings"][4]["stations"][0], 300);
}

TEST(CliUsage, UnknownCommandIsAUsageError) {
  EXPECT_EQ(run({"fly"}).status, 2);
  EXPECT_EQ(run({}).status, 2);
  const CliResult help = run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("geometry"), std::string::npos);
}

}  // namespace
}  // namespace volantis4

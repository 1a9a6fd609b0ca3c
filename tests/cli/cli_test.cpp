#include "cli/cli.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "cli_run.h"
#include "files/atomic_write.h"
#include "test_data.h"

namespace volantis4 {
namespace {

using testing_support::CliResult;
using testing_support::runCliWith;

// The default aircraft's figures through the command line against the golden file (lines starting
// with "#" there say how each figure was checked).
TEST(CliGolden, DefaultAircraftGeometryAndCalculation) {
  const CliResult geometry = runCliWith({"geometry"});
  const CliResult calc = runCliWith({"calc"});
  const CliResult json = runCliWith({"calc", "--json"});
  ASSERT_EQ(geometry.status, 0);
  ASSERT_EQ(calc.status, 0);
  ASSERT_EQ(json.status, 0);
  const auto j = nlohmann::json::parse(json.out);
  std::string figures = "N = " + std::to_string(j["n_panels"].get<int>()) + "\n";
  for (const auto& w : j["wings"]) {
    char slope[64];
    std::snprintf(slope, sizeof slope, "wing %d: lift slope %.4f\n", w["wing"].get<int>(),
                  w["lift_slope"].get<double>());
    figures += slope;
  }
  std::string golden;
  std::istringstream lines(testing_support::dataFile("cli/data/default_aircraft.txt"));
  for (std::string line; std::getline(lines, line);)
    if (!line.starts_with("#")) golden += line + "\n";
  EXPECT_EQ("$ volantis4-cli geometry\n" + geometry.out + "$ volantis4-cli calc\n" + calc.out +
                "$ volantis4-cli calc --json\n" + figures,
            golden);
}

TEST(CliGeometry, JsonCarriesFullPrecision) {
  const CliResult r = runCliWith({"geometry", "--json"});
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

TEST(CliValidate, PrintsEachPlanformPublishedBesideComputed) {
  const CliResult r = runCliWith({"validate"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("Lift slope of classic planforms, published beside computed\n", 0), 0u);
  EXPECT_NE(r.out.find("  published: 2.743 /rad (lifting-surface theory)\n"), std::string::npos);
  EXPECT_NE(r.out.find("  published: 4.529 /rad (Helmbold's formula)\n"), std::string::npos);
}

TEST(CliUsage, UnknownCommandIsAUsageError) {
  EXPECT_EQ(runCliWith({"fly"}).status, 2);
  EXPECT_EQ(runCliWith({}).status, 2);
  const CliResult help = runCliWith({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("geometry"), std::string::npos);
}

TEST(CliCalc, JsonHoldsTheRunAndTheProposal) {
  const CliResult r = runCliWith({"calc", "--json", "--margin", "10"});
  ASSERT_EQ(r.status, 0);
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["wings_count"], 5);
  EXPECT_EQ(j["calc_failed"], false);
  EXPECT_EQ(j["messages"], nlohmann::json::array({"Error: "}));
  EXPECT_EQ(j["messages_shown"], false);
  EXPECT_EQ(j["margins"], nlohmann::json::array({8.0, 16.0}));
  // x_ac 116.5246 less 10 % and 16 % of lm 329.7477 (the golden figures).
  EXPECT_NEAR(j["x_cg_manual"].get<double>(), 83.5498, 1e-4);
  EXPECT_NEAR(j["x_cg_high"].get<double>(), 63.7649, 1e-4);
  EXPECT_EQ(j["wing_z"], nlohmann::json::array({-190, 0, 240, -60, -350}));
  // Wing 2 sits at x = 1167: its centre 61.45 mm behind its root leading edge lies at 1228.45.
  EXPECT_NEAR(j["wings"][1]["ac_rel"].get<double>(), 61.4548, 1e-4);
  EXPECT_NEAR(j["wings"][1]["ac_x"].get<double>(), 1228.4548, 1e-4);
}

TEST(CliCalc, MarginTakesADecimalComma) {
  const CliResult r = runCliWith({"calc", "--json", "--margin", "12,5"});
  ASSERT_EQ(r.status, 0) << r.err;
  // x_ac 116.5246 less 12.5 % of lm 329.7477 (the golden figures).
  EXPECT_NEAR(nlohmann::json::parse(r.out)["x_cg_manual"].get<double>(), 75.3061, 2e-4);
  EXPECT_EQ(runCliWith({"calc", "--margin", "12,5x"}).status, 2);
}

TEST(CliCalc, GermanLegend) {
  const CliResult r = runCliWith({"calc", "--lang", "de"});
  EXPECT_NE(r.out.find("Bezugsfläche (S): 71.82dm^2 \n"), std::string::npos);
  EXPECT_NE(r.out.find("x_SP (16%): "), std::string::npos);
}

TEST(CliCalc, FileArgumentsAndSaving) {
  const std::string dir = ::testing::TempDir();
  const std::string out = dir + "/cli_saved";
  ASSERT_EQ(runCliWith({"calc", "--save", out.c_str()}).status, 0);
  const std::string saved = out + ".vn4";  // the Save command's name adjustment
  const CliResult again = runCliWith({"calc", "--json", saved.c_str()});
  ASSERT_EQ(again.status, 0);
  EXPECT_EQ(nlohmann::json::parse(again.out)["n_panels"], 1144);
  // As at the window's start: a name that does not exist is tried with its file part lower-cased.
  EXPECT_EQ(runCliWith({"calc", (dir + "/CLI_SAVED.VN4").c_str()}).status, 0);

  const CliResult missing = runCliWith({"calc", (dir + "/no_such_file.vn4").c_str()});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("no_such_file.vn4"), std::string::npos);
  EXPECT_EQ(runCliWith({"calc", "--lang", "fr"}).status, 2);
  EXPECT_EQ(runCliWith({"calc", "--margin", "abc"}).status, 2);
}

TEST(CliCalc, SaveNamesOpenWouldRefuseAndEmptyNamesAreRefusedBeforeAnythingRuns) {
  const std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) / "cli_patterns";
  std::filesystem::create_directories(dir);
  const std::pair<const char*, const char*> names[] = {
      {"*.vn4", "*.vn4"}, {"*", "*.vn4"}, {"*.da4", "*.vn4"}, {"*.VN4", "*.VN4"}};  // as given, as adjusted
  for (const auto& [given, adjusted] : names) {
    const std::string name = (dir / given).string();
    const CliResult r = runCliWith({"calc", "--save", name.c_str()});
    EXPECT_EQ(r.status, 2) << given;
    EXPECT_EQ(r.out, "");  // refused before the run
    EXPECT_EQ(
        r.err.rfind("\"" + (dir / adjusted).string() +
                        "\" is a file name pattern, not a file: nothing was written, as Open would not read it.\n",
                    0),
        0u)
        << r.err;
  }
  const CliResult empty = runCliWith({"calc", "--save", ""});
  EXPECT_EQ(empty.status, 2);
  EXPECT_EQ(empty.err.rfind("--save: the output file name is empty\n", 0), 0u);
  EXPECT_TRUE(std::filesystem::is_empty(dir));
  std::filesystem::remove_all(dir);
}

TEST(CliCalc, ASaveKilledWhileWritingInPlaceIsRefusedNamingItsCopyWhichSavesItBack) {
  const std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) / "cli_killed";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "plane.vn4").string(), link = (dir / "link.vn4").string();
  ASSERT_EQ(runCliWith({"calc", "--save", path.c_str()}).status, 0);
  std::filesystem::create_hard_link(path, link);  // saved in place, so that both names see it

  const pid_t child = ::fork();
  if (child == 0) {
    detail::setWriteHooks({.write = {}, .reached = [](WriteStage stage) {
                             if (stage == WriteStage::Emptied) ::raise(SIGKILL);
                           }});
    (void)runCliWith({"calc", "--save", path.c_str()});
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));

  const std::vector<std::string> copies = keptCopies(path);
  ASSERT_EQ(copies.size(), 1u);
  const CliResult refused = runCliWith({"calc", path.c_str()});
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("it is incomplete"), std::string::npos);
  EXPECT_NE(refused.err.find("kept in \"" + copies[0] + "\""), std::string::npos) << refused.err;
  // The copy opens, and saving it over the file completes: nothing is left behind.
  ASSERT_EQ(runCliWith({"calc", copies[0].c_str(), "--save", path.c_str()}).status, 0);
  EXPECT_EQ(runCliWith({"calc", link.c_str()}).status, 0);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace volantis4

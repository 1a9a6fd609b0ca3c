#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <vector>

#include "cli_run.h"
#include "files/aircraft_file.h"
#include "test_data.h"

namespace volantis4 {
namespace {

using testing_support::CliResult;
using testing_support::runCliWith;

std::set<std::string> keysOf(const nlohmann::json& j) {
  std::set<std::string> keys;
  for (auto it = j.begin(); it != j.end(); ++it) keys.insert(it.key());
  return keys;
}

TEST(CliReport, JsonHasExactlyTheReportKeys) {
  const CliResult r = runCliWith({"report", "--json", "--cg", "80", "--mass", "2000", "--ballast-at", "-100"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(keysOf(j),
            (std::set<std::string>{"xnp", "lmue", "sb", "ref_wing", "ref_root_le_x", "x_le_ref", "np_percent_mac",
                                   "np_from_root_le", "cg", "fine", "wings", "balance", "fuselage"}));
  EXPECT_TRUE(j["fuselage"].is_null());
  ASSERT_EQ(j["cg"].size(), 3u);
  EXPECT_EQ(j["cg"][0]["name"], "low");
  EXPECT_EQ(j["cg"][2]["name"], "manual");
  EXPECT_EQ(keysOf(j["cg"][1]), (std::set<std::string>{"name", "margin", "x", "from_root_le", "percent_mac"}));
  EXPECT_EQ(keysOf(j["fine"]),
            (std::set<std::string>{"available", "n_panels", "xnp", "xnp_converged", "band_mm", "band_percent_mac"}));
  ASSERT_EQ(j["wings"].size(), 5u);
  EXPECT_EQ(keysOf(j["wings"][0]), (std::set<std::string>{"wing", "lift_share", "lift_slope", "lift_slope_alone",
                                                          "effectiveness", "volume", "dxnp_per_10mm"}));
  EXPECT_TRUE(j["wings"][0]["volume"].is_null());  // wing 1 is the reference
  EXPECT_EQ(keysOf(j["balance"]), (std::set<std::string>{"x_cg", "from_root_le", "static_margin", "target_x",
                                                         "shift_mm", "ballast_g", "move_mm"}));
  // Wing 1 at x = 0 is the reference: 80 mm from its root leading edge is x 80; no mass to move.
  EXPECT_EQ(j["balance"]["x_cg"], 80.0);
  EXPECT_TRUE(j["balance"]["move_mm"].is_null());
  EXPECT_EQ(j["balance"]["target_x"], j["cg"][2]["x"]);
}

TEST(CliReport, WithoutWeighingThereIsNoBalance) {
  const CliResult r = runCliWith({"report", "--json", "--margin", "10"});
  ASSERT_EQ(r.status, 0);
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_FALSE(j.contains("balance"));
  EXPECT_EQ(j["cg"][2]["margin"], 10.0);
}

// The readable report, every part in both languages, against the golden file (its "#" lines say how
// each figure was checked by hand).
TEST(CliReport, TrainerWithWeighingMatchesTheGoldenReportInBothLanguages) {
  const std::string trainer = std::string(VOLANTIS4_EXAMPLES_DIR) + "/trainer.vn4";
  const CliResult en = runCliWith(
      {"report", trainer.c_str(), "--cg", "90", "--mass", "1500", "--ballast-at", "300", "--move-mass", "200"});
  const CliResult de = runCliWith({"report", trainer.c_str(), "--support", "-100:300", "--support", "250:1200",
                                   "--target", "high", "--ballast-at", "-200", "--lang", "de"});
  ASSERT_EQ(en.status, 0) << en.err;
  ASSERT_EQ(de.status, 0) << de.err;
  std::string golden;
  std::istringstream lines(testing_support::dataFile("cli/data/trainer_report.txt"));
  for (std::string line; std::getline(lines, line);)
    if (!line.starts_with("#")) golden += line + "\n";
  EXPECT_EQ("$ volantis4-cli report trainer.vn4 --cg 90 --mass 1500 --ballast-at 300 --move-mass 200\n" + en.out +
                "$ volantis4-cli report trainer.vn4 --support -100:300 --support 250:1200 --target high "
                "--ballast-at -200 --lang de\n" +
                de.out,
            golden);
}

TEST(CliReport, FileBalanceInputsUnlessWeighingOptionsAreGiven) {
  // The default aircraft (wing 1 at x = 0 the reference) weighed at 80 mm with 2000 g.
  const std::string path = ::testing::TempDir() + "weighed_report.vn4";
  const BalanceInputs inputs{{{80, 2000}}, CgTarget::Manual, std::nullopt, 250.0};
  ASSERT_TRUE(std::holds_alternative<SavedAircraft>(saveAircraft(path, defaultForm(), std::nullopt, inputs)));
  const auto balance = [&path](std::vector<const char*> options) {
    options.insert(options.begin(), {"report", "--json", path.c_str()});
    const CliResult r = runCliWith(options);
    EXPECT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    return std::pair{j["balance"], j["cg"]};
  };
  const auto [file, cg] = balance({});
  EXPECT_EQ(file["x_cg"], 80.0);
  EXPECT_EQ(file["target_x"], cg[2]["x"]);
  // Moving the 250 g mass: 2000·(target − 80)/250 mm.
  EXPECT_DOUBLE_EQ(file["move_mm"].get<double>(), 8 * (cg[2]["x"].get<double>() - 80));
  const auto [target, cg2] = balance({"--target", "low", "--move-mass", "500"});
  EXPECT_EQ(target["x_cg"], 80.0);
  EXPECT_EQ(target["target_x"], cg2[0]["x"]);
  EXPECT_DOUBLE_EQ(target["move_mm"].get<double>(), 4 * (cg2[0]["x"].get<double>() - 80));
  const auto [weighed, cg3] = balance({"--support", "0:300", "--support", "100:100"});
  EXPECT_EQ(weighed["x_cg"], 25.0);  // 100·100/400
  EXPECT_TRUE(weighed["move_mm"].is_null());
}

TEST(CliReport, UsageErrorsAreRefusedWithStatusTwo) {
  const std::vector<std::vector<const char*>> cases{
      {"--cg", "50"},           // no mass
      {"--support", "10:500"},  // one support
      {"--support", "10", "--support", "20:5"},
      {"--cg", "5", "--mass", "9", "--support", "1:2", "--support", "3:4"},
      {"--cg", "5", "--mass", "0"},
      {"--ballast-at", "-50"},  // ballast without weighing
      {"--cg", "5", "--mass", "9", "--target", "middle"},
      {"/nonexistent/plane.vn4"}};
  for (std::vector<const char*> args : cases) {
    SCOPED_TRACE(::testing::PrintToString(args));
    args.insert(args.begin(), "report");
    const CliResult r = runCliWith(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_FALSE(r.err.empty());
  }
}

// The fuselage from the options, and from the file when they give none: the JSON object's keys,
// its stations as given, the centres of gravity on its neutral point.
TEST(CliReport, FuselageFromTheOptionsOrTheFile) {
  const std::string trainer = std::string(VOLANTIS4_EXAMPLES_DIR) + "/trainer.vn4";
  const CliResult r = runCliWith({"report", trainer.c_str(), "--json", "--fuselage", "-330:0", "--fuselage", "0:110",
                                  "--fuselage", "900:30", "--fuselage-z", "-20"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto f = nlohmann::json::parse(r.out)["fuselage"];
  EXPECT_EQ(keysOf(f), (std::set<std::string>{"stations", "z", "cm_alpha", "cl_alpha", "shift_mm", "shift_percent_mac",
                                              "xnp", "np_percent_mac", "empirical", "suspect_wings", "cg"}));
  EXPECT_EQ(f["stations"], nlohmann::json::parse(R"([{"x":-330,"w":0},{"x":0,"w":110},{"x":900,"w":30}])"));
  EXPECT_EQ(f["z"], -20);
  EXPECT_EQ(keysOf(f["empirical"]),
            (std::set<std::string>{"x_quarter_chord", "k_f", "cm_alpha", "shift_mm", "shift_percent_mac"}));
  // Quarter chord of the 250 mm root at 62.5: (62.5 + 330) / 1230.
  EXPECT_DOUBLE_EQ(f["empirical"]["x_quarter_chord"].get<double>(), 392.5 / 1230);
  EXPECT_EQ(f["suspect_wings"], nlohmann::json::array());
  const double lmue = nlohmann::json::parse(r.out)["lmue"].get<double>();
  EXPECT_DOUBLE_EQ(f["cg"][1]["x"].get<double>(), f["xnp"].get<double>() - 0.16 * lmue);
  EXPECT_LT(f["shift_mm"].get<double>(), 0);

  // Saved with the aircraft, the report reads it back; --fuselage-z alone changes only the height.
  const std::string path = ::testing::TempDir() + "with_body.vn4";
  const FuselageInput body{{{-330, 0}, {0, 110}, {900, 30}}, -20};
  ASSERT_TRUE(
      std::holds_alternative<SavedAircraft>(saveAircraft(path, defaultForm(), std::nullopt, std::nullopt, body)));
  const CliResult fromFile = runCliWith({"report", path.c_str(), "--json"});
  const CliResult lifted = runCliWith({"report", path.c_str(), "--json", "--fuselage-z", "30"});
  ASSERT_EQ(fromFile.status, 0);
  EXPECT_EQ(nlohmann::json::parse(fromFile.out)["fuselage"]["z"], -20);
  EXPECT_EQ(nlohmann::json::parse(lifted.out)["fuselage"]["z"], 30);
  EXPECT_EQ(nlohmann::json::parse(lifted.out)["fuselage"]["stations"].size(), 3u);
  // calc opens the file and says what it always said.
  EXPECT_EQ(runCliWith({"calc", path.c_str()}).out, runCliWith({"calc"}).out);
}

TEST(CliReport, UnusableFuselageOptionsAreUsageErrors) {
  std::vector<const char*> twentyOne{"report"};
  std::vector<std::string> stations;
  stations.reserve(21);
  for (int i = 0; i < 21; ++i) stations.push_back("--fuselage=" + std::to_string(10 * i) + ":50");
  for (const std::string& s : stations) twentyOne.push_back(s.c_str());
  const std::pair<std::vector<const char*>, std::string> cases[] = {
      {{"report", "--fuselage", "0:50"}, "--fuselage: a fuselage needs at least 2 stations"},
      {{"report", "--fuselage", "0:50", "--fuselage", "0:60"}, "--fuselage: station 2 does not lie behind station 1"},
      {{"report", "--fuselage", "0:50", "--fuselage", "100:-1"}, "--fuselage: station 2 has a width below 0 mm"},
      {{"report", "--fuselage", "0:50", "--fuselage", "1e2:40"},
       "--fuselage 1e2:40: expected X:W, a position and a width in whole millimetres"},
      {{"report", "--fuselage", "0:50", "--fuselage", "100"},
       "--fuselage 100: expected X:W, a position and a width in whole millimetres"},
      {{"report", "--fuselage-z", "10"}, "--fuselage-z needs --fuselage stations or an aircraft file with a fuselage"},
      {{"report", "--fuselage", "0:50", "--fuselage", "100:40", "--fuselage-z", "up"},
       "--fuselage-z up: expected a height in whole millimetres"},
      {twentyOne, "--fuselage: a fuselage has at most 20 stations"}};
  for (const auto& [args, message] : cases) {
    SCOPED_TRACE(message);
    const CliResult r = runCliWith(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(r.err.substr(0, r.err.find('\n')), message);
  }
}

// True when a text shows "nan" or "inf" as a word (in any case), as a number that is none would be printed.
bool showsNoNumber(const std::string& text) {
  const auto letter = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
  for (const char* word : {"nan", "inf"})
    for (std::size_t at = 0; at + 3 <= text.size(); ++at) {
      const bool same = std::equal(word, word + 3, text.begin() + static_cast<std::ptrdiff_t>(at),
                                   [](char w, char c) { return w == std::tolower(static_cast<unsigned char>(c)); });
      if (same && (at == 0 || !letter(text[at - 1])) && (at + 3 == text.size() || !letter(text[at + 3]))) return true;
    }
  return false;
}

TEST(CliReport, HostileWeighingNumbersAreRefusedNamingTheOptionAndTheValue) {
  struct Case {
    std::vector<const char*> args;
    std::string named;  // the option and value the refusal names
  };
  const std::string huge = "1" + std::string(308, '0');  // 1e308 in fixed notation
  const Case cases[] = {{{"--cg", "nan", "--mass", "1000"}, "--cg nan"},
                        {{"--cg", "inf", "--mass", "1000"}, "--cg inf"},
                        {{"--cg", "1e308", "--mass", "1000"}, "--cg 1e308"},
                        {{"--cg", huge.c_str(), "--mass", "1000"}, "--cg " + huge},
                        {{"--cg", "100000.5", "--mass", "1000"}, "--cg 100000.5"},
                        {{"--cg", "0x10", "--mass", "1000"}, "--cg 0x10"},
                        {{"--cg", "50", "--mass", "inf"}, "--mass inf"},
                        {{"--cg", "50", "--mass", "1e308"}, "--mass 1e308"},
                        {{"--cg", "50", "--mass", "nan"}, "--mass nan"},
                        {{"--cg", "50", "--mass", "0"}, "--mass 0"},
                        {{"--cg", "50", "--mass", "1000000.5"}, "--mass 1000000.5"},
                        {{"--support", "nan:500", "--support", "0:500"}, "--support nan:500"},
                        {{"--support", "inf:500", "--support", "0:500"}, "--support inf:500"},
                        {{"--support", "0:inf", "--support", "0:500"}, "--support 0:inf"},
                        {{"--support", "1e308:500", "--support", "0:500"}, "--support 1e308:500"},
                        {{"--support", "0x10:500", "--support", "0:500"}, "--support 0x10:500"},
                        {{"--support", "0:-100", "--support", "0:500"}, "--support 0:-100"},
                        {{"--cg", "50", "--mass", "1000", "--ballast-at", "nan"}, "--ballast-at nan"},
                        {{"--cg", "50", "--mass", "1000", "--ballast-at", "-100001"}, "--ballast-at -100001"},
                        {{"--cg", "50", "--mass", "1000", "--move-mass", "inf"}, "--move-mass inf"},
                        {{"--cg", "50", "--mass", "1000", "--move-mass", "0"}, "--move-mass 0"},
                        {{"--cg", "50", "--mass", "1000", "--move-mass", "1e-320"}, "--move-mass 1e-320"}};
  for (const Case& c : cases) {
    for (const bool json : {false, true}) {
      std::vector<const char*> args{"report"};
      if (json) args.push_back("--json");
      args.insert(args.end(), c.args.begin(), c.args.end());
      SCOPED_TRACE(::testing::PrintToString(args));
      const CliResult r = runCliWith(args);
      EXPECT_EQ(r.status, 2);
      EXPECT_EQ(r.err.rfind(c.named + ": not a usable value. ", 0), 0u) << r.err;
      if (!json) {
        EXPECT_EQ(r.out, "");
        continue;
      }
      const auto j = nlohmann::json::parse(r.out);  // one object, and nothing else
      EXPECT_EQ(keysOf(j), std::set<std::string>{"error"});
      EXPECT_EQ(j["error"]["kind"], "usage");
      EXPECT_EQ(j["error"]["message"].get<std::string>().rfind(c.named, 0), 0u);
    }
  }
}

TEST(CliReport, WeighingNumbersAtTheirLimitsAreUsed) {
  // The stated limits: positions within ±100 m, masses above 0 and at most 1000 kg.
  const CliResult r = runCliWith(
      {"report", "--json", "--cg", "-100000", "--mass", "1000000", "--ballast-at", "100000", "--move-mass", "1000000"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["balance"]["x_cg"], -100000.0);  // wing 1 at x = 0 is the reference
  // The whole mass moved: as far as the centre of gravity must go.
  EXPECT_DOUBLE_EQ(j["balance"]["move_mm"].get<double>(), j["balance"]["shift_mm"].get<double>());
  const CliResult supports = runCliWith({"report", "--json", "--support", "0:0", "--support", "100000:1000000"});
  ASSERT_EQ(supports.status, 0) << supports.err;
  EXPECT_EQ(nlohmann::json::parse(supports.out)["balance"]["x_cg"], 100000.0);
}

TEST(CliReport, NoFigureIsPrintedAsNanOrInf) {
  // A file whose mass to move is a subnormal number: the move it asks for is beyond any number.
  const std::string path = ::testing::TempDir() + "tiny_move.vn4";
  const BalanceInputs inputs{{{50, 1000}}, CgTarget::Manual, std::nullopt, 1e-320};
  ASSERT_TRUE(std::holds_alternative<SavedAircraft>(saveAircraft(path, defaultForm(), std::nullopt, inputs)));
  const CliResult tiny = runCliWith({"report", path.c_str()});
  ASSERT_EQ(tiny.status, 0) << tiny.err;
  EXPECT_NE(tiny.out.find("\n  or move 0 g: the distance needed is too large to state\n"), std::string::npos);
  EXPECT_FALSE(showsNoNumber(tiny.out)) << tiny.out;
  // A margin whose centre of gravity lies beyond any number is refused; a large finite one keeps
  // the formula x = xnp - lmue·margin/100.
  for (const char* command : {"report", "calc"}) {
    const CliResult r = runCliWith({command, "--margin", "1e308"});
    EXPECT_EQ(r.status, 2) << command;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("--margin 1e308: ", 0), 0u) << r.err;
  }
  const CliResult large = runCliWith({"calc", "--json", "--margin", "1e300"});
  ASSERT_EQ(large.status, 0) << large.err;
  const auto j = nlohmann::json::parse(large.out);
  const double expected = j["xnp"].get<double>() - j["lmue"].get<double>() * 1e300 / 100;
  EXPECT_NEAR(j["x_cg_manual"].get<double>() / expected, 1, 1e-12);
  EXPECT_FALSE(showsNoNumber(runCliWith({"report", "--margin", "1e300"}).out));
  EXPECT_FALSE(showsNoNumber(runCliWith({"calc", "--margin", "1e300"}).out));
}

TEST(CliReport, RefusedRunsGiveOneJsonErrorObject) {
  const std::string missing = ::testing::TempDir() + "no-such-folder/plane.vn4";
  const std::pair<std::vector<const char*>, const char*> cases[] = {
      {{"report", "--json", "--lang", "fr"}, "usage"},
      {{"report", "--json", "/nonexistent/plane.vn4"}, "file"},
      {{"report", "--json", "--template", ""}, "usage"},
      {{"calc", "--json", "--save", ""}, "usage"},
      {{"calc", "--json", "--save", missing.c_str()}, "write"},
      {{"geometry", "--json", "/nonexistent/plane.vn4"}, "file"}};
  for (const auto& [args, kind] : cases) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const CliResult r = runCliWith(args);
    EXPECT_EQ(r.status, 2);
    const auto j = nlohmann::json::parse(r.out);  // throws unless the output is exactly one object
    EXPECT_EQ(j["error"]["kind"], kind);
    EXPECT_EQ(j["error"]["message"].get<std::string>() + "\n", r.err.substr(0, r.err.find('\n') + 1));
  }
}

}  // namespace
}  // namespace volantis4

#include "model/run_state.h"

#include <gtest/gtest.h>

namespace volantis4 {
namespace {

TEST(MessagePanel, ResetLeavesOnlyTheHeadingHidden) {
  MessagePanel p;
  p.append({MessageId::SolveFailed}, Language::English);
  p.reset(Language::German);
  EXPECT_FALSE(p.visible());
  EXPECT_EQ(p.lines(), std::vector<std::string>{"Fehler: "});
}

TEST(MessagePanel, LinesKeepTheLanguageOfTheirMoment) {
  MessagePanel p;
  p.reset(Language::English);
  p.append({MessageId::WingTooSlender, 2}, Language::English);
  p.append({MessageId::WingTooSlender, 3}, Language::German);
  EXPECT_TRUE(p.visible());
  EXPECT_EQ(p.lines(),
            (std::vector<std::string>{"Error: ", "Can not calculate wing-2. ", "Kann Flügel-3 nicht berechnen."}));
}

TEST(MessagePanel, ReplaceAllDiscardsEarlierLinesAndShows) {
  MessagePanel p;
  p.reset(Language::English);
  p.append({MessageId::WingTooSlender, 1}, Language::English);
  p.replaceAll({{MessageId::Attention}, {MessageId::WingsMoved}}, Language::German);
  EXPECT_TRUE(p.visible());
  EXPECT_EQ(p.lines(), (std::vector<std::string>{"Achtung:", "Flügel wurden automatisch in z-Richtung verschoben!"}));
  p.emptyAndHide();
  EXPECT_TRUE(p.lines().empty());
  EXPECT_FALSE(p.visible());
}

TEST(Messages, NewtonLinesPadNumbersToTwo) {
  EXPECT_EQ(renderMessage({MessageId::NewtonNoConvergence, 1, 3}, Language::English),
            "Can not calculate Wing  1 / Trapezium 3.");
  EXPECT_EQ(renderMessage({MessageId::NewtonNoConvergence, 1, 3}, Language::German),
            "Kann Flügel  1 / Trapez  3 nicht berechnen.");
  EXPECT_EQ(renderMessage({MessageId::TrimTrapeziumErrorShort, 2, 4}, Language::English), "Error Wing2 Trapezium4");
}

}  // namespace
}  // namespace volantis4

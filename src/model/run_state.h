#pragma once
// The run flags and the message panel that the recomputations, the calculation and the files share.

#include <string>
#include <vector>

#include "model/form.h"
#include "model/language.h"
#include "model/messages.h"

namespace volantis4 {

/// The five run flags, all clear at start.
struct RunFlags {
  bool results_valid = false;  // aerodynamic results of the current geometry are on show
  bool grid_valid = false;     // a lattice of the current geometry exists
  bool keep_results = false;   // recomputations now running must not clear the two above
  bool calc_failed = false;    // a stage of the current run has failed
  bool wings_moved = false;    // the overlap resolution moved a wing in this run
};

/// The message panel: whole lines, each rendered in the language in force when it was added.
class MessagePanel {
 public:
  struct Line {
    Message message;
    Language language;
  };

  /// Only the heading line ("Error: "), hidden.
  void reset(Language language);
  /// No lines, hidden.
  void emptyAndHide();
  /// Adds a line and shows the panel.
  void append(const Message& message, Language language);
  /// Replaces every line and shows the panel.
  void replaceAll(const std::vector<Message>& messages, Language language);

  bool visible() const { return visible_; }
  const std::vector<Line>& entries() const { return lines_; }
  /// The panel's text, line by line.
  std::vector<std::string> lines() const;

 private:
  std::vector<Line> lines_;
  bool visible_ = false;
};

/// What one stage of a run reports: its panel lines in order, and whether it failed.
struct StageReport {
  std::vector<Message> messages;
  bool failed = false;

  void add(const Message& m) { messages.push_back(m); }
  void fail(const Message& m) {
    messages.push_back(m);
    failed = true;
  }
  /// Takes a sub-stage's lines after this one's; its failure fails this stage.
  void append(const StageReport& from) {
    messages.insert(messages.end(), from.messages.begin(), from.messages.end());
    failed = failed || from.failed;
  }
};

/// Everything the stages of a run coordinate through.
struct RunState {
  RunFlags flags;
  int solver_wings_count = kWingCount;  // the solver's copy of wings_count
  MessagePanel panel;
};

}  // namespace volantis4

#include "model/run_state.h"

namespace volantis4 {

void MessagePanel::reset(Language language) {
  lines_.assign(1, Line{Message{MessageId::ErrorHeading}, language});
  visible_ = false;
}

void MessagePanel::emptyAndHide() {
  lines_.clear();
  visible_ = false;
}

void MessagePanel::append(const Message& message, Language language) {
  lines_.push_back(Line{message, language});
  visible_ = true;
}

void MessagePanel::replaceAll(const std::vector<Message>& messages, Language language) {
  lines_.clear();
  for (const Message& m : messages) lines_.push_back(Line{m, language});
  visible_ = true;
}

std::vector<std::string> MessagePanel::lines() const {
  std::vector<std::string> out;
  out.reserve(lines_.size());
  for (const Line& l : lines_) out.push_back(renderMessage(l.message, l.language));
  return out;
}

}  // namespace volantis4

#include "solver/stabil.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

#include "model/document.h"

namespace volantis4 {
namespace {

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

MarginPair marginPair(int solverWingsCount) { return solverWingsCount < 2 ? MarginPair{4, 8} : MarginPair{8, 16}; }

namespace {

// The decimal number at the start of `text` (after blanks and an optional sign), with a point or a
// comma as decimal separator; `end` is where it stops. No number, or one beyond the double range,
// gives nullopt.
struct LeadingNumber {
  double value = 0;
  std::size_t end = 0;
};

std::optional<LeadingNumber> leadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::string rest(text.substr(i));
  std::size_t k = 0;
  while (k < rest.size() && isDigit(rest[k])) ++k;
  if (k < rest.size() && rest[k] == ',') rest[k] = '.';  // German users write 12,5
  // A number starts with a digit, or with a point followed by a digit; this keeps out "inf" and "nan".
  const bool startsNumber =
      !rest.empty() && (isDigit(rest[0]) || (rest[0] == '.' && rest.size() > 1 && isDigit(rest[1])));
  if (!startsNumber) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value, std::chars_format::general);
  if (error != std::errc{}) return std::nullopt;
  return LeadingNumber{negative ? -value : value, i + static_cast<std::size_t>(end - rest.data())};
}

}  // namespace

double readManualMargin(std::string_view text) {
  const std::optional<LeadingNumber> number = leadingNumber(text);
  return number ? number->value : 0;
}

std::optional<double> manualMarginNumber(std::string_view text) {
  const std::optional<LeadingNumber> number = leadingNumber(text);
  if (!number) return std::nullopt;
  for (std::size_t i = number->end; i < text.size(); ++i)
    if (text[i] != ' ') return std::nullopt;
  return number->value;
}

bool usableManualMargin(std::string_view text) { return std::fabs(readManualMargin(text)) <= kMarginLimit; }

double centreOfGravity(double xnp, double lmue, double sigma) { return xnp - lmue * sigma * 0.01; }

StabilityProposal STABIL(double xnp, double lmue, int solverWingsCount, std::string_view marginText) {
  StabilityProposal p;
  p.margins = marginPair(solverWingsCount);
  p.manual_margin = readManualMargin(marginText);
  p.x_cg_low = centreOfGravity(xnp, lmue, p.margins.low);
  p.x_cg_high = centreOfGravity(xnp, lmue, p.margins.high);
  p.x_cg_manual = centreOfGravity(xnp, lmue, p.manual_margin);
  return p;
}

StabilityProposal proposalOf(const Document& doc) {
  return STABIL(doc.results.xnp, doc.results.lmue, doc.run.solver_wings_count, doc.stability.marginText);
}

}  // namespace volantis4

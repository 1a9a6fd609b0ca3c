#include "model/language.h"

#include <array>
#include <utility>

namespace volantis4 {
namespace {

struct Entry {
  TextId id;
  std::string_view english;
  std::string_view german;
};

constexpr std::array kTexts{
    Entry{TextId::CaptionSpan, "wing span (b):", "Spannweite (b):"},
    Entry{TextId::CaptionArea, "wing area (S):", "Flächeninhalt (S):"},
    Entry{TextId::CaptionMeanChord, "mean aerod. chord (lm):", "Bezugstiefe (lm):"},
    Entry{TextId::CaptionGeometricCentre, "geometric center (r25):", "Geometr. Neutralpunkt (r25):"},
    Entry{TextId::CaptionAspectRatio, "aspect ratio (lam):", "Streckung [lam):"},
    Entry{TextId::CaptionAerodynamicCentre, "aerodynamic center (anp):", "Aerodynamischer NP (anp):"},
    Entry{TextId::GapNoticeLine1, "Are you sure this wing shall ", "Sind Sie sicher, dass dieser Flügel in"},
    Entry{TextId::GapNoticeLine2, "have a gap in the middle?", "der Mitte eine Lücke haben soll?"},
    Entry{TextId::RemarksStart, "insert your remarks her:", "Bemerkungen können in diesem Feld eingegeben werden:"},
};

}  // namespace

std::string_view text(TextId id, Language language) {
  for (const Entry& e : kTexts)
    if (e.id == id) return language == Language::English ? e.english : e.german;
  return {};
}

}  // namespace volantis4

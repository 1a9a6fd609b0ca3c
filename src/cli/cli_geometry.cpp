#include "cli/cli_geometry.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "model/aircraft_geometry.h"
#include "model/language.h"

namespace volantis4 {

int printGeometry(const Form& form, bool json, std::ostream& out) {
  const AircraftGeometry geometry = geometryOf(form);
  if (json) {
    nlohmann::json doc;
    doc["wings"] = nlohmann::json::array();
    for (int w = 1; w <= form.wingsCount; ++w) {
      const PlanformFigures& f = geometry.figure(w);
      const Wing& wing = geometry.wing(w);
      doc["wings"].push_back({{"wing", w},
                              {"b", f.b},
                              {"S", f.S},
                              {"lm", f.lm},
                              {"r25", f.r25},
                              {"lam", f.lam},
                              {"stations", std::vector<int>(wing.y.begin(), wing.y.end())}});
    }
    out << doc.dump() << "\n";
    return 0;
  }
  const TextId captions[] = {TextId::CaptionSpan, TextId::CaptionArea, TextId::CaptionMeanChord,
                             TextId::CaptionGeometricCentre, TextId::CaptionAspectRatio};
  for (int w = 1; w <= form.wingsCount; ++w) {
    const auto labels = resultLabels(geometry.figure(w), w);
    out << "Wing " << w << "\n";
    for (std::size_t i = 0; i < labels.size(); ++i)
      out << "  " << text(captions[i], Language::English) << " " << labels[i] << "\n";
    out << "  stations:";
    for (const std::string& s : stationCaptions(geometry.wing(w))) out << " " << s;
    out << "\n";
  }
  return 0;
}

}  // namespace volantis4

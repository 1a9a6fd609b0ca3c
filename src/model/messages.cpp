#include "model/messages.h"

#include "model/numbers.h"

namespace volantis4 {

std::string renderMessage(const Message& m, Language language) {
  const bool en = language == Language::English;
  const std::string a = formatInt(m.a);
  const std::string b = formatInt(m.b);
  switch (m.id) {
    case MessageId::ErrorHeading:
      return en ? "Error: " : "Fehler: ";
    case MessageId::Attention:
      return en ? "Attention:" : "Achtung:";
    case MessageId::WingsMoved:
      return en ? "Wings are moved automatically in z-direction!"
                : "Flügel wurden automatisch in z-Richtung verschoben!";
    case MessageId::WingTooSlender:
      return en ? "Can not calculate wing-" + a + ". " : "Kann Flügel-" + a + " nicht berechnen.";
    case MessageId::WingTooSlenderAdvice:
      return en ? "Please change this wing (less aspect ratio)!" : "Bitte Streckung verkleinern!";
    case MessageId::TrimFirstStartFailed:
      return "TRAPEZ_TRIM: Trimmen der Trapezaufteilung hat nicht auf Anhieb geklappt//";
    case MessageId::TrimTrapeziumErrorShort:
      return en ? "Error Wing" + a + " Trapezium" + b : "Fehler: Flügel" + a + " Trapez" + b;
    case MessageId::TrimTrapeziumError:
      return en ? "Error: Wing" + a + " Trapezium" + b : "Fehler: Flügel" + a + " Trapez" + b;
    case MessageId::NewtonSingular:
      return " TRIM9M: Das Gleichungssystem ist nicht loesbar //";
    case MessageId::NewtonNoConvergence:
      return en ? "Can not calculate Wing " + formatInt(m.a, 2) + " / Trapezium" + formatInt(m.b, 2) + "."
                : "Kann Flügel " + formatInt(m.a, 2) + " / Trapez " + formatInt(m.b, 2) + " nicht berechnen.";
    case MessageId::NewtonNoConvergenceAdvice:
      return en ? "Please change this trapezium (more chord length at tip)!"
                : "Bitte dieses Trapez verändern (Außentiefe größer)!";
    case MessageId::InfluenceCountMismatch:
      return "EINFLUSS: Irgend ein Kuddel-Muddel";
    case MessageId::SolveSingular:
      return "LOES: Fehler beim Loesen des Gleichungssystems ";
    case MessageId::SolveFailed:
      return "LOES: Fehler...";
    case MessageId::TooManyRows:
      return en ? "Can not calculate wing-" + a + ": too many panel rows. "
                : "Kann Flügel-" + a + " nicht berechnen: zu viele Panelreihen.";
    case MessageId::TooManyRowsAdvice:
      return en ? "Please change this wing (less area compared to the other wings)!"
                : "Bitte Flügel verändern (kleinere Fläche im Vergleich zu den anderen Flügeln)!";
    case MessageId::TooManyPanels:
      return en ? "Can not calculate: " + a + " panels, at most " + b + ". "
                : "Kann nicht berechnen: " + a + " Panels, höchstens " + b + ".";
    case MessageId::TooManyPanelsAdvice:
      return en ? "Please change the wings (less aspect ratio)!" : "Bitte Flügel verändern (Streckung verkleinern)!";
    case MessageId::WingWithoutArea:
      return en ? "Can not calculate wing-" + a + ": no span or no area. "
                : "Kann Flügel-" + a + " nicht berechnen: keine Spannweite oder Fläche.";
    case MessageId::WingWithoutAreaAdvice:
      return en ? "Please enter widths and chords for this wing!" : "Bitte Breiten und Tiefen dieses Flügels eingeben!";
    case MessageId::WingComputedAt:
      return en ? "Wing " + a + " is computed at z = " + b +
                      " mm; its field keeps what was typed, Calculate (F9) writes the height."
                : "Flügel " + a + " wird bei z = " + b +
                      " mm berechnet; sein Feld behält die Eingabe, Berechnen (F9) schreibt die Höhe ein.";
    case MessageId::ResultNotFinite:
      return en ? "Can not calculate: the results are not finite numbers. "
                : "Kann nicht berechnen: die Ergebnisse sind keine endlichen Zahlen.";
  }
  return {};
}

}  // namespace volantis4

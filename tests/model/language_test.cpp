// The window's caption sets in both languages, typed from the caption table, and the coverage of
// every text and message id.
#include "model/language.h"

#include <gtest/gtest.h>

#include <string>

#include "model/messages.h"

namespace volantis4 {
namespace {

struct Caption {
  TextId id;
  std::string_view english;
  std::string_view german;
};

constexpr Caption kCaptions[] = {
    {TextId::CaptionSpan, "wing span (b):", "Spannweite (b):"},
    {TextId::CaptionArea, "wing area (S):", "Flächeninhalt (S):"},
    {TextId::CaptionMeanChord, "mean aerod. chord (lm):", "Bezugstiefe (lm):"},
    {TextId::CaptionGeometricCentre, "geometric center (r25):", "Geometr. Neutralpunkt (r25):"},
    {TextId::CaptionAspectRatio, "aspect ratio (lam):", "Streckung [lam):"},
    {TextId::StabilityCaption, "Desired Static Stability:", "Gewünschte stat. Längsstabilität:"},
    {TextId::PositioningCaption, "Positioning", "Anordnung"},
    {TextId::CaptionAerodynamicCentre, "aerodynamic center (anp):", "Aerodynamischer NP (anp):"},
    {TextId::RunningIndicator, "- calculation is running -", "  - Berechnung läuft - "},
    {TextId::Trapezia1, "1 trapezium", "1 Trapez"},
    {TextId::Trapezia2, "2 trapeziums", "2 Trapeze"},
    {TextId::Trapezia3, "3 trapeziums", "3 Trapeze"},
    {TextId::Trapezia4, "4 trapeziums", "4 Trapeze"},
    {TextId::CalculateButton, "Calculate Aerodynamic Center", "Berechnung Neutralpunkt"},
    {TextId::TabWing1, "  Wing 1 ", " Flügel 1 "},
    {TextId::TabWing2, "  Wing 2 ", " Flügel 2 "},
    {TextId::TabWing3, "  Wing 3 ", " Flügel 3 "},
    {TextId::TabWing4, "  Wing 4 ", " Flügel 4 "},
    {TextId::TabWing5, "  Wing 5 ", " Flügel 5 "},
    {TextId::TabAircraft, "  Aircraft  ", " Flugzeug "},
    {TextId::TabRemarks, " Remarks ", " Bemerkungen "},
    {TextId::WingsCount1, "1 Wing", "1 Flügel"},
    {TextId::WingsCount2, "2 Wings", "2 Flügel"},
    {TextId::WingsCount3, "3 Wings", "3 Flügel"},
    {TextId::WingsCount4, "4 Wings", "4 Flügel"},
    {TextId::WingsCount5, "5 Wings", "5 Flügel"},
    {TextId::StabilityAutomatic, "Automatic choice of stability", "Automat. Wahl der Stabilität"},
    {TextId::StabilityManual, "Manual choice of stability", "Manuelle Wahl der Stabilität"},
    {TextId::PositionImageTitle1, "Wing-1  ", "Flügel-1"},
    {TextId::PositionImageTitle2, "Wing-2  ", "Flügel-2"},
    {TextId::PositionImageTitle3, "Wing-3  ", "Flügel-3"},
    {TextId::PositionImageTitle4, "Wing-4  ", "Flügel-4"},
    {TextId::PositionImageTitle5, "Wing-5  ", "Flügel-5"},
    {TextId::PressureCheck, "show pressure distribution:", "zeige Druckverteilung:"},
    {TextId::PressureNote, "(angle of attack influence only)", "(Nur Anstellwinkeleinfluss)"},
    {TextId::MenuEdit, "Edit", "Bearbeiten"},
    {TextId::MenuWing1, "Wing 1", "Flügel-1"},
    {TextId::MenuWing2, "Wing 2", "Flügel-2"},
    {TextId::MenuWing3, "Wing 3", "Flügel-3"},
    {TextId::MenuAircraft, "Aircraft", "Flugzeug"},
    {TextId::MenuCopyWing, "Copy Wing", "Flügel Kopieren"},
    {TextId::MenuInsertCopiedWing, "Insert Copied Wing", "Kopierten Flügel Einfügen"},
    {TextId::MenuExchange1, "Exchange Wing 1<->2", "Tausche Flügel 1<->2"},
    {TextId::MenuExchange2, "Exchange Wing 1<->3", "Tausche Flügel 1<->3"},
    {TextId::MenuExchange3, "Exchange Wing 2<->3", "Tausche Flügel 2<->3"},
    {TextId::MenuExchange4, "Exchange Wing 3<->4", "Tausche Flügel 3<->4"},
    {TextId::MenuExchange5, "Exchange Wing 4<->5", "Tausche Flügel 4<->5"},
    {TextId::MenuFile, "File", "Datei"},
    {TextId::MenuOpen, "Open", "Öffnen"},
    {TextId::MenuSaveAs, "Save as", "Speichern als"},
    {TextId::MenuSave, "Save", "Speichern"},
    {TextId::MenuPrint, "Print", "Drucken"},
    {TextId::MenuExit, "Exit", "Beenden"},
    {TextId::MenuLanguage, "Sprache", "Language"},
    {TextId::MenuLanguageItem, "deutsch", "english"},
    {TextId::TopViewFlightDirection, "flight direction    ", "Flugrichtung     "},
    {TextId::CopyWingButton1, " copy wing 1 ", "Flügel 1 kopieren"},
    {TextId::CopyWingButton2, " copy wing 2 ", "Flügel 2 kopieren"},
    {TextId::CopyWingButton3, " copy wing 3 ", "Flügel 3 kopieren"},
    {TextId::CopyWingButton4, " copy wing 4 ", "Flügel 4 kopieren"},
    {TextId::CopyWingButton5, " copy wing 5 ", "Flügel 5 kopieren"},
    {TextId::InsertCopiedWingButton, "insert copied wing", "kopierten Flügel einfügen"},
    // The built-in captions, shown until the first switch.
    {TextId::BuiltinTabWing1, " Wing 1 ", " Wing 1 "},
    {TextId::BuiltinTabWing2, "  Wing 2  ", "  Wing 2  "},
    {TextId::BuiltinTabWing3, " Wing 3 ", " Wing 3 "},
    {TextId::BuiltinTabWing4, "Wing 4", "Wing 4"},
    {TextId::BuiltinTabWing5, "Wing 5", "Wing 5"},
    {TextId::BuiltinTabAircraft, "     Aircraft    ", "     Aircraft    "},
    {TextId::BuiltinTabRemarks, "Remarks", "Remarks"},
    {TextId::BuiltinMenuWing1, "Wing-1", "Wing-1"},
    {TextId::BuiltinMenuWing2, "Wing-2", "Wing-2"},
    {TextId::BuiltinMenuWing3, "Wing-3", "Wing-3"},
    {TextId::BuiltinCopyWingButton1, "copy wing 1", "copy wing 1"},
    {TextId::BuiltinCopyWingButton5, "copy wing 5", "copy wing 5"},
};

TEST(Language, WholeCaptionTableInBothLanguages) {
  for (const Caption& c : kCaptions) {
    EXPECT_EQ(text(c.id, Language::English), c.english) << static_cast<int>(c.id);
    EXPECT_EQ(text(c.id, Language::German), c.german) << static_cast<int>(c.id);
  }
}

// The table's shape is checked when it is built; here what a reader sees: every id gives a text in
// each language, and nothing is left empty.
TEST(Language, EveryTextAndMessageHasBothLanguages) {
  for (int i = 0; i < static_cast<int>(TextId::Count); ++i) {
    const auto id = static_cast<TextId>(i);
    EXPECT_FALSE(text(id, Language::English).empty()) << "text " << i;
    EXPECT_FALSE(text(id, Language::German).empty()) << "text " << i;
  }
  for (int i = 0; i <= static_cast<int>(MessageId::ResultNotFinite); ++i) {
    const Message m{static_cast<MessageId>(i), 1, 1};
    EXPECT_FALSE(renderMessage(m, Language::English).empty()) << "message " << i;
    EXPECT_FALSE(renderMessage(m, Language::German).empty()) << "message " << i;
  }
}

}  // namespace
}  // namespace volantis4

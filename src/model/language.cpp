#include "model/language.h"

#include <cstddef>
#include <iterator>
#include <utility>

namespace volantis4 {
namespace {

struct Entry {
  TextId id;
  std::string_view english;
  std::string_view german;
};

constexpr Entry kTexts[] = {
    Entry{TextId::CaptionSpan, "wing span (b):", "Spannweite (b):"},
    Entry{TextId::CaptionArea, "wing area (S):", "Flächeninhalt (S):"},
    Entry{TextId::CaptionMeanChord, "mean aerod. chord (lm):", "Bezugstiefe (lm):"},
    Entry{TextId::CaptionGeometricCentre, "geometric center (r25):", "Geometr. Neutralpunkt (r25):"},
    Entry{TextId::CaptionAspectRatio, "aspect ratio (lam):", "Streckung [lam):"},
    Entry{TextId::CaptionAerodynamicCentre, "aerodynamic center (anp):", "Aerodynamischer NP (anp):"},
    Entry{TextId::GapNoticeLine1, "Are you sure this wing shall ", "Sind Sie sicher, dass dieser Flügel in"},
    Entry{TextId::GapNoticeLine2, "have a gap in the middle?", "der Mitte eine Lücke haben soll?"},
    Entry{TextId::RemarksStart, "insert your remarks her:", "Bemerkungen können in diesem Feld eingegeben werden:"},
    Entry{TextId::AppTitle, "Volantis4", "Volantis4"},
    Entry{TextId::WindowCaption, " Volantis4  V3.3 ", " Volantis4  V3.3 "},
    Entry{TextId::StabilityCaption, "Desired Static Stability:", "Gewünschte stat. Längsstabilität:"},
    Entry{TextId::PositioningCaption, "Positioning", "Anordnung"},
    Entry{TextId::RunningIndicator, "- calculation is running -", "  - Berechnung läuft - "},
    Entry{TextId::Trapezia1, "1 trapezium", "1 Trapez"},
    Entry{TextId::Trapezia2, "2 trapeziums", "2 Trapeze"},
    Entry{TextId::Trapezia3, "3 trapeziums", "3 Trapeze"},
    Entry{TextId::Trapezia4, "4 trapeziums", "4 Trapeze"},
    Entry{TextId::CalculateButton, "Calculate Aerodynamic Center", "Berechnung Neutralpunkt"},
    Entry{TextId::TabWing1, "  Wing 1 ", " Flügel 1 "},
    Entry{TextId::TabWing2, "  Wing 2 ", " Flügel 2 "},
    Entry{TextId::TabWing3, "  Wing 3 ", " Flügel 3 "},
    Entry{TextId::TabWing4, "  Wing 4 ", " Flügel 4 "},
    Entry{TextId::TabWing5, "  Wing 5 ", " Flügel 5 "},
    Entry{TextId::TabAircraft, "  Aircraft  ", " Flugzeug "},
    Entry{TextId::TabRemarks, " Remarks ", " Bemerkungen "},
    Entry{TextId::WingsCount1, "1 Wing", "1 Flügel"},
    Entry{TextId::WingsCount2, "2 Wings", "2 Flügel"},
    Entry{TextId::WingsCount3, "3 Wings", "3 Flügel"},
    Entry{TextId::WingsCount4, "4 Wings", "4 Flügel"},
    Entry{TextId::WingsCount5, "5 Wings", "5 Flügel"},
    Entry{TextId::StabilityAutomatic, "Automatic choice of stability", "Automat. Wahl der Stabilität"},
    Entry{TextId::StabilityManual, "Manual choice of stability", "Manuelle Wahl der Stabilität"},
    Entry{TextId::PositionImageTitle1, "Wing-1  ", "Flügel-1"},
    Entry{TextId::PositionImageTitle2, "Wing-2  ", "Flügel-2"},
    Entry{TextId::PositionImageTitle3, "Wing-3  ", "Flügel-3"},
    Entry{TextId::PositionImageTitle4, "Wing-4  ", "Flügel-4"},
    Entry{TextId::PositionImageTitle5, "Wing-5  ", "Flügel-5"},
    Entry{TextId::PressureCheck, "show pressure distribution:", "zeige Druckverteilung:"},
    Entry{TextId::PressureNote, "(angle of attack influence only)", "(Nur Anstellwinkeleinfluss)"},
    Entry{TextId::MenuEdit, "Edit", "Bearbeiten"},
    Entry{TextId::MenuWing1, "Wing 1", "Flügel-1"},
    Entry{TextId::MenuWing2, "Wing 2", "Flügel-2"},
    Entry{TextId::MenuWing3, "Wing 3", "Flügel-3"},
    Entry{TextId::MenuAircraft, "Aircraft", "Flugzeug"},
    Entry{TextId::MenuCopyWing, "Copy Wing", "Flügel Kopieren"},
    Entry{TextId::MenuInsertCopiedWing, "Insert Copied Wing", "Kopierten Flügel Einfügen"},
    Entry{TextId::MenuExchange1, "Exchange Wing 1<->2", "Tausche Flügel 1<->2"},
    Entry{TextId::MenuExchange2, "Exchange Wing 1<->3", "Tausche Flügel 1<->3"},
    Entry{TextId::MenuExchange3, "Exchange Wing 2<->3", "Tausche Flügel 2<->3"},
    Entry{TextId::MenuExchange4, "Exchange Wing 3<->4", "Tausche Flügel 3<->4"},
    Entry{TextId::MenuExchange5, "Exchange Wing 4<->5", "Tausche Flügel 4<->5"},
    Entry{TextId::MenuUndo, "Undo", "Rückgängig"},
    Entry{TextId::MenuRedo, "Redo", "Wiederherstellen"},
    Entry{TextId::UndoStep, "Undo %1", "Rückgängig: %1"},
    Entry{TextId::RedoStep, "Redo %1", "Wiederherstellen: %1"},
    Entry{TextId::StepFieldEdit, "edit of %1, wing %2", "Bearbeiten von %1, Flügel %2"},
    Entry{TextId::StepTrapezia, "trapezium count, wing %1", "Trapezanzahl, Flügel %1"},
    Entry{TextId::StepWingsCount, "wing count", "Flügelanzahl"},
    Entry{TextId::StepDrag, "drag on the planform, wing %1", "Ziehen im Grundriss, Flügel %1"},
    Entry{TextId::StepInsert, "insert of the copied wing, wing %1", "Einfügen des kopierten Flügels, Flügel %1"},
    Entry{TextId::StepExchange, "exchange of wings %1 and %2", "Tausch der Flügel %1 und %2"},
    Entry{TextId::StepMovedHeights, "heights moved by the calculation", "von der Berechnung verschobene Höhen"},
    Entry{TextId::StepBalanceMode, "choice of the weighing", "Wahl der Wägung"},
    Entry{TextId::StepBalanceCg, "edit of the centre of gravity", "Bearbeiten des Schwerpunkts"},
    Entry{TextId::StepBalanceMass, "edit of the mass", "Bearbeiten der Masse"},
    Entry{TextId::StepBalanceSupportX, "edit of the position of support %1", "Bearbeiten der Lage von Auflage %1"},
    Entry{TextId::StepBalanceSupportMass, "edit of the reading of support %1", "Bearbeiten der Anzeige von Auflage %1"},
    Entry{TextId::StepBalanceTarget, "choice of the target", "Wahl des Ziels"},
    Entry{TextId::StepBalanceBallast, "edit of the ballast position", "Bearbeiten der Ballastlage"},
    Entry{TextId::StepBalanceMoveMass, "edit of the movable mass", "Bearbeiten der verschiebbaren Masse"},
    Entry{TextId::FieldGap, "gap", "Spalt"},
    Entry{TextId::FieldRootChord, "root chord", "Wurzeltiefe"},
    Entry{TextId::FieldChord, "chord of section %1", "Tiefe an Schnitt %1"},
    Entry{TextId::FieldWidth, "width of trapezium %1", "Breite von Trapez %1"},
    Entry{TextId::FieldOffset, "offset of section %1", "Versatz an Schnitt %1"},
    Entry{TextId::FieldPositionX, "x position", "x-Position"},
    Entry{TextId::FieldPositionZ, "height", "Höhe"},
    Entry{TextId::MenuFile, "File", "Datei"},
    Entry{TextId::MenuOpen, "Open", "Öffnen"},
    Entry{TextId::MenuSaveAs, "Save as", "Speichern als"},
    Entry{TextId::MenuSave, "Save", "Speichern"},
    Entry{TextId::MenuPrint, "Print", "Drucken"},
    Entry{TextId::MenuExit, "Exit", "Beenden"},
    Entry{TextId::MenuLanguage, "Sprache", "Language"},
    Entry{TextId::MenuLanguageItem, "deutsch", "english"},
    Entry{TextId::MenuFrench, "français", "français"},
    Entry{TextId::MenuSpanish, "español", "español"},
    Entry{TextId::MenuInfo, "Info", "Info"},
    Entry{TextId::TopViewFlightDirection, "flight direction    ", "Flugrichtung     "},
    Entry{TextId::CopyWingButton1, " copy wing 1 ", "Flügel 1 kopieren"},
    Entry{TextId::CopyWingButton2, " copy wing 2 ", "Flügel 2 kopieren"},
    Entry{TextId::CopyWingButton3, " copy wing 3 ", "Flügel 3 kopieren"},
    Entry{TextId::CopyWingButton4, " copy wing 4 ", "Flügel 4 kopieren"},
    Entry{TextId::CopyWingButton5, " copy wing 5 ", "Flügel 5 kopieren"},
    Entry{TextId::InsertCopiedWingButton, "insert copied wing", "kopierten Flügel einfügen"},
    Entry{TextId::BuiltinTabWing1, " Wing 1 ", " Wing 1 "},
    Entry{TextId::BuiltinTabWing2, "  Wing 2  ", "  Wing 2  "},
    Entry{TextId::BuiltinTabWing3, " Wing 3 ", " Wing 3 "},
    Entry{TextId::BuiltinTabWing4, "Wing 4", "Wing 4"},
    Entry{TextId::BuiltinTabWing5, "Wing 5", "Wing 5"},
    Entry{TextId::BuiltinTabAircraft, "     Aircraft    ", "     Aircraft    "},
    Entry{TextId::BuiltinTabRemarks, "Remarks", "Remarks"},
    Entry{TextId::BuiltinMenuWing1, "Wing-1", "Wing-1"},
    Entry{TextId::BuiltinMenuWing2, "Wing-2", "Wing-2"},
    Entry{TextId::BuiltinMenuWing3, "Wing-3", "Wing-3"},
    Entry{TextId::BuiltinCopyWingButton1, "copy wing 1", "copy wing 1"},
    Entry{TextId::BuiltinCopyWingButton2, "copy wing 2", "copy wing 2"},
    Entry{TextId::BuiltinCopyWingButton3, "copy wing 3", "copy wing 3"},
    Entry{TextId::BuiltinCopyWingButton4, "copy wing 4", "copy wing 4"},
    Entry{TextId::BuiltinCopyWingButton5, "copy wing 5", "copy wing 5"},
    Entry{TextId::HintOpen, "Open File", "Open File"},
    Entry{TextId::HintSaveAs, "Save File as", "Save File as"},
    Entry{TextId::HintSave, "Save File", "Save File"},
    Entry{TextId::HintPrint, "Print", "Print"},
    Entry{TextId::HintCalc, "Calc", "Calc"},
    Entry{TextId::InfoCaption, " Info", " Info"},
    Entry{TextId::InfoLine1, "   Volantis calculates the aerodynamic center   ",
          "   Volantis berechnet den Neutralpunkt eines   "},
    Entry{TextId::InfoLine2, "of an aircraft and suggests a suitable", "Flugzeugs und schlägt einen günstigen "},
    Entry{TextId::InfoLine3, "range for the center of gravity", "Bereich für die Schwerpunktlage vor"},
    Entry{TextId::InfoIdea, "Idea and formulas: the Volantis4 authors", "Idee und Formeln: die Autoren von Volantis4"},
    Entry{TextId::InfoContact, "Contact: see the README of the project", "Kontakt: siehe README des Projekts"},
    Entry{TextId::InfoRealisation, "Realisation: the Volantis4 developers", "Umsetzung: die Entwickler von Volantis4"},
    Entry{TextId::InfoWeb, "Web: the project repository", "Web: das Projektarchiv"},
    Entry{TextId::SaveChangesBefore, "Save changes to ", "Änderungen an "},
    Entry{TextId::SaveChangesAfter, "?", " speichern?"},
    Entry{TextId::AnswerSave, "Save", "Speichern"},
    Entry{TextId::AnswerDiscard, "Discard", "Verwerfen"},
    Entry{TextId::AnswerCancel, "Cancel", "Abbrechen"},
    Entry{TextId::SketchFlightDirection, "flight direction", "Flugrichtung"},
    Entry{TextId::AxisLabelX, "x", "x"},
    Entry{TextId::AxisLabelY, "y", "y"},
    Entry{TextId::FileCannotOpen, "The file \"%1\" cannot be opened: %2.",
          "Die Datei \"%1\" kann nicht geöffnet werden: %2."},
    Entry{TextId::FileCannotRead, "The file \"%1\" cannot be read: %2.",
          "Die Datei \"%1\" kann nicht gelesen werden: %2."},
    Entry{TextId::FileTooLarge, "The file \"%1\" is refused: it is larger than 16 MiB.",
          "Die Datei \"%1\" wird abgelehnt: sie ist größer als 16 MiB."},
    Entry{TextId::FileNotText, "The file \"%1\" is refused: it is not a text file.",
          "Die Datei \"%1\" wird abgelehnt: sie ist keine Textdatei."},
    Entry{TextId::FileFilterPattern, "\"%1\" is a file name pattern, not a file: nothing was read.",
          "\"%1\" ist ein Suchmuster, kein Dateiname: es wurde nichts gelesen."},
    Entry{TextId::FileSavePattern,
          "\"%1\" is a file name pattern, not a file: nothing was written, as Open would not read it.",
          "\"%1\" ist ein Suchmuster, kein Dateiname: es wurde nichts geschrieben, da Öffnen es nicht lesen würde."},
    Entry{TextId::FileWingCountMissing, "The file \"%1\" is refused: it gives no wing count.",
          "Die Datei \"%1\" wird abgelehnt: sie enthält keine Flügelanzahl."},
    Entry{TextId::FileWingCountRange, "The file \"%1\" is refused: its wing count %2 is not from 1 to 5.",
          "Die Datei \"%1\" wird abgelehnt: ihre Flügelanzahl %2 liegt nicht zwischen 1 und 5."},
    Entry{TextId::FileSectionCount, "The file \"%1\" is refused: wing %2 has %3 sections, not 2 to 5.",
          "Die Datei \"%1\" wird abgelehnt: Flügel %2 hat %3 Profilschnitte statt 2 bis 5."},
    Entry{TextId::FileSectionCountOne, "The file \"%1\" is refused: wing %2 has %3 section, not 2 to 5.",
          "Die Datei \"%1\" wird abgelehnt: Flügel %2 hat %3 Profilschnitt statt 2 bis 5."},
    Entry{TextId::FileLegacyWingCount, "The old data file \"%1\" is refused: it claims %2 wings but holds at most 3.",
          "Die alte Datendatei \"%1\" wird abgelehnt: sie nennt %2 Flügel, enthält aber höchstens 3."},
    Entry{TextId::FileLegacyTrapezia, "The old data file \"%1\" is refused: wing %2 has %3 trapezia, not 1 to 4.",
          "Die alte Datendatei \"%1\" wird abgelehnt: Flügel %2 hat %3 Trapeze statt 1 bis 4."},
    Entry{TextId::FileLegacyTrapeziaOne, "The old data file \"%1\" is refused: wing %2 has %3 trapezium, not 1 to 4.",
          "Die alte Datendatei \"%1\" wird abgelehnt: Flügel %2 hat %3 Trapez statt 1 bis 4."},
    Entry{TextId::FileIncomplete, "The file \"%1\" is refused: it is incomplete (it does not end with </aircraft>).",
          "Die Datei \"%1\" wird abgelehnt: sie ist unvollständig (sie endet nicht mit </aircraft>)."},
    Entry{TextId::FileIncompleteKeptCopy,
          "The file \"%1\" is refused: it is incomplete (it does not end with </aircraft>); a save of it did not "
          "complete. Its previous content was kept in \"%2\".",
          "Die Datei \"%1\" wird abgelehnt: sie ist unvollständig (sie endet nicht mit </aircraft>); ein Speichern "
          "wurde nicht abgeschlossen. Ihr bisheriger Inhalt wurde in \"%2\" aufbewahrt."},
    Entry{TextId::FileOpenKeptCopy, "Open the kept copy instead? Saving then writes it back to \"%1\".",
          "Stattdessen die aufbewahrte Kopie öffnen? Speichern schreibt sie dann nach \"%1\" zurück."},
    Entry{TextId::FileTrailingContent,
          "The file \"%1\" is refused: line %2 holds \"%3\" after the closing </aircraft>.",
          "Die Datei \"%1\" wird abgelehnt: Zeile %2 enthält \"%3\" nach dem abschließenden </aircraft>."},
    Entry{TextId::FileBalanceValue,
          "The file \"%1\" is refused: its balance input <%2> on line %4 holds \"%3\", which is not a usable value.",
          "Die Datei \"%1\" wird abgelehnt: ihre Auswiegeangabe <%2> in Zeile %4 enthält \"%3\", keinen brauchbaren "
          "Wert."},
    Entry{TextId::FileBalanceReadings,
          "The file \"%1\" is refused: the readings of its balance block on line %2 do not add up to a total mass "
          "above 0 g and at most %3 g.",
          "Die Datei \"%1\" wird abgelehnt: die Wägungen ihres Auswiegeblocks in Zeile %2 ergeben keine Gesamtmasse "
          "über 0 g und höchstens %3 g."},
    Entry{TextId::FileBalanceMissing, "The file \"%1\" is refused: its balance reading on line %2 lacks <%3>.",
          "Die Datei \"%1\" wird abgelehnt: ihrer Wägung in Zeile %2 fehlt <%3>."},
    Entry{TextId::FileBalanceRepeated,
          "The file \"%1\" is refused: <%2> on line %3 is given a second time in the same reading or block.",
          "Die Datei \"%1\" wird abgelehnt: <%2> in Zeile %3 steht ein zweites Mal in derselben Wägung oder "
          "demselben Block."},
    Entry{TextId::FileBalanceNotClosed, "The file \"%1\" is refused: <%2> opened on line %3 is not closed by </%2>.",
          "Die Datei \"%1\" wird abgelehnt: das in Zeile %3 geöffnete <%2> wird nicht mit </%2> geschlossen."},
    Entry{TextId::FileBalanceOutside, "The file \"%1\" is refused: <%2> on line %3 stands outside a <%4> block.",
          "Die Datei \"%1\" wird abgelehnt: <%2> in Zeile %3 steht außerhalb eines <%4>-Blocks."},
    Entry{TextId::FileBalanceCrowded,
          "The file \"%1\" is refused: line %2 holds more than the element <%3>; each balance element stands on a "
          "line of its own.",
          "Die Datei \"%1\" wird abgelehnt: Zeile %2 enthält mehr als das Element <%3>; jedes Auswiegeelement steht "
          "in einer eigenen Zeile."},
    Entry{TextId::FileBalanceSecondBlock, "The file \"%1\" is refused: it holds a second balance block (line %2).",
          "Die Datei \"%1\" wird abgelehnt: sie enthält einen zweiten Auswiegeblock (Zeile %2)."},
    Entry{TextId::BalanceExpectPosition, "A position is a decimal number of mm from %1 to %2.",
          "Eine Lage ist eine Dezimalzahl in mm von %1 bis %2."},
    Entry{TextId::BalanceExpectReadingMass, "A reading is a decimal number of g from %1 to %2.",
          "Eine Anzeige ist eine Dezimalzahl in g von %1 bis %2."},
    Entry{TextId::BalanceExpectMoveMass, "The mass to move is a decimal number of g above %1 and at most %2.",
          "Die zu verschiebende Masse ist eine Dezimalzahl in g über %1 und höchstens %2."},
    Entry{TextId::BalanceExpectTotalMass, "The total mass is a decimal number of g above %1 and at most %2.",
          "Die Gesamtmasse ist eine Dezimalzahl in g über %1 und höchstens %2."},
    Entry{TextId::OptionValueUnusable, "%1 %2: not a usable value.", "%1 %2: kein brauchbarer Wert."},
    Entry{TextId::BalanceExpectTarget, "The target is low, high or manual.", "Das Ziel ist low, high oder manual."},
    Entry{TextId::FileCannotWrite, "The file \"%1\" cannot be written: %2.",
          "Die Datei \"%1\" kann nicht geschrieben werden: %2."},
    Entry{TextId::FileCannotWriteUnchanged,
          "The file \"%1\" cannot be written: %2. A previous file of that name is unchanged.",
          "Die Datei \"%1\" kann nicht geschrieben werden: %2. Eine vorhandene Datei dieses Namens ist unverändert."},
    Entry{TextId::FileRemarksTooLong,
          "The file \"%1\" is not written: the remarks are too long (the file would be larger than 16 MiB).",
          "Die Datei \"%1\" wird nicht geschrieben: die Bemerkungen sind zu lang (die Datei wäre größer als "
          "16 MiB)."},
    Entry{TextId::FileWriteDamaged,
          "The file \"%1\" could not be written completely: %2. It may be damaged; its previous content was kept "
          "in \"%3\".",
          "Die Datei \"%1\" konnte nicht vollständig geschrieben werden: %2. Sie ist möglicherweise beschädigt; "
          "ihr bisheriger Inhalt wurde in \"%3\" aufbewahrt."},
    Entry{TextId::FileRemarksReplaced,
          "The file \"%1\" cannot hold %2 characters of the remarks; they were written as \"?\".",
          "Die Datei \"%1\" kann %2 Zeichen der Bemerkungen nicht aufnehmen; sie wurden als \"?\" geschrieben."},
    Entry{TextId::FileRemarksReplacedOne,
          "The file \"%1\" cannot hold %2 character of the remarks; it was written as \"?\".",
          "Die Datei \"%1\" kann %2 Zeichen der Bemerkungen nicht aufnehmen; es wurde als \"?\" geschrieben."},
    Entry{TextId::ReasonNotFound, "no such file or folder", "Datei oder Ordner nicht vorhanden"},
    Entry{TextId::ReasonNoPermission, "permission denied", "keine Berechtigung"},
    Entry{TextId::ReasonIsFolder, "it is a folder", "es ist ein Ordner"},
    Entry{TextId::ReasonNotRegular, "it is not a regular file", "es ist keine gewöhnliche Datei"},
    Entry{TextId::ReasonDiskFull, "the disk is full", "der Datenträger ist voll"},
    Entry{TextId::ReasonReadOnly, "the file system is read-only", "das Dateisystem ist schreibgeschützt"},
    Entry{TextId::ReasonNameTooLong, "the file name is too long", "der Dateiname ist zu lang"},
    Entry{TextId::ReasonFolderNoPermission, "the folder may not be written",
          "der Ordner darf nicht beschrieben werden"},
    Entry{TextId::ReasonFileAndFolderNoPermission, "neither the file nor its folder may be written",
          "weder die Datei noch ihr Ordner darf beschrieben werden"},
    Entry{TextId::ReasonNoBackup, "it must be written in place and its previous content cannot be kept",
          "sie muss direkt überschrieben werden, und ihr bisheriger Inhalt kann nicht gesichert werden"},
    Entry{TextId::ReasonSystemError, "%3 (system error %2)", "%3 (Systemfehler %2)"},
    Entry{TextId::PrintTitle, "Volantis4  V3.3 ", "Volantis4  V3.3 "},
    Entry{TextId::PrintSummary, "Summary:", "Zusammenfassung:"},
    Entry{TextId::PrintAerodynamicCentre, "aerodynamic center: ", "Neutralpunkt:        "},
    Entry{TextId::PrintCgHigh,
          "Recommended center of gravity by stab =  ", "Empfohlener Schwerpunkt bei Stabilität =  "},
    Entry{TextId::PrintCgLow,
          "recomemnded center of gravity by stab =  ", "Empfohlener Schwerpunkt bei Stabilität =  "},
    Entry{TextId::PrintCgManual, "Center of gravity by stab = ", "Schwerpunkt bei Stabilität = "},
    Entry{TextId::PrintWing, "Wing", "Flügel"},
    Entry{TextId::PrintSpan, "wing span:          ", "Spannweite:          "},
    Entry{TextId::PrintArea, "wing area:          ", "Flächeninhalt:       "},
    Entry{TextId::PrintAspectRatio, "aspect ratio:       ", "Streckung:           "},
    Entry{TextId::PrintMeanChord, "mean aerod. chord:  ", "Bezugstiefe:       "},
    Entry{TextId::PrintGeometricCentre, "geometric center:   ", "Geom. Neutralpunkt:  "},
    Entry{TextId::PrintWingAerodynamicCentre, "aerodynamic center: ", "Aerod. Neutralpunkt: "},
    Entry{TextId::PrintLiftSlope, "lift slope:         ", "Auftriebsanstieg:    "},
    Entry{TextId::PrintResultsOutdated, "Results of an earlier calculation: press Calculate (F9) before printing",
          "Ergebnisse einer früheren Berechnung: vor dem Drucken Berechnen (F9) drücken"},
    Entry{TextId::ReportTitle, "Stability report", "Stabilitätsbericht"},
    Entry{TextId::ReportNeutralPoint,
          "Neutral point: x = %1 mm; %2 the root leading edge of wing %3; %4 % MAC (standard lattice of %5 panels)",
          "Neutralpunkt: x = %1 mm; %2 der Wurzelnasenleiste von Flügel %3; %4 % der Bezugstiefe (Standardgitter "
          "mit %5 Panels)"},
    Entry{TextId::ReportReference,
          "Reference wing %1: root leading edge at x = %2 mm, reference chord (MAC) %3 mm, reference area %4 dm²",
          "Bezugsflügel %1: Wurzelnasenleiste bei x = %2 mm, Bezugstiefe %3 mm, Bezugsfläche %4 dm²"},
    Entry{TextId::ReportLeadingEdge,
          "Leading edge of the reference chord: x = %1 mm; %2 the root leading edge of wing %3",
          "Nasenleiste der Bezugstiefe: x = %1 mm; %2 der Wurzelnasenleiste von Flügel %3"},
    Entry{TextId::ReportCg,
          "Centre of gravity (%1, margin %2 %): x = %3 mm; %4 the root leading edge of wing %5; %6 % MAC",
          "Schwerpunkt (%1, Stabilitätsmaß %2 %): x = %3 mm; %4 der Wurzelnasenleiste von Flügel %5; %6 % der "
          "Bezugstiefe"},
    Entry{TextId::ReportCgLow, "automatic, rear", "automatisch, hinten"},
    Entry{TextId::ReportCgHigh, "automatic, forward", "automatisch, vorn"},
    Entry{TextId::ReportCgManual, "manual", "manuell"},
    Entry{TextId::ReportAccuracy,
          "Finer lattice of %1 panels: neutral point x = %2 mm; converged estimate x = %3 mm; band %4 mm (%5 % MAC) "
          "between the two lattices' neutral points",
          "Feineres Gitter mit %1 Panels: Neutralpunkt x = %2 mm; konvergierte Schätzung x = %3 mm; Band %4 mm (%5 % "
          "der Bezugstiefe) zwischen den Neutralpunkten der beiden Gitter"},
    Entry{TextId::ReportAccuracyNone, "Lattice accuracy: the finer lattice cannot be built:",
          "Genauigkeit des Gitters: das feinere Gitter lässt sich nicht aufbauen:"},
    Entry{TextId::ReportSurface, "Wing %1: lift share %2 %", "Flügel %1: Auftriebsanteil %2 %"},
    Entry{TextId::ReportSurfaceSlope, "  lift slope %1 /rad in the aircraft, %2 /rad alone: effectiveness %3",
          "  Auftriebsanstieg %1 /rad im Flugzeug, %2 /rad allein: Wirksamkeit %3"},
    Entry{TextId::ReportSurfaceVolume, "  volume coefficient %1", "  Volumenbeiwert %1"},
    Entry{TextId::ReportSurfaceChange, "  moving this wing 10 mm aft moves the neutral point %1",
          "  10 mm nach hinten verschoben, verschiebt dieser Flügel den Neutralpunkt um %1"},
    Entry{TextId::ReportNotAvailable, "not available", "nicht verfügbar"},
    Entry{TextId::ReportBalance,
          "Balance: centre of gravity x = %1 mm; %2 the root leading edge of wing %3; total mass %4 g",
          "Auswiegen: Schwerpunkt x = %1 mm; %2 der Wurzelnasenleiste von Flügel %3; Gesamtmasse %4 g"},
    Entry{TextId::ReportBalanceMargin, "  static margin %1 %", "  Stabilitätsmaß %1 %"},
    Entry{TextId::ReportBalanceTarget, "  target (%1): x = %2 mm; shift the centre of gravity %3",
          "  Ziel (%1): x = %2 mm; Schwerpunkt %3 verschieben"},
    Entry{TextId::ReportBalanceBallast, "  ballast %1 the root leading edge of wing %2: %3 g",
          "  Ballast %1 der Wurzelnasenleiste von Flügel %2: %3 g"},
    Entry{TextId::ReportBalanceUnreachable,
          "  ballast %1 the root leading edge of wing %2: the target cannot be reached by adding mass there",
          "  Ballast %1 der Wurzelnasenleiste von Flügel %2: das Ziel ist mit Zusatzmasse dort nicht erreichbar"},
    Entry{TextId::ReportBalanceMove, "  or move the %1 g mass %2", "  oder die %1 g um %2 verschieben"},
    Entry{TextId::ReportBalanceMoveBeyondReach, "  or move %1 g: the distance needed is too large to state",
          "  oder %1 g verschieben: die nötige Strecke ist zu groß, um sie anzugeben"},
    Entry{TextId::ReportNeutralPointStored,
          "Neutral point: x = %1 mm; %2 the root leading edge of wing %3; %4 % MAC (stored with the aircraft file)",
          "Neutralpunkt: x = %1 mm; %2 der Wurzelnasenleiste von Flügel %3; %4 % der Bezugstiefe (mit der "
          "Flugzeugdatei gespeichert)"},
    Entry{TextId::ReportBalanceBy,
          "Balance the model by these centres of gravity: they follow from the standard lattice's neutral point, and "
          "the finer lattice below says how far that may be off.",
          "Ausgewogen wird nach diesen Schwerpunkten: sie folgen aus dem Neutralpunkt des Standardgitters, und das "
          "feinere Gitter unten sagt, wie weit er danebenliegen kann."},
    Entry{TextId::ReportBalanceByStored,
          "Balance the model by these centres of gravity: they follow from the neutral point stored with the file.",
          "Ausgewogen wird nach diesen Schwerpunkten: sie folgen aus dem mit der Datei gespeicherten Neutralpunkt."},
    Entry{TextId::ReportLatticeNeedsRun,
          "The lattice figures (accuracy, each surface) need a calculation: press Calculate (F9).",
          "Die Gitterwerte (Genauigkeit, einzelne Flächen) brauchen eine Berechnung: bitte Berechnen (F9) drücken."},
    Entry{TextId::ReportBehind, "%1 mm behind", "%1 mm hinter"},
    Entry{TextId::ReportAheadOf, "%1 mm ahead of", "%1 mm vor"},
    Entry{TextId::ReportAft, "%1 mm aft", "%1 mm nach hinten"},
    Entry{TextId::ReportForward, "%1 mm forward", "%1 mm nach vorn"},
    Entry{TextId::ValidateTitle, "Lift slope of classic planforms, published beside computed",
          "Auftriebsanstieg klassischer Grundrisse, veröffentlicht und berechnet"},
    Entry{TextId::ValidateWarren12,
          "Warren-12 wing: aspect ratio 2.83, taper 1/3, leading edge swept 53.54° (root 1500 mm, half span 1414 mm)",
          "Warren-12-Flügel: Streckung 2,83, Zuspitzung 1/3, Vorderkante 53,54° gepfeilt (Wurzel 1500 mm, "
          "Halbspannweite 1414 mm)"},
    Entry{TextId::ValidateSwept45, "Swept wing: 45°, untapered, aspect ratio 5 (chord 200 mm, half span 500 mm)",
          "Pfeilflügel: 45°, ohne Zuspitzung, Streckung 5 (Tiefe 200 mm, Halbspannweite 500 mm)"},
    Entry{TextId::ValidateRectangle6, "Rectangular wing: aspect ratio 6 (chord 200 mm, half span 600 mm)",
          "Rechteckflügel: Streckung 6 (Tiefe 200 mm, Halbspannweite 600 mm)"},
    Entry{TextId::ValidateSourceLiftingSurface, "lifting-surface theory", "Tragflächentheorie"},
    Entry{TextId::ValidateSourceMeasured, "wind-tunnel measurement", "Windkanalmessung"},
    Entry{TextId::ValidateSourceHelmbold, "Helmbold's formula", "Formel nach Helmbold"},
    Entry{TextId::ValidatePublished, "  published: %1 /rad (%2)", "  veröffentlicht: %1 /rad (%2)"},
    Entry{TextId::ValidateComputed, "  computed:  %1 /rad with %2 panels (%3 %)",
          "  berechnet: %1 /rad mit %2 Panels (%3 %)"},
    Entry{TextId::ValidateNote1,
          "The lattice is not tuned to these figures: flat horseshoe vortices at the panels' quarter chord and "
          "control points at three quarters give lift slopes within a few percent of lifting-surface theory,",
          "Das Gitter ist nicht auf diese Werte abgestimmt: ebene Hufeisenwirbel in der Viertellinie der Panels und "
          "Aufpunkte in der Dreiviertellinie ergeben Auftriebsanstiege wenige Prozent neben der Tragflächentheorie,"},
    Entry{TextId::ValidateNote2,
          "slightly above it on coarse lattices; a measurement also holds thickness, viscosity and the tunnel, which "
          "the lattice does not know. Helmbold's formula is an estimate made for elliptic loading.",
          "auf groben Gittern etwas darüber; eine Messung enthält auch Dicke, Reibung und den Kanal, die das Gitter "
          "nicht kennt. Die Formel nach Helmbold ist eine Schätzung für elliptische Auftriebsverteilung."},
    Entry{TextId::PrinterCaption, "Printer", "Printer"},
    Entry{TextId::PrinterResolution, "Printer resolution:", "Printer resolution:"},
    Entry{TextId::PrinterColour, "Color", "Color"},
    Entry{TextId::PrinterCancel, "Cancel", "Cancel"},
    Entry{TextId::PrinterPrint, "Print", "Print"},
    Entry{TextId::PrinterGridIndex, "i", "i"},
    Entry{TextId::PrinterGridResolution, "Auflösung", "Auflösung"},
    Entry{TextId::PrinterNone, "No printer is installed.", "Es ist kein Drucker installiert."},
    Entry{TextId::PrinterServiceDown, "The print service is not running.", "Der Druckdienst läuft nicht."},
    Entry{TextId::PrinterNoResolutions, "The printer reports no resolutions.", "Der Drucker meldet keine Auflösungen."},
    Entry{TextId::PrinterFailed, "The printer did not accept the page.", "Der Drucker hat die Seite nicht angenommen."},
    Entry{TextId::PrinterSaveAsPdf, "Save as PDF…", "Als PDF speichern…"},
    Entry{TextId::PdfReportLeftOut,
          "The report pages are left out: the results are older than the aircraft; press Calculate (F9) first.",
          "Die Berichtsseiten fehlen: die Ergebnisse sind älter als das Flugzeug; zuerst Berechnen (F9) drücken."},
    Entry{TextId::ReportPageNumber, "Page %1 of %2", "Seite %1 von %2"},
    Entry{TextId::MenuExportPdf, "Export PDF…", "PDF exportieren…"},
    Entry{TextId::MenuExportTemplate, "Export balance template…", "Schwerpunkt-Schablone exportieren…"},
    Entry{TextId::TemplateTitle, "Balance template", "Schwerpunkt-Schablone"},
    Entry{TextId::TemplateDistances,
          "Wing %1 at true scale (its right half seen from above), the root section on the thick left line; each "
          "line gives its distance from the root leading edge.",
          "Flügel %1 in Originalgröße (die rechte Hälfte von oben), die Wurzelrippe an der dicken linken Linie; jede "
          "Linie nennt ihren Abstand von der Nasenleiste an der Wurzel."},
    Entry{TextId::TemplateRoot, "root", "Wurzel"},
    Entry{TextId::TemplateFlight, "flight direction", "Flugrichtung"},
    Entry{TextId::TemplateStepPrint,
          "Print at actual size (100\u00a0%, no fitting to the page): the ruler must measure exactly 100\u00a0mm.",
          "In Originalgröße drucken (100\u00a0%, nicht an die Seite anpassen): das Lineal muss genau 100\u00a0mm "
          "messen."},
    Entry{TextId::TemplateStepCut, "Cut the sheet along the thick root line.",
          "Das Blatt an der dicken Wurzellinie abschneiden."},
    Entry{TextId::TemplateStepLay,
          "Lay it on top of the right wing, flight direction forward: the cut edge along the wing's root (at the "
          "fuselage, or the centre line of a flying wing), the black root leading-edge line on the leading edge.",
          "Auf die Oberseite des rechten Flügels legen, Flugrichtung nach vorn: die Schnittkante an der Flügelwurzel "
          "(am Rumpf oder, beim Nurflügel, an der Mittellinie), die schwarze Linie der Nasenleiste auf die "
          "Nasenleiste."},
    Entry{TextId::TemplateStepMark, "Mark the blue lines on the wing; mirror them onto the left wing.",
          "Die blauen Linien auf den Flügel übertragen und auf den linken Flügel spiegeln."},
    Entry{TextId::TemplateStepBalanceRange,
          "Lift the model under both wings at the marks: it should balance level between the two blue lines, never "
          "behind the red neutral point.",
          "Das Modell an den Markierungen unter beiden Flügeln anheben: es soll zwischen den beiden blauen Linien "
          "waagerecht ausbalancieren, nie hinter dem roten Neutralpunkt."},
    Entry{TextId::TemplateStepBalanceManual,
          "Lift the model under both wings at the marks: it should balance level on the blue line, never behind the "
          "red neutral point.",
          "Das Modell an den Markierungen unter beiden Flügeln anheben: es soll auf der blauen Linie waagerecht "
          "ausbalancieren, nie hinter dem roten Neutralpunkt."},
    Entry{TextId::TemplateAhead, "ahead of", "vor"},
    Entry{TextId::TemplateBehind, "behind", "hinter"},
    Entry{TextId::TemplateOffPage, "%1 (beyond this page)", "%1 (außerhalb dieser Seite)"},
    Entry{TextId::TemplateLineRootLe, "root leading edge: 0\u00a0mm", "Nasenleiste an der Wurzel: 0\u00a0mm"},
    Entry{TextId::TemplateLineMeanChordLe, "leading edge of the mean chord (MAC): %1\u00a0mm %2 the root leading edge",
          "Vorderkante der Bezugstiefe: %1\u00a0mm %2 der Nasenleiste an der Wurzel"},
    Entry{TextId::TemplateLineCg, "CG for margin %1\u00a0%: %2\u00a0mm %3 the root leading edge (%4\u00a0%\u00a0MAC)",
          "SP für Stabilitätsmaß %1\u00a0%: %2\u00a0mm %3 der Nasenleiste an der Wurzel "
          "(%4\u00a0%\u00a0der\u00a0Bezugstiefe)"},
    Entry{TextId::TemplateLineNeutralPoint, "neutral point: %1\u00a0mm %2 the root leading edge (%3\u00a0%\u00a0MAC)",
          "Neutralpunkt: %1\u00a0mm %2 der Nasenleiste an der Wurzel (%3\u00a0%\u00a0der\u00a0Bezugstiefe)"},
    Entry{TextId::TemplateNoRun,
          "The balance template needs the results of a complete calculation: calculate the aircraft first.",
          "Die Schwerpunkt-Schablone braucht die Ergebnisse einer vollständigen Berechnung: bitte zuerst berechnen."},
    Entry{TextId::TemplateNeedsCalculation, "The template needs a complete calculation: press Calculate (F9).",
          "Die Schablone braucht eine vollständige Berechnung: Berechnen (F9) drücken."},
    Entry{TextId::PdfFilter, "PDF files (*.pdf)", "PDF-Dateien (*.pdf)"},
    Entry{TextId::MenuAnalysis, "Analysis", "Analyse"},
    Entry{TextId::MenuLiveResults, "Live results", "Live-Ergebnisse"},
    Entry{TextId::MenuRecentFiles, "Recent files", "Zuletzt geöffnet"},
    Entry{TextId::TipGap, "Wing %1: half the width of the gap between the two half-wings, mm",
          "Flügel %1: halbe Breite der Lücke zwischen den beiden Flügelhälften, mm"},
    Entry{TextId::TipWidth, "Wing %1: span width of trapezium %2, mm", "Flügel %1: Breite von Trapez %2, mm"},
    Entry{TextId::TipOffset, "Wing %1: leading edge of section %2 behind the root's leading edge (negative: ahead), mm",
          "Flügel %1: Vorderkante von Schnitt %2 hinter der Vorderkante der Wurzel (negativ: davor), mm"},
    Entry{TextId::TipChord, "Wing %1: chord of section %2, mm", "Flügel %1: Flügeltiefe an Schnitt %2, mm"},
    Entry{TextId::TipPositionX,
          "Wing %1: position of the root's leading edge along the aircraft axis (positive aft), mm",
          "Flügel %1: Lage der Wurzelvorderkante längs der Rumpfachse (positiv nach hinten), mm"},
    Entry{TextId::TipPositionZ, "Wing %1: height of the wing's plane (positive up), mm",
          "Flügel %1: Höhe der Flügelebene (positiv nach oben), mm"},
    Entry{TextId::TipMargin, "Desired static stability margin, % of the reference chord",
          "Gewünschtes Stabilitätsmaß, % der Bezugsflügeltiefe"},
    Entry{TextId::TipSpan, "Wing %1: span b over both half-wings, mm",
          "Flügel %1: Spannweite b über beide Flügelhälften, mm"},
    Entry{TextId::TipArea, "Wing %1: area S of both half-wings, dm²",
          "Flügel %1: Flächeninhalt S beider Flügelhälften, dm²"},
    Entry{TextId::TipMeanChord, "Wing %1: mean aerodynamic chord lm, mm",
          "Flügel %1: mittlere aerodynamische Flügeltiefe lm, mm"},
    Entry{TextId::TipGeometricCentre, "Wing %1: geometric centre r25 behind the root's leading edge, mm",
          "Flügel %1: geometrischer Neutralpunkt r25 hinter der Wurzelvorderkante, mm"},
    Entry{TextId::TipAspectRatio, "Wing %1: aspect ratio lam = b² / S, no unit",
          "Flügel %1: Streckung lam = b² / S, ohne Einheit"},
    Entry{TextId::TipAerodynamicCentre,
          "Wing %1: aerodynamic centre anp of the last run, behind the root's leading edge, mm",
          "Flügel %1: aerodynamischer Neutralpunkt anp der letzten Berechnung, hinter der Wurzelvorderkante, mm"},
    Entry{TextId::TipMarginResult,
          "% of the reference chord; after a run, the neutral point's distance behind the centre of gravity, mm",
          "% der Bezugsflügeltiefe; nach einer Berechnung der Abstand des Neutralpunkts hinter dem Schwerpunkt, mm"},
    Entry{TextId::TipReadJunk, "read as %1: the characters after the number are ignored",
          "gelesen als %1: die Zeichen nach der Zahl werden übergangen"},
    Entry{TextId::TipReadSign, "read as %1: the sign is not applied, since characters follow the number",
          "gelesen als %1: das Vorzeichen gilt nicht, da der Zahl Zeichen folgen"},
    Entry{TextId::TipReadClamped, "read as %1: a field holds no number beyond ±99999999",
          "gelesen als %1: ein Feld fasst keine Zahl über ±99999999"},
    Entry{TextId::TipReadNoDigit, "read as 0: the text holds no digit", "gelesen als 0: der Text enthält keine Ziffer"},
    Entry{TextId::MenuStabilityReport, "Stability report…", "Stabilitätsbericht…"},
    Entry{TextId::ReportHeadingPosition, "Neutral point and centre of gravity", "Neutralpunkt und Schwerpunkt"},
    Entry{TextId::ReportHeadingAccuracy, "Accuracy of the lattice", "Genauigkeit des Gitters"},
    Entry{TextId::ReportHeadingSurfaces, "Each surface, and what moving it changes",
          "Die einzelnen Flächen, und was ihr Verschieben ändert"},
    Entry{TextId::ReportHeadingBalance, "Balance by weighing", "Auswiegen"},
    Entry{TextId::ReportPending, "…", "…"},
    Entry{TextId::ReportAccuracyPending, "Lattice accuracy: the finer lattice is being computed…",
          "Genauigkeit des Gitters: das feinere Gitter wird berechnet…"},
    Entry{TextId::ReportNoResults,
          "No valid results: the aircraft has changed since the last calculation, or it has not been calculated. "
          "Press Calculate (F9).",
          "Keine gültigen Ergebnisse: das Flugzeug wurde seit der letzten Berechnung geändert oder noch nicht "
          "berechnet. Bitte Berechnen (F9) drücken."},
    Entry{TextId::ReportBalanceInputsHeading, "Weighing the model", "Wiegen des Modells"},
    Entry{TextId::ReportBalanceMeasured, "Measured centre of gravity and total mass",
          "Gemessener Schwerpunkt und Gesamtmasse"},
    Entry{TextId::ReportBalanceSupports, "Two or more supports on scales", "Zwei oder mehr Auflagen auf Waagen"},
    Entry{TextId::ReportBalanceCg,
          "Centre of gravity, mm from the root leading edge:", "Schwerpunkt, mm ab Wurzelnasenleiste:"},
    Entry{TextId::ReportBalanceMass, "Total mass, g:", "Gesamtmasse, g:"},
    Entry{TextId::ReportBalanceSupportsHint, "Each support: position in mm from the root leading edge, reading in g",
          "Jede Auflage: Lage in mm ab Wurzelnasenleiste, Anzeige in g"},
    Entry{TextId::ReportBalanceAddSupport, "Add a support", "Auflage hinzufügen"},
    Entry{TextId::ReportBalanceTargetCaption, "Target:", "Ziel:"},
    Entry{TextId::ReportBalanceBallastCaption,
          "Ballast at, mm from the root leading edge:", "Ballast bei, mm ab Wurzelnasenleiste:"},
    Entry{TextId::ReportBalanceMoveCaption, "Movable mass (battery), g:", "Verschiebbare Masse (Akku), g:"},
    Entry{TextId::ReportBalanceIncomplete,
          "Enter the measured centre of gravity with the total mass, or two or more supports whose readings add up "
          "to more than 0 g.",
          "Gemessenen Schwerpunkt mit Gesamtmasse eingeben, oder zwei oder mehr Auflagen, deren Anzeigen zusammen "
          "mehr als 0 g ergeben."},
    Entry{TextId::ChordBarLeadingEdge, "LE", "NL"},
    Entry{TextId::ChordBarTrailingEdge, "TE", "EL"},
    Entry{TextId::ChordBarNeutralPoint, "NP", "NP"},
    Entry{TextId::ChordBarCgRange, "CG range", "SP-Bereich"},
    Entry{TextId::ChordBarManualCg, "manual CG", "manueller SP"},
    Entry{TextId::ChordBarWeighedCg, "weighed CG", "gewogener SP"},
    Entry{TextId::FuselageTooFewStations, "a fuselage needs at least %1 stations",
          "ein Rumpf braucht mindestens %1 Stationen"},
    Entry{TextId::FuselageTooManyStations, "a fuselage has at most %1 stations",
          "ein Rumpf hat höchstens %1 Stationen"},
    Entry{TextId::FuselageNotIncreasing, "station %1 does not lie behind station %2",
          "Station %1 liegt nicht hinter Station %2"},
    Entry{TextId::FuselageNegativeWidth, "station %1 has a width below 0 mm", "Station %1 hat eine Breite unter 0 mm"},
    Entry{TextId::FuselageAxisRange, "the axis height lies beyond ±%1 mm", "die Achshöhe liegt jenseits von ±%1 mm"},
    Entry{TextId::FuselagePositionRange, "station %1 lies beyond ±%2 mm", "Station %1 liegt jenseits von ±%2 mm"},
    Entry{TextId::FuselageWidthRange, "station %1 is wider than %2 mm", "Station %1 ist breiter als %2 mm"},
    Entry{TextId::FileFuselage, "The file \"%1\" is refused: its fuselage block, line %2: %3.",
          "Die Datei \"%1\" wird abgelehnt: ihr Rumpfblock, Zeile %2: %3."},
    Entry{TextId::FuselageNotWholeMillimetres, "<%1> holds \"%2\", not a whole number of millimetres",
          "<%1> enthält \"%2\", keine ganze Zahl von Millimetern"},
    Entry{TextId::FuselageGivenTwice, "<%1> is given twice", "<%1> steht doppelt"},
    Entry{TextId::FuselageOutsideBlock, "<%1> stands outside the <fuselage> block",
          "<%1> steht außerhalb des Blocks <fuselage>"},
    Entry{TextId::FuselageOutsideStation, "<%1> stands outside a <fuselage_station>",
          "<%1> steht außerhalb einer <fuselage_station>"},
    Entry{TextId::FuselageInStation, "<%1> stands inside a <fuselage_station>",
          "<%1> steht innerhalb einer <fuselage_station>"},
    Entry{TextId::FuselageSecondBlock, "a second <fuselage> block", "ein zweiter Block <fuselage>"},
    Entry{TextId::FuselageNotClosed, "<%1> is not closed", "<%1> wird nicht geschlossen"},
    Entry{TextId::FuselageNotOpened, "<%1> closes a station that was not opened",
          "<%1> schließt eine Station, die nicht geöffnet wurde"},
    Entry{TextId::FuselageStationIncomplete, "a station ends without <station_x_mm> or <station_width_mm>",
          "eine Station endet ohne <station_x_mm> oder <station_width_mm>"},
    Entry{TextId::ReportHeadingFuselage, "Fuselage", "Rumpf"},
    Entry{TextId::ReportHeadingLimits, "What the neutral point leaves out", "Was der Neutralpunkt nicht enthält"},
    Entry{TextId::ReportFuselage,
          "Fuselage: %1 stations from %2 mm to %3 mm (%4 mm long, at most %5 mm wide), axis at height %6 mm",
          "Rumpf: %1 Stationen von %2 mm bis %3 mm (%4 mm lang, höchstens %5 mm breit), Achse in Höhe %6 mm"},
    Entry{TextId::ReportFuselageLattice,
          "  from the lattice's flow: moment slope %1 /rad, on the aircraft's lift slope %2 /rad the neutral point "
          "moves %3 (%4 % MAC)",
          "  aus der Strömung des Gitters: Momentenanstieg %1 /rad, beim Auftriebsanstieg des Flugzeugs von %2 /rad "
          "verschiebt sich der Neutralpunkt %3 (%4 % der Bezugstiefe)"},
    Entry{TextId::ReportFuselageChart,
          "  chart estimate: quarter chord at %1 of the length, K_f %2 /deg, moment slope %3 /rad: the neutral point "
          "moves %4 (%5 % MAC)",
          "  Schätzung nach dem Diagramm: Viertelpunkt bei %1 der Länge, K_f %2 /Grad, Momentenanstieg %3 /rad: der "
          "Neutralpunkt verschiebt sich %4 (%5 % der Bezugstiefe)"},
    Entry{TextId::ReportFuselageSpread, "  the two methods differ by %1 mm (%2 % MAC)",
          "  die beiden Verfahren unterscheiden sich um %1 mm (%2 % der Bezugstiefe)"},
    Entry{TextId::ReportFuselageChartRange,
          "  chart estimate: outside the chart's range (quarter chord at %1 of the length; the chart covers 0.10 to "
          "0.62)",
          "  Schätzung nach dem Diagramm: außerhalb des Diagramms (Viertelpunkt bei %1 der Länge; das Diagramm reicht "
          "von 0.10 bis 0.62)"},
    Entry{TextId::ReportFuselageChartLayout,
          "  the chart was fitted to aircraft with one wing and a tail behind it: it is not meant for this layout",
          "  das Diagramm beruht auf Flugzeugen mit einem Flügel und einem Leitwerk dahinter: für diese Anordnung ist "
          "es nicht gedacht"},
    Entry{TextId::ReportFuselageNeutralPoint,
          "Neutral point with fuselage: x = %1 mm; %2 the root leading edge of wing %3; %4 % MAC",
          "Neutralpunkt mit Rumpf: x = %1 mm; %2 der Wurzelnasenleiste von Flügel %3; %4 % der Bezugstiefe"},
    Entry{TextId::ReportFuselageCg,
          "Centre of gravity with fuselage (%1, margin %2 %): x = %3 mm; %4 the root leading edge of wing %5; %6 % MAC",
          "Schwerpunkt mit Rumpf (%1, Stabilitätsmaß %2 %): x = %3 mm; %4 der Wurzelnasenleiste von Flügel %5; %6 % "
          "der Bezugstiefe"},
    Entry{TextId::ReportFuselageSuspect,
          "Wing %1 looks like a fuselage drawn as a wing (a root chord longer than half the fuselage, or an aspect "
          "ratio below 1): remove it while the fuselage is entered, or the body counts twice.",
          "Flügel %1 sieht aus wie ein als Flügel gezeichneter Rumpf (Wurzeltiefe länger als der halbe Rumpf oder "
          "Streckung unter 1): bei eingegebenem Rumpf entfernen, sonst zählt der Rumpf doppelt."},
    Entry{TextId::ReportFuselageNone,
          "The fuselage is not included (enter it on the Fuselage page or with --fuselage); a fuselage usually moves "
          "the neutral point forward.",
          "Der Rumpf ist nicht berücksichtigt (auf der Seite Rumpf oder mit --fuselage eingeben); ein Rumpf verschiebt "
          "den Neutralpunkt meist nach vorn."},
    Entry{TextId::ReportLimitsLattice,
          "Lattice: the finer lattice moves the neutral point by %1 mm (%2 % MAC); the converged estimate is %3 mm.",
          "Gitter: das feinere Gitter verschiebt den Neutralpunkt um %1 mm (%2 % der Bezugstiefe); die konvergierte "
          "Schätzung ist %3 mm."},
    Entry{TextId::ReportLimitsLatticeUnknown,
          "Lattice: its accuracy is not known here (the finer lattice was not computed).",
          "Gitter: seine Genauigkeit ist hier nicht bekannt (das feinere Gitter wurde nicht berechnet)."},
    Entry{TextId::ReportLimitsFuselage,
          "Fuselage: included; the lattice-flow method and the chart differ by %1 mm (%2 % MAC).",
          "Rumpf: berücksichtigt; das Verfahren aus der Gitterströmung und das Diagramm unterscheiden sich um %1 mm "
          "(%2 % der Bezugstiefe)."},
    Entry{TextId::ReportLimitsFuselageNoChart, "Fuselage: included; the chart gives no value to compare with.",
          "Rumpf: berücksichtigt; das Diagramm liefert keinen Vergleichswert."},
    Entry{TextId::ReportLimitsFuselageNone,
          "Fuselage: not included; on sport models and trainers it typically moves the neutral point 1–4 % MAC "
          "forward, on a wide scale model more.",
          "Rumpf: nicht berücksichtigt; bei Sportmodellen und Trainern verschiebt er den Neutralpunkt typisch um 1–4 % "
          "der Bezugstiefe nach vorn, bei breiten Scale-Modellen mehr."},
    Entry{TextId::ReportLimitsPropeller,
          "Propeller and power: not modelled; a propeller ahead of the centre of gravity is destabilising, typically "
          "by a few per cent MAC under power.",
          "Propeller und Antrieb: nicht modelliert; ein Propeller vor dem Schwerpunkt wirkt destabilisierend, unter "
          "Last typisch um einige Prozent der Bezugstiefe."},
    Entry{TextId::ReportLimitsAirfoil,
          "Airfoil camber and thickness: not modelled; the flat lattice puts each wing's aerodynamic centre near its "
          "quarter chord, while model airfoils at low Reynolds numbers have theirs typically 1–3 % of the chord away "
          "from it.",
          "Profilwölbung und -dicke: nicht modelliert; das ebene Gitter legt den Neutralpunkt jedes Flügels nahe an "
          "seine Viertelstiefe, Modellprofile haben ihren bei kleinen Reynoldszahlen typisch 1–3 % der Tiefe davon "
          "entfernt."},
    Entry{TextId::ReportLimitsTail,
          "Tail in the wing's wake: not modelled; there the dynamic pressure is typically 85–95 % of the free stream, "
          "which lowers the tail's share and moves the neutral point forward.",
          "Leitwerk im Nachlauf des Flügels: nicht modelliert; dort beträgt der Staudruck typisch 85–95 % der freien "
          "Anströmung, was den Anteil des Leitwerks mindert und den Neutralpunkt nach vorn verschiebt."},
    Entry{TextId::ReportLimitsViscosity,
          "Inviscid flow: low-Reynolds airfoils lift less than the lattice assumes (typically 80–90 % of its lift "
          "slope), so its upwash and downwash are, if anything, slightly large.",
          "Reibungsfreie Strömung: Profile bei kleinen Reynoldszahlen liefern weniger Auftrieb, als das Gitter annimmt "
          "(typisch 80–90 % seines Auftriebsanstiegs); sein Auf- und Abwind ist daher eher etwas zu groß."},
    Entry{TextId::ReportLimitsBalanceByFuselage,
          "Balance by the centres of gravity with fuselage (neutral point x = %1 mm); the converged estimate would "
          "move them %2.",
          "Ausgewogen wird nach den Schwerpunkten mit Rumpf (Neutralpunkt x = %1 mm); die konvergierte Schätzung "
          "verschöbe sie %2."},
    Entry{
        TextId::ReportLimitsBalanceBy,
        "Balance by the centres of gravity above (neutral point x = %1 mm); the converged estimate would move them %2.",
        "Ausgewogen wird nach den Schwerpunkten oben (Neutralpunkt x = %1 mm); die konvergierte Schätzung verschöbe "
        "sie %2."},
    Entry{TextId::TemplateWithFuselage,
          "The neutral point and the centres of gravity include the fuselage entered with the aircraft.",
          "Neutralpunkt und Schwerpunkte berücksichtigen den mit dem Flugzeug eingegebenen Rumpf."},
    Entry{TextId::TabFuselage, "  Fuselage  ", " Rumpf "},
    Entry{
        TextId::FuselagePageExplanation,
        "The fuselage seen from above, from nose to tail: each station's position along the aircraft in mm (like the "
        "wings' positions; negative ahead of x = 0) and its full width in mm; the width is linear between stations. "
        "The stability report then gives its moment, the neutral point with it and the centres of gravity to balance "
        "by.",
        "Der Rumpf von oben, von der Nase zum Heck: je Station die Lage längs des Flugzeugs in mm (wie die Lagen der "
        "Flügel; negativ vor x = 0) und die ganze Breite in mm; dazwischen ändert sich die Breite linear. Der "
        "Stabilitätsbericht gibt dann sein Moment, den Neutralpunkt mit Rumpf und die Schwerpunkte zum Auswiegen an."},
    Entry{TextId::FuselageColumnX, "x, mm", "x, mm"},
    Entry{TextId::FuselageColumnWidth, "width, mm", "Breite, mm"},
    Entry{TextId::FuselageAddStation, "Add station", "Station hinzufügen"},
    Entry{TextId::FuselageRemoveStation, "Remove station", "Station entfernen"},
    Entry{TextId::FuselageAxisCaption,
          "Height of the fuselage's centre line, mm (on the axis of the wing heights; usually below a high wing; it "
          "moves the answer by a few tenths of a per cent MAC):",
          "Höhe der Rumpfmittellinie, mm (auf der Achse der Flügelhöhen; bei einem Hochdecker meist darunter; sie "
          "ändert das Ergebnis um einige Zehntel Prozent der Bezugstiefe):"},
    Entry{TextId::FuselageCellNotWhole, "Not used yet: station %1 holds \"%2\", not a whole number of millimetres.",
          "Noch nicht berücksichtigt: Station %1 enthält \"%2\", keine ganze Zahl von Millimetern."},
    Entry{TextId::FuselageNone, "No fuselage entered: add at least two stations from nose to tail.",
          "Kein Rumpf eingegeben: mindestens zwei Stationen von der Nase zum Heck hinzufügen."},
    Entry{TextId::FuselageAxisNotWhole, "Not used yet: the axis height \"%1\" is not a whole number of millimetres.",
          "Noch nicht berücksichtigt: die Achshöhe \"%1\" ist keine ganze Zahl von Millimetern."},
    Entry{TextId::FuselageNotUsed, "Not used yet: %1.", "Noch nicht berücksichtigt: %1."},
    Entry{TextId::FuselageUsed,
          "The fuselage is saved with the aircraft and used by the stability report (Analysis menu).",
          "Der Rumpf wird mit dem Flugzeug gespeichert und im Stabilitätsbericht berücksichtigt (Menü Analyse)."},
    Entry{TextId::MenuReportDocked, "Report beside the drawings", "Bericht neben den Zeichnungen"},
    Entry{TextId::MenuReportHelp, "The report's terms", "Begriffe des Berichts"},
    Entry{TextId::ReportDockTitle, "Stability report", "Stabilitätsbericht"},
    Entry{TextId::ReportTipPosition,
          "x: along the aircraft, positive aft. % MAC: from the leading edge of the reference chord, in percent of "
          "that chord. F1: the report's terms.",
          "x: längs des Flugzeugs, nach hinten positiv. % der Bezugstiefe: ab der Nasenleiste der Bezugstiefe, in "
          "Prozent dieser Tiefe. F1: die Begriffe des Berichts."},
    Entry{TextId::ReportTipAccuracy,
          "The band is the distance between the neutral points of the standard and the finer lattice: how far the "
          "standard lattice's neutral point may be off. F1: the report's terms.",
          "Das Band ist der Abstand zwischen den Neutralpunkten des Standardgitters und des feineren Gitters: so weit "
          "kann der Neutralpunkt des Standardgitters danebenliegen. F1: die Begriffe des Berichts."},
    Entry{TextId::ReportTipSurfaces,
          "The effectiveness is a surface's lift slope in the aircraft over its lift slope alone: below 1 it flies "
          "in the downwash of the surfaces ahead of it. The volume coefficient is its area times the distance of its "
          "aerodynamic centre behind the reference wing's, over the reference area times the reference chord. F1: "
          "the report's terms.",
          "Die Wirksamkeit ist der Auftriebsanstieg einer Fläche im Flugzeug geteilt durch ihren Auftriebsanstieg "
          "allein: unter 1 fliegt sie im Abwind der Flächen davor. Der Volumenbeiwert ist ihre Fläche mal dem Abstand "
          "ihres Neutralpunkts hinter dem des Bezugsflügels, geteilt durch Bezugsfläche mal Bezugstiefe. F1: die "
          "Begriffe des Berichts."},
    Entry{TextId::HelpTitle, "The stability report's terms", "Die Begriffe des Stabilitätsberichts"},
    Entry{TextId::HelpText,
          "<h3>Neutral point, centre of gravity, % MAC</h3>"
          "<p>The neutral point is the point about which the aircraft's pitching moment does not change with the "
          "angle of attack. With the centre of gravity ahead of it the aircraft is stable; their distance in percent "
          "of the reference chord (MAC, the mean aerodynamic chord of the reference wing) is the static margin. The "
          "report gives each position as x along the aircraft, as its distance behind (or ahead of) the root leading "
          "edge of the reference wing, where a model is measured, and in % MAC, from the leading edge of the "
          "reference chord.</p>"
          "<h3>Standard and finer lattice, band</h3>"
          "<p>The results come from a vortex lattice, each wing divided into panels: the standard lattice. The "
          "report computes the aircraft once more on a lattice of about twice the panels. The band is the distance "
          "between the neutral points of the two lattices: how far the standard lattice's neutral point may be off. "
          "Balance the model by the centres of gravity of the standard lattice; a band of a few tenths of a percent "
          "MAC is well within what a model can be balanced to.</p>"
          "<h3>Effectiveness</h3>"
          "<p>The effectiveness of a surface is its lift slope in the aircraft divided by its lift slope alone, on "
          "the same panels. Below 1 the surface flies in the downwash of the surfaces ahead of it (a tailplane behind "
          "a wing); above 1 it gains from their upwash.</p>"
          "<h3>Volume coefficient</h3>"
          "<p>The volume coefficient of a surface is its area times the distance of its aerodynamic centre behind "
          "that of the reference wing, divided by the reference area times the reference chord. The tailplanes of "
          "conventional models lie around 0.4 to 0.7; the larger it is, the further aft the neutral point.</p>",
          "<h3>Neutralpunkt, Schwerpunkt, % der Bezugstiefe</h3>"
          "<p>Der Neutralpunkt ist der Punkt, um den sich das Nickmoment des Flugzeugs mit dem Anstellwinkel nicht "
          "ändert. Liegt der Schwerpunkt davor, ist das Flugzeug stabil; ihr Abstand in Prozent der Bezugstiefe "
          "(der mittleren aerodynamischen Tiefe des Bezugsflügels) ist das Stabilitätsmaß. Der Bericht gibt jede Lage "
          "als x längs des Flugzeugs an, als Abstand hinter (oder vor) der Wurzelnasenleiste des Bezugsflügels, wo "
          "man am Modell misst, und in Prozent der Bezugstiefe ab deren Nasenleiste.</p>"
          "<h3>Standardgitter und feineres Gitter, Band</h3>"
          "<p>Die Ergebnisse kommen aus einem Wirbelgitter, jeder Flügel in Panels geteilt: dem Standardgitter. Der "
          "Bericht rechnet das Flugzeug noch einmal mit etwa doppelt so vielen Panels. Das Band ist der Abstand "
          "zwischen den Neutralpunkten beider Gitter: so weit kann der Neutralpunkt des Standardgitters "
          "danebenliegen. Ausgewogen wird nach den Schwerpunkten des Standardgitters; ein Band von wenigen Zehnteln "
          "Prozent der Bezugstiefe liegt weit unter dem, was sich am Modell auswiegen lässt.</p>"
          "<h3>Wirksamkeit</h3>"
          "<p>Die Wirksamkeit einer Fläche ist ihr Auftriebsanstieg im Flugzeug geteilt durch ihren Auftriebsanstieg "
          "allein, auf denselben Panels. Unter 1 fliegt die Fläche im Abwind der Flächen davor (ein Höhenleitwerk "
          "hinter dem Flügel); über 1 gewinnt sie aus deren Aufwind.</p>"
          "<h3>Volumenbeiwert</h3>"
          "<p>Der Volumenbeiwert einer Fläche ist ihre Fläche mal dem Abstand ihres Neutralpunkts hinter dem des "
          "Bezugsflügels, geteilt durch Bezugsfläche mal Bezugstiefe. Höhenleitwerke üblicher Modelle liegen um 0,4 "
          "bis 0,7; je größer, desto weiter hinten der Neutralpunkt.</p>"},
    Entry{TextId::ReportBalanceByFuselage,
          "Balance the model by the centres of gravity with the fuselage (in the fuselage part below): they follow "
          "from the standard lattice's neutral point moved by the fuselage, and the finer lattice says how far the "
          "lattice may be off.",
          "Ausgewogen wird nach den Schwerpunkten mit Rumpf (im Teil Rumpf unten): sie folgen aus dem Neutralpunkt "
          "des Standardgitters, verschoben durch den Rumpf, und das feinere Gitter sagt, wie weit das Gitter "
          "danebenliegen kann."},
    Entry{TextId::ReportFuselageNeedsRun,
          "The fuselage is entered; its figures need a calculation: press Calculate (F9).",
          "Der Rumpf ist eingegeben; seine Werte brauchen eine Berechnung: bitte Berechnen (F9) drücken."},
    Entry{TextId::StepFuselage, "edit of the fuselage", "Bearbeiten des Rumpfes"},
    Entry{TextId::TipMarginRefused, "Not used: a margin lies within ±1000 % of the reference chord",
          "Nicht übernommen: ein Stabilitätsmaß liegt innerhalb von ±1000 % der Bezugstiefe"},
};

// Entry i is the text of id i, and each has both languages: an id without its entry, or entries out
// of order, stop the build here.
constexpr bool everyTextInItsPlace() {
  if (std::size(kTexts) != static_cast<std::size_t>(TextId::Count)) return false;
  for (std::size_t i = 0; i < std::size(kTexts); ++i) {
    const Entry& e = kTexts[i];
    if (e.id != static_cast<TextId>(i) || e.english.empty() || e.german.empty()) return false;
  }
  return true;
}
static_assert(everyTextInItsPlace(), "the language table needs one entry per TextId, in the enum's order");

}  // namespace

std::string_view text(TextId id, Language language) {
  const auto i = static_cast<std::size_t>(id);
  if (i >= std::size(kTexts)) return {};
  return language == Language::English ? kTexts[i].english : kTexts[i].german;
}

}  // namespace volantis4

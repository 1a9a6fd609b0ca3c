#pragma once
// The balance template: one page (A4 or Letter) with the reference wing's root region at true scale
// (1 mm on paper is 1 mm on the model), the root leading edge, the mean chord's leading edge, the
// centre-of-gravity range or the manual centre of gravity and the neutral point marked, numbered
// steps, and a printed 100 mm ruler to check the printer's scale. The modeller lays it on the wing,
// root to root, and marks the balance point.

#include <QLocale>
#include <optional>
#include <string>
#include <vector>

#include "files/atomic_write.h"
#include "files/file_error.h"
#include "model/language.h"
#include "print/paper.h"

class QPainter;
class QPaintDevice;
class QString;

namespace volantis4 {

struct Document;

/// One section of the reference wing's outline (mm): span distance from the root section,
/// leading-edge x (aircraft) and chord.
struct OutlineSection {
  double y = 0;
  double xLe = 0;
  double chord = 0;
};

/// A centre of gravity for the template: its margin (percent of the reference chord) and x.
struct TemplateCg {
  double margin = 0;
  double x = 0;
};

/// What the template shows (mm, aircraft x).
struct TemplateInput {
  int wing = 1;                          // the reference wing
  std::vector<OutlineSection> sections;  // root first (y = 0)
  double rootLeX = 0;                    // R, the root leading edge
  double xnp = 0;
  double lmue = 0;
  double xLeRef = 0;                 // leading edge of the reference chord
  TemplateCg forward, aft;           // the automatic pair: larger and smaller margin
  std::optional<TemplateCg> manual;  // shown instead of the pair when the manual margin is chosen
  bool withFuselage = false;         // the neutral point and the centres of gravity include the fuselage
  std::string fileName;
};

/// The template of a document whose last run is complete (reference wing, outline, neutral point,
/// centres of gravity, with the document's fuselage when it has one; `manualChoice` picks the manual
/// one over the pair); nullopt without one.
std::optional<TemplateInput> templateInputOf(const Document& doc, bool manualChoice);

/// What a mark line of the template stands for.
enum class MarkKind { RootLeadingEdge, MeanChordLeadingEdge, CgForward, CgAft, CgManual, NeutralPoint };

struct TemplateMark {
  MarkKind kind = MarkKind::RootLeadingEdge;
  double x = 0;         // aircraft x
  double pageY = 0;     // mm from the top of the page
  bool onPage = false;  // within the drawing
};

/// A point on the page, mm from its top-left corner.
struct PagePoint {
  double x = 0;
  double y = 0;
};

inline constexpr double kRulerLengthMm = 100;

/// Where everything stands on the page. Model and page share the scale: page y = top + (x − xAtTop),
/// page x = left + span distance from the root.
struct TemplateLayout {
  double left = 0, right = 0, top = 0, bottom = 0;  // the drawing, mm; the root section on `left`
  double xAtTop = 0;                                // the aircraft x at `top`
  std::vector<PagePoint> outline;   // the planform (gap left out), leading edge out, trailing edge back; not clipped
  std::vector<TemplateMark> marks;  // root and mean chord's leading edges, the centre(s) of gravity, neutral point
  double rulerX = 0;                // page x of the ruler's line, which runs down the page like the chords
  double rulerTop = 0;              // page y of its 0 mm tick; the ticks point right

  double pageX(double fromRoot) const { return left + fromRoot; }
  double pageY(double x) const { return top + (x - xAtTop); }
};

/// The layout of a template on `paper`: the drawing down to 10 mm above the paper's foot, its top
/// 10 mm ahead of the foremost leading-edge point within the drawing's span and of every mark, so
/// that the leading edge is always on the page; the ruler's foot 5 mm above the drawing's.
TemplateLayout templateLayout(const TemplateInput& input, Paper paper = Paper::A4);

/// A text of the template where it stands.
struct TemplateText {
  enum class Role { Title, FileName, Note, Step, Flight, OffPageMark, LineLabel };
  Role role = Role::Note;
  MarkKind mark = MarkKind::RootLeadingEdge;  // LineLabel, OffPageMark: the mark it names
  std::string text;
  double points = 8;  // font size
  bool bold = false;
  double left = 0, top = 0, right = 0, bottom = 0;  // mm from the page's corner: the area the text fills
  double wrapWidth = 0;                             // mm the text is broken to; 0: one line
};

/// Every text of the template, laid out with the fonts as they measure on `device` (the page's
/// device or one of its resolution): title and file name above the drawing; notes, numbered
/// steps, flight direction and the marks beyond the page in the column, above the ruler; on the
/// drawing one label per mark just above its line, moved down (or up at the foot) only as far as
/// needed to keep clear of the one before. No two texts overlap.
std::vector<TemplateText> templateTexts(const TemplateInput& input, const TemplateLayout& layout, Language language,
                                        const QPaintDevice& device);

/// The label of a mark: what it is, its distance ahead of or behind the root leading edge in mm,
/// and for the centres of gravity and the neutral point where it lies on the mean chord (% MAC).
std::string markLabel(const TemplateInput& input, const TemplateMark& mark, Language language);

/// Draws the template on `paper` at `dpi` device pixels per inch (no margins).
void drawBalanceTemplate(QPainter& painter, int dpi, const TemplateInput& input, Language language, Paper paper);

/// Writes the template as a one-page PDF (600 dpi) on `paper`, whole or not at all
/// (print/page_file.h); the error says which file and why. `write` replaces the write step (tests).
std::optional<FileError> exportBalanceTemplate(const TemplateInput& input, Language language, const QString& path,
                                               const WriteStep& write = {}, Paper paper = paperOfLocale(QLocale()));

}  // namespace volantis4

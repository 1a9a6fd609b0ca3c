#pragma once
// The one-page printed summary (Button6Click's page): title, file name, the top view and the
// three-dimensional view, the summary lines and one block per wing in use.

#include <string>

#include "model/document.h"
#include "views/canvas.h"
#include "views/three_d_view.h"

namespace volantis4 {

/// Size of the page image Image_P in pixels.
inline constexpr int kSummaryPageWidth = 807;
inline constexpr int kSummaryPageHeight = 1620;

/// Sizes of the buffers the two pictures are rendered at (Image4, Image7) before stretching.
inline constexpr int kTopViewBufferWidth = 593;
inline constexpr int kTopViewBufferHeight = 330;
inline constexpr int kThreeDBufferWidth = 631;
inline constexpr int kThreeDBufferHeight = 200;

/// Where the pictures are stretched to on the page.
inline constexpr Rect kTopViewOnPage{0, 42, 616, 354};
inline constexpr Rect kThreeDOnPage{0, 357, 616, 548};

/// Font of the page: its columns (x = 320, 420, 510) are laid out for Courier's 9-pixel cell.
inline constexpr const char* kSummaryFontFamily = "Courier";
inline constexpr int kSummaryFontSize = 12;  // points

/// Top y of wing w's block (w = 1..5).
inline constexpr int wingBlockTop(int w) { return 683 + 180 * (w - 1); }

/// Step 2 of the Print command without the views: `Calc` with keep_results set, so the wings'
/// planform figures are recomputed and the results of the last run stay on show.
void recomputeForSummary(Document& doc);

/// The two pictures at their buffer sizes (593 × 330, 631 × 200): the top view with its result
/// overlay, and the three-dimensional view as turned by `rotation` (tilt, turn, magnification).
void drawSummaryPictures(const Document& doc, const SystemColours& colours, const ThreeDState& rotation,
                         Canvas& topView, Canvas& threeDView);

/// Whether the page's results belong to the aircraft drawn: Outdated once the aircraft has been
/// changed after its last calculation (results_valid clear).
enum class ResultsAge { Current, Outdated };

/// Top y of the line that marks a page with outdated results: the summary's sixth row, between
/// its last line and the first wing block.
inline constexpr int kOutdatedLineTop = 663;

/// Draws the whole page on `page` (resized to 807 × 1620, filled white) from the document after
/// a complete run: planform figures, section table, positions, vortex results, stability and
/// language; `fileName` is the current file name. The two pictures are stretched into their
/// rectangles. Without a run's output the two aerodynamic values of the wing blocks stay empty.
/// With Outdated results one red line more says so under the summary; the page is otherwise the same.
void drawSummaryPage(Canvas& page, const Document& doc, const std::string& fileName, const Canvas& topView,
                     const Canvas& threeDView, ResultsAge results = ResultsAge::Current);

/// The "xf: ", "lf: " or "yf: " line of wing w: five (5, 0) fields joined by single blanks,
/// empty fields for sections beyond the wing's count. `kind` is 'x', 'l' or 'y'.
std::string sectionLine(const Document& doc, int w, char kind);

}  // namespace volantis4

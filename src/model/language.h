#pragma once
// The language flag and the one table of fixed texts that every caption, label and drawing consults.

#include <string_view>

namespace volantis4 {

enum class Language { English, German };

/// Fixed texts of the system in both languages (the window's caption sets extend this table).
enum class TextId {
  // Wing page result captions.
  CaptionSpan,
  CaptionArea,
  CaptionMeanChord,
  CaptionGeometricCentre,
  CaptionAspectRatio,
  CaptionAerodynamicCentre,
  // Gap notice on a wing page, two lines.
  GapNoticeLine1,
  GapNoticeLine2,
  // Remarks start text.
  RemarksStart,
};

/// The text of `id` in `language`, exactly as shown (blanks included).
std::string_view text(TextId id, Language language);

}  // namespace volantis4

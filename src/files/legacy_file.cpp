#include "files/legacy_file.h"

#include "files/codepage.h"
#include "files/text_file.h"
#include "model/field_reading.h"

namespace volantis4 {

LegacyContent readLegacyLayout(std::string_view bytes) {
  LineCursor lines(bytes);
  const auto atEnd = [&lines] { return lines.atEnd(); };
  const auto readLine = [&lines] { return lines.next(); };

  LegacyContent content;
  StagingRecord& record = content.record;
  const std::string_view countLine = readLine();
  record.wingsCount = readField(countLine);
  record.wingsCountText = shownValue(countLine);
  record.wingsCountGiven = true;
  for (int w = 1; w <= 3; ++w) {
    const auto i = wingIndex(w);
    bool first = true;
    for (std::int32_t* value : record.wing(w).inRecordOrder()) {
      const std::string_view line = readLine();
      *value = readField(line);
      if (first) record.trapeziaText[i] = shownValue(line);  // the trapezium count leads the record
      first = false;
    }
    record.trapeziaGiven[i] = true;
  }
  readLine();  // line 53: read, not used

  content.remarks.assign(1, ' ');  // a single blank
  if (atEnd()) return content;
  readLine();  // line 54
  if (atEnd()) return content;
  content.sb = readReal(readLine());
  if (atEnd()) return content;
  content.lmue = readReal(readLine());
  if (atEnd()) return content;
  content.xnp = readReal(readLine());
  if (atEnd()) return content;
  readLine();  // line 58
  if (atEnd()) return content;

  std::string comment(readLine());
  while (!atEnd()) {
    comment += '\n';
    comment += readLine();
  }
  content.remarks = fromWindows1252(comment);
  return content;
}

}  // namespace volantis4

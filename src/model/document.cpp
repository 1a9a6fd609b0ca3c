#include "model/document.h"

#include <utility>

namespace volantis4 {

void recomputeWing(Document& doc, int w) {
  if (!doc.run.flags.keep_results) doc.run.flags.results_valid = false;
  recomputeWing(doc.geometry, doc.form, w);
}

void Calc(Document& doc) {
  if (!doc.run.flags.keep_results) {
    doc.run.flags.results_valid = false;
    doc.run.flags.grid_valid = false;
  }
  for (int w = 1; w <= kWingCount; ++w) recomputeWing(doc, w);
  readPositions(doc.geometry, doc.form);
  doc.run.panel.reset(doc.language);
}

void resizeRecomputations(Document& doc) {
  const KeepResults keep(doc);
  for (int w = 1; w <= kWingCount; ++w) recomputeWing(doc, w);
  if (!doc.run.flags.results_valid) Calc(doc);
}

FieldHandler setFieldText(Document& doc, FieldKey key, const std::string& text) {
  fieldText(doc.form, key) = text;
  switch (key.kind) {
    case FieldKind::PositionX:
    case FieldKind::PositionZ:
      Calc(doc);
      return FieldHandler::Calc;
    case FieldKind::Gap:
      recomputeWing(doc, key.wing);
      return FieldHandler::GapChange;
    default:
      recomputeWing(doc, key.wing);
      return FieldHandler::WingRecomputation;
  }
}

void chooseTrapezia(Document& doc, int w, int t) {
  doc.form.wing(w).checkedTrapezia = t;
  recomputeWing(doc, w);
}

RunRecord runRecord(const Document& doc) {
  return {doc.run.flags, doc.run.panel, doc.run.solver_wings_count, doc.results, doc.output};
}

void restoreRun(Document& doc, const RunRecord& record) {
  const bool keep = doc.run.flags.keep_results;
  doc.run.flags = record.flags;
  doc.run.flags.keep_results = keep;
  doc.run.panel = record.panel;
  doc.run.solver_wings_count = record.solverWingsCount;
  doc.results = record.results;
  doc.output = record.output;
}

void replaceForm(Document& doc, Form form) {
  doc.form = std::move(form);
  Calc(doc);
}

void chooseWingsCount(Document& doc, int n) {
  doc.form.wingsCount = n;
  doc.run.solver_wings_count = n;
  Calc(doc);
}

}  // namespace volantis4

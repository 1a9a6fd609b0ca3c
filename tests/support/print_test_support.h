#pragma once
// Shared by the print tests: a calculated document, its page drawing and the poppler tools.

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include "print/page_drawing.h"
#include "print/summary_page.h"
#include "solver/calculation_run.h"
#include "views/qimage_canvas.h"

namespace volantis4::testing_support {

/// The default aircraft, calculated, with the figures recomputed as the Print command does.
inline Document calculatedDocument() {
  Document doc;
  Button4Click(doc);
  recomputeForSummary(doc);
  return doc;
}

/// The page of `doc` with plain pictures (kept alive by the returned drawing).
inline PageDrawing pageOf(const Document& doc) {
  auto top = std::make_shared<QImageCanvas>(kTopViewBufferWidth, kTopViewBufferHeight);
  auto threeD = std::make_shared<QImageCanvas>(kThreeDBufferWidth, kThreeDBufferHeight);
  return [&doc, top, threeD](Canvas& canvas) { drawSummaryPage(canvas, doc, "Unknown.da4", *top, *threeD); };
}

/// Runs a tool to completion (at most `seconds`); its standard output, or "" when it failed.
inline QString runTool(const QString& program, const QStringList& args, int seconds = 30) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(seconds * 1000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
    p.kill();
    p.waitForFinished(1000);
    return {};
  }
  return QString::fromUtf8(p.readAllStandardOutput());
}

inline bool haveTool(const QString& name) { return !QStandardPaths::findExecutable(name).isEmpty(); }

}  // namespace volantis4::testing_support

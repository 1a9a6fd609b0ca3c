// Writes the default aircraft's pictures as PNG files for a look by eye: the five planforms, the input
// sketches, the top view before and after Calculate (with pressure colours, in manual mode, in German,
// large), the 3-D view with needles and the report's chord bar (crowded, and with marks beyond it). Usage:
// volantis4-view-pictures FOLDER (make pictures).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>

#include "model/field_names.h"
#include "model/form.h"
#include "solver/calculation_run.h"
#include "views/chord_bar.h"
#include "views/input_sketch.h"
#include "views/planform_view.h"
#include "views/qimage_canvas.h"
#include "views/three_d_view.h"
#include "views/top_view.h"

using namespace volantis4;

namespace {

bool failed = false;

void save(const QImage& image, const QString& path) {
  if (!image.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    failed = true;
  }
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: volantis4-view-pictures FOLDER\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(dir);
  const SystemColours colours;
  const AircraftGeometry g = geometryOf(defaultForm());
  for (int w = 1; w <= 5; ++w) {
    QImageCanvas c(489, 273);
    drawPlanform(c, planformInput(g, w, w >= 4, g.position(w).x + 0.3 * g.figure(w).lm), colours);
    save(c.image(), dir + QString("/planform%1.png").arg(w));
  }
  // The chord bar of a 200 mm chord from x = 100: marks crowded onto the chord, and marks far beyond it.
  ChordBarInput bar{100, 200, 120, 140, 150, 200, 3.0, 155.0};
  for (const bool far : {false, true}) {
    if (far) {
      bar.xnp = 900;
      bar.weighedCg = -300;
    }
    for (const Language l : {Language::English, Language::German}) {
      QImageCanvas c(600, 112);
      drawChordBar(c, bar, l, colours);
      save(c.image(),
           dir + QString("/chord_bar%1%2.png").arg(far ? "_far" : "").arg(l == Language::German ? "_de" : ""));
    }
  }
  for (int t = 1; t <= 4; ++t) {
    QImageCanvas c(kInputSketchWidth, kInputSketchHeight);
    d_w(c, t, t == 2 ? Language::German : Language::English);
    save(c.image(), dir + QString("/sketch%1.png").arg(t));
  }
  // The sketch with the page's fields laid over it as plain boxes.
  QImageCanvas c(kInputSketchWidth, kInputSketchHeight);
  d_w(c, 4, Language::English);
  c.setBrushColour(kWhite);
  c.setPenColour(kGrey);
  for (const SketchFieldPlace& p : sketchFieldPlaces(1)) {
    c.fillRect(p.rect);
    c.textOut(p.rect.left + 3, p.rect.top + 4, fieldName(p.field));
  }
  save(c.image(), dir + "/sketch_fields.png");
  Document doc;
  struct Picture {
    const char* name;
    PressureDisplay pressure;
    bool manual;
    Language language;
    int width, height;
  };
  auto drawTop = [&](const Picture& p, QImageCanvas& top, TopViewState& view) {
    doc.stability.manual = p.manual;
    doc.language = p.language;
    const TopViewInput in = topViewInput(doc, colours, p.pressure);
    clearView(top, colours);
    d_1d(top, view, in, true);
    drawResultOverlay(top, view, in, true, false);
    if (in.resultsValid) Zeiger(top, view, in);
  };
  {
    QImageCanvas top(591, 300);
    TopViewState view;
    drawTop({"top_before", {}, false, Language::English, 591, 300}, top, view);
    save(top.image(), dir + "/top_before.png");
  }
  if (!Button4Click(doc)) return 1;
  for (const Picture& p : {Picture{"top_after", {}, false, Language::English, 591, 300},
                           Picture{"top_pressure", {true, 8}, false, Language::English, 591, 300},
                           Picture{"top_manual_de", {}, true, Language::German, 591, 300},
                           Picture{"top_large", {true, 40}, false, Language::English, 961, 493}}) {
    QImageCanvas top(p.width, p.height);
    TopViewState view;
    drawTop(p, top, view);
    save(top.image(), dir + "/" + p.name + ".png");
    if (!p.pressure.on) continue;
    QImageCanvas image3(p.width + 2, p.height * 2 / 3);
    ThreeDState three;
    const ThreeDInput in{&doc.geometry, doc.form.wingsCount, colours, true, true, doc.output.get(), p.pressure};
    d_3d(image3, top, three, view, in);
    save(image3.image(), dir + "/" + p.name + "_3d.png");
  }

  return failed ? 1 : 0;
}

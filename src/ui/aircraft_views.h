#pragma once
// The Aircraft page's drawings and what drives them: the top view with the proposal over it, the
// 3-D view with its scroll bars and mouse, the pressure display and the stability choice.

#include <QObject>
#include <string>

#include "model/document.h"
#include "views/lattice_display.h"
#include "views/three_d_view.h"
#include "views/top_view.h"

namespace volantis4 {

class AircraftPage;

class AircraftViews : public QObject {
  Q_OBJECT
 public:
  /// The views of `page` over `doc` (the stability choice is written into it); both outlive this.
  AircraftViews(AircraftPage& page, Document& doc, QObject* parent = nullptr);

  /// The top view cleared and drawn with a new layout (axes, wings, flight direction).
  void drawTopView();
  /// The flight-direction text of the language in force over the top view as it stands.
  void drawFlightDirection();
  /// The 3-D view as its scroll bars stand; the pressure box is shown while a lattice is.
  void draw3d();
  /// STABIL: the proposal over the top view and its distance in Label21; results opened from a
  /// file (`fromFile`) show no lattice.
  void showProposal(bool fromFile = false);
  /// The top view's zoom back to 100 (no magnification).
  void resetZoom();
  /// The pressure box ticked (`ticked`) or not over the results on show.
  void showPressure(bool ticked);
  /// The automatic (false) or manual (true) stability choice, as its radio buttons give it.
  void chooseStability(bool manual);
  /// The state of the top view, shared with the resize layout.
  TopViewState& topView() { return topView_; }
  /// The 3-D view's rotation as its scroll bars stand (the summary page draws it).
  const ThreeDState& rotation();
  /// Drag state shared by the planform images and the 3-D view: a press and a release at `at`.
  void sharedPress(Point at) { Image3MouseDown(threeD_, at); }
  void sharedRelease(Point at) { Image3MouseUp(threeD_, at); }

 signals:
  /// The stability choice or the manual margin changed.
  void stabilityChanged();

 private:
  void connectControls();
  void marginEdited(const QString& text);
  PressureDisplay pressure() const;
  TopViewInput topViewNow() const;

  AircraftPage& page_;
  Document& doc_;
  TopViewState topView_;
  ThreeDState threeD_;
};

}  // namespace volantis4

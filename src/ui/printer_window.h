#pragma once
// The printer window (TForm3): printer list, resolutions, colour box, "Cancel" and "Print". It
// prints the summary page through a print layer; without a printer, or with one that reports no
// resolutions, it says so in one line and offers "Save as PDF…".

#include <QWidget>

#include "model/form.h"
#include "model/language.h"
#include "ui/print_layer.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace volantis4 {

/// The printer window's border: a title with the system menu and minimise, no maximise and no
/// close box (Cancel closes it), of a fixed size.
inline constexpr Qt::WindowFlags kPrinterWindowFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint;

class PrinterDialog : public QWidget {
  Q_OBJECT
 public:
  /// The window over `layer`, which the caller keeps alive as long as the window.
  explicit PrinterDialog(PrintLayer& layer, QWidget* parent = nullptr);

  /// The page to print and the solver's wing count that chooses its scale.
  void setPage(PageDrawing page, int solverWingsCount);
  /// Language of the no-printer line and the PDF texts.
  void setLanguage(Language language);

  /// Refills list, resolutions and colour box from the layer (creation and every activation).
  void FormCreate();
  void ComboBox1Change();
  void CheckBoxColorClick();
  /// "Print": applies the selected resolution, prints the page in one job, closes the window.
  /// A refused job keeps the window open with one line saying so.
  void ButtonCloseClick();
  void Button1Click();
  /// Writes the page as PDF to `path`; false (and one line saying so) when it cannot.
  bool saveAsPdf(const QString& path);

  /// The one-line notice under the buttons ("" when hidden).
  QString notice() const;

 protected:
  bool event(QEvent* e) override;

 private:
  void fillResolutions();
  void fitResolutionColumn();
  void fillColourBox();
  void updateNotice();
  void chooseAndSavePdf();

  PrintLayer& layer_;
  PageDrawing page_;
  int solverWingsCount_ = kWingCount;
  Language language_ = Language::English;
  bool updating_ = false;
  QString failure_;

  QComboBox* ComboBox1;
  QLabel* resolutionCaption_;
  QCheckBox* CheckBoxColor;
  QTableWidget* StringGrid2;
  QPushButton* Button1;
  QPushButton* ButtonClose;
  QLabel* notice_;
  QPushButton* savePdf_;
};

}  // namespace volantis4

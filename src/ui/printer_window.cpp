#include "ui/printer_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <algorithm>

#include "model/numbers.h"
#include "print/pdf_export.h"
#include "ui/widgets.h"

namespace volantis4 {
namespace {

QString q(TextId id, Language language) {
  const std::string_view s = text(id, language);
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

constexpr int kWindowWidth = 372;
constexpr int kWindowHeight = 150;
constexpr int kNoticeHeight = 34;
// The resolution grid: its design width, widened up to the buttons' left edge when the longest
// resolution needs it.
constexpr int kGridWidth = 129;
constexpr int kGridMaxWidth = 229;

}  // namespace

PrinterDialog::PrinterDialog(PrintLayer& layer, QWidget* parent) : QWidget(parent, kPrinterWindowFlags), layer_(layer) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(q(TextId::PrinterCaption, language_));

  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setGeometry(0, 0, 369, 24);

  resolutionCaption_ = new QLabel(q(TextId::PrinterResolution, language_), this);
  resolutionCaption_->setObjectName(QStringLiteral("Label1"));
  resolutionCaption_->move(3, 37);

  CheckBoxColor = new QCheckBox(q(TextId::PrinterColour, language_), this);
  CheckBoxColor->setObjectName(QStringLiteral("CheckBoxColor"));
  CheckBoxColor->move(163, 36);

  StringGrid2 = new QTableWidget(this);
  StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
  StringGrid2->setGeometry(3, 56, kGridWidth, 90);
  StringGrid2->setColumnCount(2);
  StringGrid2->verticalHeader()->hide();
  StringGrid2->verticalHeader()->setDefaultSectionSize(20);
  StringGrid2->horizontalHeader()->setFixedHeight(20);
  StringGrid2->horizontalHeader()->setMinimumSectionSize(0);
  StringGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  StringGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid2->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGrid2->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);

  Button1 = new QPushButton(q(TextId::PrinterCancel, language_), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(238, 73, 73, 25);
  ButtonClose = new QPushButton(q(TextId::PrinterPrint, language_), this);
  ButtonClose->setObjectName(QStringLiteral("ButtonClose"));
  ButtonClose->setGeometry(238, 113, 73, 25);
  ButtonClose->setEnabled(false);

  notice_ = new QLabel(this);
  notice_->setObjectName(QStringLiteral("LabelNotice"));
  notice_->setGeometry(3, kWindowHeight + 4, 230, 25);
  savePdf_ = new QPushButton(this);
  savePdf_->setObjectName(QStringLiteral("ButtonSavePdf"));
  savePdf_->setGeometry(238, kWindowHeight + 4, 120, 25);

  connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
  connect(CheckBoxColor, &QCheckBox::toggled, this, [this] { CheckBoxColorClick(); });
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(ButtonClose, &QPushButton::clicked, this, [this] { ButtonCloseClick(); });
  connect(savePdf_, &QPushButton::clicked, this, [this] { chooseAndSavePdf(); });

  FormCreate();
}

void PrinterDialog::setPage(PageDrawing page, int solverWingsCount) {
  page_ = std::move(page);
  solverWingsCount_ = solverWingsCount;
}

void PrinterDialog::setLanguage(Language language) {
  language_ = language;
  updateNotice();
}

void PrinterDialog::FormCreate() {
  failure_.clear();
  layer_.refresh();
  {
    const QSignalBlocker block(ComboBox1);
    ComboBox1->clear();
  }
  if (layer_.printerAvailable()) {
    const QSignalBlocker block(ComboBox1);
    ComboBox1->clear();
    ComboBox1->addItems(layer_.printerNames());
    ComboBox1->setCurrentIndex(layer_.currentPrinterIndex());
  }
  StringGrid2->setColumnWidth(0, kGridWidth / 4 - 10);
  StringGrid2->setHorizontalHeaderLabels(
      {q(TextId::PrinterGridIndex, language_), q(TextId::PrinterGridResolution, language_)});
  fillResolutions();
  fillColourBox();
}

void PrinterDialog::fillResolutions() {
  updating_ = true;
  const int count = layer_.resolutionCount();
  const int previous = StringGrid2->currentRow();
  StringGrid2->setRowCount(count);
  for (int i = 0; i < count; ++i) {
    StringGrid2->setItem(i, 0, new QTableWidgetItem(qs(formatInt(i))));
    StringGrid2->setItem(
        i, 1, new QTableWidgetItem(qs(formatInt(layer_.xDpi(i)) + "x" + formatInt(layer_.yDpi(i)) + "dpi²")));
  }
  if (count > 0) StringGrid2->setCurrentCell(previous >= 0 && previous < count ? previous : 0, 0);
  fitResolutionColumn();
  updating_ = false;
  updateNotice();
}

// The resolution column as wide as its longest entry ("1200x1200dpi²" whole), at least its design
// width, and the grid as wide as its columns.
void PrinterDialog::fitResolutionColumn() {
  StringGrid2->resizeColumnToContents(1);
  const int second = std::max(kGridWidth * 3 / 4 - 10, StringGrid2->columnWidth(1));
  StringGrid2->setColumnWidth(1, second);
  const int needed = StringGrid2->columnWidth(0) + second + StringGrid2->verticalScrollBar()->sizeHint().width() +
                     2 * StringGrid2->frameWidth();
  StringGrid2->resize(std::clamp(needed, kGridWidth, kGridMaxWidth), StringGrid2->height());
}

void PrinterDialog::fillColourBox() {
  updating_ = true;
  if (layer_.colourCount() < 2) {
    CheckBoxColor->setEnabled(false);
    CheckBoxColor->setChecked(false);
  } else {
    CheckBoxColor->setEnabled(true);
    CheckBoxColor->setChecked(layer_.colour());
  }
  updating_ = false;
}

void PrinterDialog::ComboBox1Change() {
  failure_.clear();  // a failure of the printer chosen before
  layer_.selectPrinter(ComboBox1->currentIndex());
  fillResolutions();
  fillColourBox();
}

void PrinterDialog::CheckBoxColorClick() {
  if (updating_) return;
  layer_.setColour(CheckBoxColor->isChecked());
}

void PrinterDialog::ButtonCloseClick() {
  const int i = StringGrid2->currentRow();
  if (!layer_.printerAvailable() || i < 0 || i >= layer_.resolutionCount() || !page_) {
    updateNotice();
    return;
  }
  layer_.setResolutionIndex(i);
  const Rect target = pagePlacement(layer_.xDpi(i), solverWingsCount_);
  if (!layer_.beginDocument()) {
    failure_ = q(TextId::PrinterFailed, language_);
    updateNotice();
    return;
  }
  layer_.drawPage(target, page_);
  if (!layer_.endDocument()) {
    failure_ = q(TextId::PrinterFailed, language_);
    updateNotice();
    return;
  }
  close();
}

void PrinterDialog::Button1Click() { close(); }

bool PrinterDialog::saveAsPdf(const QString& path) {
  if (!page_) return false;
  const auto error = exportSummaryPdf(page_, solverWingsCount_, path);
  if (!error) return true;
  failure_ = QString::fromStdString(renderFileError(*error, language_));
  updateNotice();
  return false;
}

void PrinterDialog::chooseAndSavePdf() {
  const QString path = QFileDialog::getSaveFileName(this, q(TextId::PrinterSaveAsPdf, language_),
                                                    QStringLiteral("Volantis4.pdf"), q(TextId::PdfFilter, language_));
  if (!path.isEmpty() && saveAsPdf(path)) close();
}

QString PrinterDialog::notice() const { return notice_->isHidden() ? QString() : notice_->text(); }

// "Print" as the current printer allows, and one line under the buttons: why it cannot print, or
// why the last attempt failed.
void PrinterDialog::updateNotice() {
  QString line = failure_;
  const bool cannotPrint = !layer_.printerAvailable() || layer_.resolutionCount() == 0;
  if (line.isEmpty() && cannotPrint) {
    const TextId why = layer_.printerAvailable() ? TextId::PrinterNoResolutions
                       : layer_.serviceRunning() ? TextId::PrinterNone
                                                 : TextId::PrinterServiceDown;
    line = q(why, language_);
  }
  ButtonClose->setEnabled(!cannotPrint);
  notice_->setText(line);
  savePdf_->setText(q(TextId::PrinterSaveAsPdf, language_));
  notice_->setVisible(!line.isEmpty());
  savePdf_->setVisible(!line.isEmpty());
  setFixedSize(kWindowWidth, line.isEmpty() ? kWindowHeight : kWindowHeight + kNoticeHeight);
}

bool PrinterDialog::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormCreate();
  return QWidget::event(e);
}

}  // namespace volantis4

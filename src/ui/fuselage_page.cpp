#include "ui/fuselage_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/numbers.h"
#include "model/text_fill.h"
#include "ui/planform_image_widget.h"
#include "ui/widgets.h"
#include "views/fuselage_sketch.h"

namespace volantis4 {
namespace {

constexpr QSize kSketchSize{320, 420};

QString cellText(const QTableWidget* table, int row, int column) {
  const QTableWidgetItem* item = table->item(row, column);
  return item != nullptr ? item->text() : QString();
}

}  // namespace

FuselagePage::FuselagePage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FuselagePage"));
  auto* row = new QHBoxLayout(this);
  auto* column = new QVBoxLayout;
  row->addLayout(column, 1);

  explanation_ = new QLabel(this);
  explanation_->setObjectName(QStringLiteral("FuselageExplanation"));
  explanation_->setWordWrap(true);
  column->addWidget(explanation_);

  stations_ = new QTableWidget(0, 2, this);
  stations_->setObjectName(QStringLiteral("FuselageStations"));
  stations_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  stations_->verticalHeader()->setDefaultSectionSize(stations_->fontMetrics().height() + 8);
  column->addWidget(stations_, 1);
  connect(stations_, &QTableWidget::itemChanged, this, [this] {
    showStatus();
    emit edited();
  });

  auto* buttons = new QHBoxLayout;
  add_ = new QPushButton(this);
  add_->setObjectName(QStringLiteral("FuselageAddStation"));
  remove_ = new QPushButton(this);
  remove_->setObjectName(QStringLiteral("FuselageRemoveStation"));
  buttons->addWidget(add_);
  buttons->addWidget(remove_);
  buttons->addStretch(1);
  column->addLayout(buttons);
  connect(add_, &QPushButton::clicked, this, &FuselagePage::addStation);
  connect(remove_, &QPushButton::clicked, this, &FuselagePage::removeStation);

  auto* axisRow = new QHBoxLayout;
  axisCaption_ = new QLabel(this);
  axisCaption_->setWordWrap(true);
  axis_ = new QLineEdit(QStringLiteral("0"), this);
  axis_->setObjectName(QStringLiteral("FuselageAxisZ"));
  axis_->setMaximumWidth(90);
  axisRow->addWidget(axisCaption_, 1);
  axisRow->addWidget(axis_);
  column->addLayout(axisRow);
  connect(axis_, &QLineEdit::textEdited, this, [this] {
    showStatus();
    emit edited();
  });

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("FuselageStatus"));
  status_->setWordWrap(true);
  column->addWidget(status_);

  sketch_ = new PlanformImageWidget(this);
  sketch_->setObjectName(QStringLiteral("FuselageSketch"));
  sketch_->setCursor(Qt::ArrowCursor);
  sketch_->resizeImage(kSketchSize.width(), kSketchSize.height());
  sketch_->setFixedSize(kSketchSize);
  row->addWidget(sketch_, 0, Qt::AlignTop);
  applyCaptions(Language::English);
}

void FuselagePage::applyCaptions(Language language) {
  language_ = language;
  explanation_->setText(qtext(TextId::FuselagePageExplanation, language));
  stations_->setHorizontalHeaderLabels(
      {qtext(TextId::FuselageColumnX, language), qtext(TextId::FuselageColumnWidth, language)});
  add_->setText(qtext(TextId::FuselageAddStation, language));
  remove_->setText(qtext(TextId::FuselageRemoveStation, language));
  axisCaption_->setText(qtext(TextId::FuselageAxisCaption, language));
  showStatus();
}

std::optional<FuselageInput> FuselagePage::parsed(std::string* problem) const {
  FuselageInput f;
  const auto refuse = [problem](std::string why) {
    if (problem != nullptr) *problem = std::move(why);
    return std::nullopt;
  };
  for (int r = 0; r < stations_->rowCount(); ++r) {
    const QString x = cellText(stations_, r, 0), w = cellText(stations_, r, 1);
    if (x.trimmed().isEmpty() && w.trimmed().isEmpty()) continue;  // a row not filled in yet
    const auto xv = wholeMillimetres(x.toStdString()), wv = wholeMillimetres(w.toStdString());
    if (!xv || !wv)
      return refuse(filledText(TextId::FuselageCellNotWhole, language_,
                               {formatInt(r + 1), (xv ? w : x).trimmed().toStdString()}));
    f.stations.push_back({*xv, *wv});
  }
  if (f.stations.empty()) return refuse(std::string(text(TextId::FuselageNone, language_)));
  const auto z = wholeMillimetres(axis_->text().toStdString());
  if (!z) return refuse(filledText(TextId::FuselageAxisNotWhole, language_, {axis_->text().trimmed().toStdString()}));
  f.axisZ = *z;
  if (const auto check = checkFuselage(f))
    return refuse(filledText(TextId::FuselageNotUsed, language_, {renderFuselageProblem(*check, language_)}));
  return f;
}

std::optional<FuselageInput> FuselagePage::entered() const { return parsed(nullptr); }

void FuselagePage::showFuselage(const std::optional<FuselageInput>& fuselage, bool replaceTyped) {
  if (!replaceTyped && fuselage == entered()) return;
  const QSignalBlocker blockTable(stations_);
  const QSignalBlocker blockAxis(axis_);
  const std::size_t rows = fuselage ? fuselage->stations.size() : 0;
  stations_->setRowCount(static_cast<int>(rows));
  for (std::size_t i = 0; i < rows; ++i) {
    const FuselageStation& s = fuselage->stations[i];
    const int r = static_cast<int>(i);
    stations_->setItem(r, 0, new QTableWidgetItem(qs(formatInt(s.x))));
    stations_->setItem(r, 1, new QTableWidgetItem(qs(formatInt(s.width))));
  }
  axis_->setText(qs(formatInt(fuselage ? fuselage->axisZ : 0)));
  showStatus();
}

void FuselagePage::addStation() {
  const int at = stations_->currentRow() >= 0 ? stations_->currentRow() + 1 : stations_->rowCount();
  // An empty row changes nothing of the fuselage until it is filled in.
  const QSignalBlocker blocker(stations_);
  stations_->insertRow(at);
  stations_->setItem(at, 0, new QTableWidgetItem);
  stations_->setItem(at, 1, new QTableWidgetItem);
  stations_->setCurrentCell(at, 0);
  stations_->editItem(stations_->item(at, 0));
  remove_->setEnabled(true);
}

void FuselagePage::removeStation() {
  const int row = stations_->currentRow() >= 0 ? stations_->currentRow() : stations_->rowCount() - 1;
  if (row < 0) return;
  stations_->removeRow(row);
  showStatus();
  emit edited();
}

void FuselagePage::showStatus() {
  std::string problem;
  const bool used = parsed(&problem).has_value();
  status_->setText(used ? qtext(TextId::FuselageUsed, language_) : qs(problem));
  setTextStyle(status_, used ? Qt::black : Qt::red, false);
  remove_->setEnabled(stations_->rowCount() > 0);
}

void FuselagePage::drawSketch(const AircraftGeometry& geometry, int wingsCount, const SystemColours& colours) {
  std::string problem;
  const std::optional<FuselageInput> f = parsed(&problem);
  drawFuselageSketch(sketch_->canvas(), f ? &*f : nullptr, geometry, wingsCount, colours);
  sketch_->update();
}

}  // namespace volantis4

#include "ui/report_presenter.h"

#include <QAction>
#include <QDockWidget>
#include <QMainWindow>
#include <QSettings>

#include "ui/help_window.h"
#include "ui/report_window.h"
#include "ui/undo_commands.h"
#include "ui/widgets.h"
#include "ui/window_placement.h"

namespace volantis4 {
namespace {

constexpr const char* kDockedKey = "analysis/reportDocked";
constexpr QSize kReportSize{680, 860};
constexpr QSize kReportMinimum{320, 240};

}  // namespace

ReportPresenter::ReportPresenter(QMainWindow* window, Document& doc, UndoHistory& history, QAction* docked,
                                 std::function<void()> changed)
    : QObject(window), window_(window), doc_(doc), history_(history), docked_(docked), changed_(std::move(changed)) {
  const QSignalBlocker blocker(docked_);
  docked_->setChecked(userSettings().value(kDockedKey, false).toBool());
}

ReportPresenter::~ReportPresenter() {
  delete report_;
  delete help_;
}

void ReportPresenter::make() {
  if (report_) return;
  report_ = new ReportWindow(doc_);
  // The weighing is kept with the aircraft: an ordinary change of the document, and a step.
  connect(report_, &ReportWindow::balanceEdited, this,
          [this](const std::optional<BalanceInputs>& inputs, BalanceInput input, int support) {
            {
              const UndoStep step(history_, {.kind = StepName::Kind::Balance, .wing = support, .balanceInput = input});
              doc_.balance = inputs;
            }
            changed_();
            follow();
          });
  dock_ = new QDockWidget(window_);
  dock_->setObjectName(QStringLiteral("ReportDock"));
  dock_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  window_->addDockWidget(Qt::RightDockWidgetArea, dock_);
  dock_->hide();
  if (docked_->isChecked()) {
    dock_->setWidget(report_);
  } else {
    report_->setParent(window_, Qt::Window);
  }
}

void ReportPresenter::show() {
  make();
  if (docked_->isChecked()) {
    dock_->show();
    dock_->raise();
    report_->show();
  } else {
    placeWindow();
    report_->show();
    report_->raise();
    report_->activateWindow();
  }
  follow();
}

void ReportPresenter::follow() {
  if (report_) {
    report_->follow();
    dock_->setWindowTitle(qtext(TextId::ReportDockTitle, doc_.language));
  }
  if (help_) help_->fill(doc_.language);
}

void ReportPresenter::dockToggled() {
  const bool docked = docked_->isChecked();
  userSettings().setValue(kDockedKey, docked);
  if (!report_) return;
  const bool shown = report_->isVisible();
  if (docked) {
    report_->hide();
    dock_->setWidget(report_);
    if (shown) show();
  } else {
    dock_->setWidget(nullptr);
    dock_->hide();
    report_->setParent(window_, Qt::Window);
    placed_ = false;
    if (shown) show();
  }
}

// The first time the window opens it is made to fit the available area of the main window's
// screen, beside the main window where there is room; the frame is taken to be the main window's.
void ReportPresenter::placeWindow() {
  if (placed_) return;
  placed_ = true;
  const QRect area = availableAreaOf(*window_);
  const QRect outer = window_->frameGeometry();
  const QRect inner = window_->geometry();
  const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                       outer.bottom() - inner.bottom());
  const QPoint beside(outer.right() + 1, outer.top());
  const WindowPlacement p = placeOnScreen(beside, kReportSize, frame, kReportMinimum, area);
  report_->setMinimumSize(p.minimum);
  report_->resize(p.size);
  report_->move(p.position);
}

void ReportPresenter::showHelp() {
  if (!help_) help_ = new HelpWindow(window_);
  help_->fill(doc_.language);
  help_->show();
  help_->raise();
  help_->activateWindow();
}

}  // namespace volantis4

// Analysis > Stability report: the modeless window over the last complete run, following new
// runs, margin changes, language switches and edits, with its extra runs in the background.

#include "ui/report_window.h"

#include <QDockWidget>
#include <QGroupBox>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>

#include "analysis/report_lines.h"
#include "analysis/stability_report.h"
#include "solver/calculation_output.h"
#include "solver/stabil.h"
#include "ui_test_support.h"

namespace volantis4 {
namespace {

using testing_support::OpenWindowTest;

class ReportWindowTest : public OpenWindowTest {
 protected:
  ReportWindow* openReport() {
    action("StabilityReport1")->trigger();
    return find<ReportWindow>("ReportWindow");
  }
  void waitForExtras(const ReportWindow* r) const { QTRY_VERIFY_WITH_TIMEOUT(!r->extrasRunning(), 60000); }
  static QString joined(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& l : lines) out << QString::fromStdString(l);
    return out.join(QLatin1Char('\n'));
  }
};

TEST_F(ReportWindowTest, WithoutARunItSaysSoInBothLanguages) {
  ReportWindow* r = openReport();
  EXPECT_TRUE(r->isVisible());
  EXPECT_FALSE(r->report());
  EXPECT_FALSE(r->extrasRunning());
  EXPECT_TRUE(label("ReportStatus").startsWith("No valid results"));
  EXPECT_FALSE(find<QWidget>("ReportPosition")->isVisibleTo(r));
  action("german1")->trigger();
  EXPECT_TRUE(label("ReportStatus").startsWith(QString::fromUtf8("Keine gültigen Ergebnisse")));
  EXPECT_EQ(r->windowTitle(), QString::fromUtf8("Stabilitätsbericht"));
}

TEST_F(ReportWindowTest, ShowsTheRunAtOnceAndTheExtraRunsFillIn) {
  action("Calc1")->trigger();
  ReportWindow* r = openReport();
  ASSERT_TRUE(r->report());
  EXPECT_TRUE(r->extrasRunning());  // the extra runs take far longer than opening the window
  EXPECT_TRUE(find<QProgressBar>("ReportProgress")->isVisibleTo(r));
  EXPECT_TRUE(label("ReportAccuracy").contains(QString::fromUtf8("being computed…")));
  waitForExtras(r);
  EXPECT_FALSE(find<QProgressBar>("ReportProgress")->isVisibleTo(r));

  // The extra runs' figures replace the waiting marks; every part of the report is on show.
  EXPECT_TRUE(label("ReportAccuracy").startsWith("Finer lattice of "));
  for (const char* part : {"ReportPosition", "ReportAccuracy", "ReportSurfaces", "ReportFuselage", "ReportLimits"}) {
    EXPECT_FALSE(label(part).isEmpty()) << part;
    EXPECT_FALSE(label(part).contains(QString::fromUtf8("…"))) << part;
  }
  EXPECT_TRUE(label("ReportFuselage").startsWith("The fuselage is not included"));
  const VortexResults& v = window->document().output->vortex;
  EXPECT_DOUBLE_EQ(r->report()->fine.bandMm, std::fabs(r->report()->fine.xnp - v.xnp));
}

// A fuselage typed on its page while the report is open: no new run, the report takes it at once
// and its neutral point moves forward.
TEST_F(ReportWindowTest, TheFuselageTypedOnItsPageReachesTheOpenReport) {
  find<QAbstractButton>("RadioButton2")->click();  // wing and tail: the default's wing 4 would cover the body
  action("Calc1")->trigger();
  ReportWindow* r = openReport();
  EXPECT_TRUE(label("ReportFuselage").startsWith("The fuselage is not included"));
  auto* table = find<QTableWidget>("FuselageStations");
  table->setRowCount(2);
  table->setItem(0, 0, new QTableWidgetItem("-250"));
  table->setItem(0, 1, new QTableWidgetItem("80"));
  table->setItem(1, 0, new QTableWidgetItem("700"));
  table->setItem(1, 1, new QTableWidgetItem("20"));
  ASSERT_TRUE(r->report() && r->report()->fuselage);
  EXPECT_TRUE(window->document().run.flags.results_valid);
  EXPECT_TRUE(label("ReportFuselage").startsWith("Fuselage: 2 stations from -250 mm to 700 mm"))
      << label("ReportFuselage").toStdString();
  EXPECT_LT(r->report()->fuselage->figures.xnp, r->report()->xnp);
}

TEST_F(ReportWindowTest, FollowsTheMarginAndTheLanguage) {
  action("Calc1")->trigger();
  ReportWindow* r = openReport();
  find<QRadioButton>("RadioButton16")->click();
  type("Edit_Mstab", "10");
  ASSERT_TRUE(r->report());
  const double lmue = r->report()->lmue;
  const double at10 = r->report()->cg[2].x;
  EXPECT_NEAR(at10, r->report()->xnp - 0.10 * lmue, 1e-9);  // x_cg = xnp − lmue·σ/100
  type("Edit_Mstab", "20");
  EXPECT_NEAR(r->report()->cg[2].x, at10 - 0.10 * lmue, 1e-9);
  EXPECT_TRUE(label("ReportPosition").contains("(manual, margin 20.0 %)"));

  action("german1")->trigger();
  EXPECT_TRUE(label("ReportPosition").startsWith("Neutralpunkt: "));
  EXPECT_TRUE(label("ReportPosition").contains(QString::fromUtf8("(manuell, Stabilitätsmaß 20.0 %)")));
  EXPECT_EQ(find<QLabel>("ReportPosition")->parentWidget()->property("title").toString(),
            QString::fromUtf8("Neutralpunkt und Schwerpunkt"));
}

TEST_F(ReportWindowTest, AnEditOrClosingCancelsTheExtraRuns) {
  for (bool closing : {false, true}) {
    SCOPED_TRACE(closing ? "closing" : "an edit");
    open();
    action("Calc1")->trigger();
    ReportWindow* r = openReport();
    ASSERT_TRUE(r->extrasRunning());
    const std::weak_ptr<const CalculationOutput> run = reportBasis(window->document())->output;
    if (closing) {
      r->close();
      EXPECT_FALSE(r->extrasRunning());
      r->show();  // opened again: the report and its runs start afresh
      EXPECT_TRUE(r->report());
      EXPECT_TRUE(r->extrasRunning());
    } else {
      find<QTabWidget>("PageControl1")->setCurrentIndex(1);
      type("Edit4", "300");  // wing 1's root chord
      EXPECT_FALSE(r->extrasRunning());
      EXPECT_FALSE(r->report());
      EXPECT_TRUE(label("ReportStatus").startsWith("No valid results"));
    }
    window.reset();
    // No worker outlives the window: one still computing at exit crashed the program.
    EXPECT_TRUE(run.expired());
  }
}

TEST_F(ReportWindowTest, BalanceFromTheWeighing) {
  struct Case {
    const char* name;
    std::vector<std::pair<const char*, const char*>> typed;
    double fromRootLe, totalMass;
  };
  // Supports 300 g at 0 mm and 100 g at 100 mm: 100·100 / 400 = 25 mm behind the root leading edge.
  const Case cases[] = {{"measured", {{"BalanceCg", "60,5"}, {"BalanceMass", "1200"}}, 60.5, 1200},
                        {"supports",
                         {{"SupportX1", "0"}, {"SupportMass1", "300"}, {"SupportX2", "100"}, {"SupportMass2", "100"}},
                         25,
                         400}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    open();
    action("Calc1")->trigger();
    ReportWindow* r = openReport();
    EXPECT_TRUE(label("ReportBalance").startsWith("Enter the measured centre of gravity"));
    if (std::string_view(c.name) == "supports") find<QRadioButton>("BalanceSupports")->click();
    for (const auto& [field, text] : c.typed) type(field, QString::fromLatin1(text));
    ASSERT_TRUE(r->report() && r->report()->balance);
    EXPECT_DOUBLE_EQ(r->report()->balance->fromRootLe, c.fromRootLe);
    EXPECT_DOUBLE_EQ(r->report()->balance->totalMass, c.totalMass);
    EXPECT_TRUE(label("ReportBalance").startsWith("Balance: centre of gravity "));
    ASSERT_TRUE(window->document().balance);  // kept with the aircraft
    EXPECT_EQ(window->document().balance->readings.size(), c.typed.size() / 2);
    EXPECT_TRUE(window->hasUnsavedChanges());
    window.reset();
  }
}

// A file with stored results has a neutral point, a reference chord and area but no lattice: the
// report gives what they allow and sends the rest to Calculate.
TEST_F(ReportWindowTest, StoredResultsGiveWhatTheyAllow) {
  action("Calc1")->trigger();
  script->saveAnswer = path("stored.vn4");
  action("Save2")->trigger();
  window.reset();
  open({path("stored.vn4")});
  ASSERT_TRUE(window->document().run.flags.results_valid);
  ReportWindow* r = openReport();
  ASSERT_TRUE(r->report());
  EXPECT_FALSE(find<QWidget>("ReportStatus")->isVisibleTo(r));
  EXPECT_TRUE(label("ReportPosition").contains("(stored with the aircraft file)"))
      << label("ReportPosition").toStdString();
  EXPECT_TRUE(label("ReportPosition").contains("Centre of gravity (manual, margin 7.5 %): x = "));
  EXPECT_TRUE(label("ReportAccuracy").contains("press Calculate (F9)"));
  EXPECT_FALSE(find<QLabel>("ReportSurfaces")->parentWidget()->isVisibleTo(r));
  type("BalanceCg", "60");
  type("BalanceMass", "1200");
  EXPECT_TRUE(label("ReportBalance").startsWith("Balance: centre of gravity x = 60.0 mm"))
      << label("ReportBalance").toStdString();
}

// A new run keeps the report where it was scrolled to.
TEST_F(ReportWindowTest, ANewRunKeepsTheScrollPosition) {
  action("Calc1")->trigger();
  ReportWindow* r = openReport();
  r->resize(500, 300);
  QApplication::processEvents();
  QScrollBar* bar = find<QScrollArea>("ReportScroll")->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 150);
  bar->setValue(150);
  find<QTabWidget>("PageControl1")->setCurrentIndex(1);
  type("Edit4", "300");  // the results go, and with them most of the report
  QApplication::processEvents();
  action("Calc1")->trigger();
  QApplication::processEvents();
  EXPECT_EQ(bar->value(), 150);
}

// On a small screen the report window opens within its available area; it can also stand beside
// the drawings as a dock, which the next start remembers.
TEST_F(ReportWindowTest, FitsASmallScreenAndDocksBesideTheDrawings) {
  const QRect small = testing_support::kTestScreens[1];  // 1024 × 768
  window->move(small.topLeft() + QPoint(20, 20));
  window->fitOnScreen();
  ReportWindow* r = openReport();
  QApplication::processEvents();
  EXPECT_TRUE(small.contains(r->frameGeometry())) << r->frameGeometry().height();

  action("ReportDocked1")->trigger();
  auto* dock = find<QDockWidget>("ReportDock");
  ASSERT_NE(dock, nullptr);
  EXPECT_TRUE(dock->isVisible());
  EXPECT_EQ(dock->widget(), r);
  EXPECT_FALSE(r->isWindow());
  window.reset();
  open();
  EXPECT_TRUE(action("ReportDocked1")->isChecked());
  action("StabilityReport1")->trigger();
  EXPECT_TRUE(find<QDockWidget>("ReportDock")->isVisible());
  action("ReportDocked1")->trigger();  // back to a window of its own
  EXPECT_TRUE(find<ReportWindow>("ReportWindow")->isWindow());
  EXPECT_FALSE(find<QDockWidget>("ReportDock")->isVisible());
}

// "band", "effectiveness" and "volume coefficient" are explained where they appear, and on the
// help page that F1 opens, in both languages.
TEST_F(ReportWindowTest, TheTermsAreExplainedInTooltipsAndOnTheHelpPage) {
  action("Calc1")->trigger();
  openReport();
  EXPECT_TRUE(find<QLabel>("ReportAccuracy")->toolTip().contains("band"));
  EXPECT_TRUE(find<QLabel>("ReportSurfaces")->toolTip().contains("effectiveness"));
  EXPECT_TRUE(find<QLabel>("ReportSurfaces")->toolTip().contains("volume coefficient"));
  activate();
  QTest::keyClick(window.get(), Qt::Key_F1);
  auto* help = window->findChild<QTextBrowser*>(QStringLiteral("HelpText"));
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  for (const char* term : {"band", "effectiveness", "volume coefficient"})
    EXPECT_TRUE(help->toPlainText().contains(term)) << term;
  action("german1")->trigger();
  EXPECT_TRUE(help->toPlainText().contains("Wirksamkeit"));
  EXPECT_TRUE(find<QLabel>("ReportAccuracy")->toolTip().contains("Band"));
}

}  // namespace
}  // namespace volantis4

#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>

#include "analysis/stability_report.h"
#include "print/summary_page.h"
#include "ui/aircraft_page.h"
#include "ui/aircraft_views.h"
#include "ui/dialogs.h"
#include "ui/exports.h"
#include "ui/field_feedback.h"
#include "ui/fuselage_page.h"
#include "ui/fuselage_presenter.h"
#include "ui/icons.h"
#include "ui/info_window.h"
#include "ui/live_results.h"
#include "ui/planform_drag.h"
#include "ui/planform_image_widget.h"
#include "ui/recent_files.h"
#include "ui/report_presenter.h"
#include "ui/undo_commands.h"
#include "ui/widgets.h"
#include "ui/window_placement.h"
#include "ui/wing_copies.h"
#include "ui/wing_page.h"
#include "views/qimage_canvas.h"

namespace volantis4 {
namespace {

constexpr QSize kClientSize{822, 731};
constexpr QPoint kDesignPosition{542, 172};
constexpr int kToolBarHeight = 22;

}  // namespace

MainWindow::MainWindow(const QStringList& arguments, std::unique_ptr<Dialogs> dialogs)
    : dialogs_(dialogs ? std::move(dialogs) : std::make_unique<Dialogs>()) {
  history_ = new UndoHistory(
      doc_, [this](const AircraftState& target) { restoreAircraft(target); }, this);
  buildWindow();
  views_ = new AircraftViews(*aircraftPage_, doc_, this);
  drag_ = new PlanformDrag(
      wingPages_, doc_, *history_, *views_,
      [this](FieldKey key, const QString& text) {
        showTextOf(key, text);
        fieldEdited(key, text);
      },
      [this] { return live_->on(); }, this);
  copies_ = new WingCopies(wingPages_, commands_, doc_, *history_,
                           {.activeWing = [this] { return activeWing(); },
                            .showError = [this](const FileError& error) { reportFileError(error); },
                            .inserted =
                                [this](int w) {
                                  page(w)->drawSketch(doc_.form.wing(w).checkedTrapezia, doc_.language);
                                  afterWingRecomputation(w);
                                  showGapNotices(wingPages_, doc_.geometry, doc_.language);
                                  geometryChanged();
                                }},
                           this);
  // A live run is shown when the aircraft is still the one it was asked for and has not been
  // calculated meanwhile.
  live_ = std::make_unique<LiveResults>(
      commands_.action(Command::LiveResults), doc_,
      [this](const Document& run) {
        const RunFlags& f = doc_.run.flags;
        if ((f.results_valid && f.grid_valid) || !(run.form.wings == doc_.form.wings) ||
            run.form.wingsCount != doc_.form.wingsCount)
          return;
        restoreRun(doc_, runRecord(run));
        showResults(true);
      },
      this);
  // The summary page with the two pictures; the views keep their size. Its Calc is started by
  // printing: it unticks the pressure box as every Calc does, and keeps printing enabled.
  exports_ = new Exports(
      this, doc_, *dialogs_,
      [this]() -> PageDrawing {
        // Printed after an edit without Calculate, the page says its results are older than it.
        const ResultsAge age = doc_.run.flags.results_valid ? ResultsAge::Current : ResultsAge::Outdated;
        recomputeForSummary(doc_);
        {
          const KeepResults keep(doc_);
          afterCalc(Sender::Print);
        }
        views_->showProposal();
        const SystemColours colours = systemColoursFromPalette();
        auto topView = std::make_shared<QImageCanvas>(kTopViewBufferWidth, kTopViewBufferHeight);
        auto threeDView = std::make_shared<QImageCanvas>(kThreeDBufferWidth, kThreeDBufferHeight);
        drawSummaryPictures(doc_, colours, views_->rotation(), *topView, *threeDView);
        return [doc = doc_, topView, threeDView, age](Canvas& page) {
          drawSummaryPage(page, doc, doc.fileName, *topView, *threeDView, age);
        };
      },
      [this] { FormResize(Sender::Print); }, [this] { return doc_.stability.manual; });
  report_ = std::make_unique<ReportPresenter>(this, doc_, *history_, commands_.action(Command::ReportDocked),
                                              [this] { showFileName(); });
  // A changed fuselage changes no run: the top view's outline and the report follow it.
  fuselage_ = new FuselagePresenter(
      *fuselagePage_, doc_, *history_,
      [this] {
        showFileName();
        if (doc_.run.flags.results_valid) {
          views_->showProposal(!doc_.run.flags.grid_valid);
        } else {
          views_->drawTopView();
        }
        report_->follow();
      },
      this);
  connectControls();
  feedback_ = new FieldFeedback(this, doc_.language);
  recentFiles_ = new RecentFiles(commands_.action(Command::RecentFiles),
                                 [this](const QString& file) { Load1Click(Sender::Open, file); });
  acceptAircraftDrops(this, [this](const QString& file) { Load1Click(Sender::Open, file); });
  Create1(arguments);
  fitOnScreen();
}

// Qt's own texts are English again for whatever comes after the window.
MainWindow::~MainWindow() { useQtTranslations(Language::English); }

void MainWindow::setPrinterWindow(PrinterDialog* printer) { exports_->setPrinterWindow(printer); }

void MainWindow::buildWindow() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(qtext(TextId::WindowCaption, Language::English));
  setFont(designFont());
  QPalette silver = palette();
  silver.setColor(QPalette::Window, kSilverColour);
  silver.setColor(QPalette::Button, kSilverColour);
  setPalette(silver);

  // The client keeps at least its designed size; on a screen too small for it, it scrolls.
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("ClientScroll"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  auto* client = new QWidget;
  client->setObjectName(QStringLiteral("Client"));
  client->setMinimumSize(kClientSize);
  scroll->setWidget(client);
  setCentralWidget(scroll);
  client_ = client;
  toolBar_ = new QWidget(client);
  toolBar_->setObjectName(QStringLiteral("ToolBar1"));
  toolBar_->setGeometry(0, 0, kClientSize.width(), kToolBarHeight);
  client->installEventFilter(this);
  commands_ = buildCommands(this, toolBar_, commandTable());
  // The File menu shows why Export balance template waits (its tooltip).
  for (QObject* holder : commands_.action(Command::ExportTemplate)->associatedObjects())
    if (auto* menu = qobject_cast<QMenu*>(holder)) menu->setToolTipsVisible(true);

  pageControl_ = new QTabWidget(client);
  pageControl_->setObjectName(QStringLiteral("PageControl1"));
  pageControl_->setGeometry(0, kToolBarHeight, 825, 707);
  pageControl_->setUsesScrollButtons(false);
  aircraftPage_ = new AircraftPage;
  pageControl_->addTab(aircraftPage_, QString());
  for (int w = 1; w <= kWingCount; ++w) {
    wingPages_[wingIndex(w)] = new WingPage(w);
    pageControl_->addTab(page(w), QString());
  }
  fuselagePage_ = new FuselagePage;
  pageControl_->addTab(fuselagePage_, QString());
  remarksPage_ = new QWidget;
  remarksPage_->setObjectName(QStringLiteral("TabSheet4"));
  memo2_ = new QPlainTextEdit(remarksPage_);
  memo2_->setObjectName(QStringLiteral("Memo2"));
  memo2_->setGeometry(8, 8, 561, 457);
  memo2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTextStyle(memo2_, Qt::blue, true);
  QPalette infoBackground = memo2_->palette();
  infoBackground.setColor(QPalette::Base, kInfoBackgroundColour);
  memo2_->setPalette(infoBackground);
  pageControl_->addTab(remarksPage_, QString());
  pageControl_->setCurrentWidget(aircraftPage_);
  for (int i = 0; i < pageControl_->count(); ++i) pageControl_->widget(i)->installEventFilter(this);

  // Tab captions as the window is built; the language sets replace them.
  pageControl_->setTabText(0, qtext(TextId::BuiltinTabAircraft, Language::English));
  for (int w = 1; w <= kWingCount; ++w)
    pageControl_->setTabText(w, qtext(nthText(TextId::BuiltinTabWing1, w - 1), Language::English));
  pageControl_->setTabText(pageControl_->indexOf(fuselagePage_), qtext(TextId::TabFuselage, Language::English));
  pageControl_->setTabText(pageControl_->indexOf(remarksPage_), qtext(TextId::BuiltinTabRemarks, Language::English));

  resize(kClientSize.width(), kClientSize.height() + menuBar()->sizeHint().height());
  designMinimum_ = size();
  setMinimumSize(designMinimum_);
  move(kDesignPosition);
}

void MainWindow::fitOnScreen() {
  const QMargins frame = frameOf(*this);
  const QRect area = availableAreaOf(*this);
  QSize wanted = size();
  if (designMinimum_.height() + frame.top() + frame.bottom() > area.height())
    wanted.setWidth(
        std::max(wanted.width(), designMinimum_.width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent)));
  const WindowPlacement p = placeOnScreen(pos(), wanted, frame, designMinimum_, area);
  placedFrame_ = frame;
  setMinimumSize(p.minimum);
  resize(p.size);
  move(p.position);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The frame is known only once the window is on screen: place it again with the frame.
  if (!placedWithFrame_) {
    placedWithFrame_ = true;
    installEventFilter(this);  // and once more when the window manager's frame arrives
    QTimer::singleShot(0, this, &MainWindow::fitOnScreen);
  }
}

void MainWindow::connectControls() {
  for (int w = 1; w <= kWingCount; ++w) {
    connect(page(w), &WingPage::fieldEdited, this, &MainWindow::fieldEdited);
    connect(page(w), &WingPage::trapeziaClicked, this, &MainWindow::trapeziaClicked);
  }
  AircraftPage* a = aircraftPage_;
  connect(a, &AircraftPage::fieldEdited, this, &MainWindow::fieldEdited);
  connect(a, &AircraftPage::wingsCountClicked, this, &MainWindow::wingsCountClicked);
  connect(a->Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
  connect(a->CheckBoxA, &QCheckBox::toggled, this, [this](bool ticked) {
    if (doc_.run.flags.results_valid) {
      views_->showPressure(ticked);
    } else {
      runCalc(Sender::Other);  // which unticks the box again
    }
  });
  connect(views_, &AircraftViews::stabilityChanged, this, [this] { report_->follow(); });
  connect(memo2_, &QPlainTextEdit::textChanged, this, [this] {
    doc_.form.remarks = memo2_->toPlainText().toStdString();
    showFileName();
  });
  connect(pageControl_, &QTabWidget::currentChanged, this, &MainWindow::PageControl1Change);
  connect(history_, &UndoHistory::changed, this, &MainWindow::showUndoCommands);
  connect(qApp, &QApplication::focusChanged, history_, &UndoHistory::closeTyping);
  // Ctrl+Tab and Ctrl+Shift+Tab: the next or previous page whose tab is shown, round the end.
  for (const auto& [keys, by] : {std::pair{QKeySequence::NextChild, 1}, std::pair{QKeySequence::PreviousChild, -1}}) {
    const int step = by;  // a structured binding is not captured by every compiler we check with
    connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this, [this, step] {
      const int count = pageControl_->count();
      int i = pageControl_->currentIndex();
      for (int k = 0; k < count; ++k) {
        i = (i + step + count) % count;
        if (pageControl_->isTabVisible(i)) break;
      }
      pageControl_->setCurrentIndex(i);
    });
  }
  // A picture moved to a screen of another scale is drawn anew at that scale.
  for (PlanformImageWidget* image : findChildren<PlanformImageWidget*>())
    connect(image, &PlanformImageWidget::devicePixelRatioChanged, this, [this] {
      for (int w = 1; w <= kWingCount; ++w) page(w)->drawSketch(doc_.form.wing(w).checkedTrapezia, doc_.language);
      aircraftPage_->drawPositionImages(doc_.language);
      FormResize();
    });
}

// Every command once: its action's name, menu place and captions, its tool-bar button, whether it
// is enabled at start, and what it does.
std::vector<CommandRow> MainWindow::commandTable() {
  const auto icon = [](QStyle::StandardPixmap pixmap) { return QApplication::style()->standardIcon(pixmap); };
  // The pages. The Aircraft page is shown first: copy and insert have no wing to act on there.
  const auto editWing = [this](int w) {
    showPage(page(w));
    commands_.setEnabled(Command::CopyWing, true);
    if (copies_->insertAvailable()) commands_.setEnabled(Command::InsertCopiedWing, true);
  };
  // clang-format off
  return {
      // File. Save and Print wait for something to save or print; Export PDF follows Print.
      {.command = Command::Open, .name = "Open2", .menu = MenuPlace::File, .caption = TextId::MenuOpen,
       .button = ToolBarButton{"SpeedButton1", 2, icon(QStyle::SP_DialogOpenButton), TextId::HintOpen},
       .shortcut = QKeySequence(QKeySequence::Open), .slot = [this] { Load1Click(Sender::Open); }},
      {.command = Command::RecentFiles, .name = "RecentFiles1", .menu = MenuPlace::File,
       .caption = TextId::MenuRecentFiles},
      {.command = Command::SaveAs, .name = "Save2", .menu = MenuPlace::File, .caption = TextId::MenuSaveAs,
       .button = ToolBarButton{"SpeedButton2", 28, saveAsIcon(), TextId::HintSaveAs},
       .shortcut = QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), .slot = [this] { Save1Click(true); }},
      {.command = Command::Save, .name = "Save3", .menu = MenuPlace::File, .caption = TextId::MenuSave,
       .button = ToolBarButton{"SpeedButton3", 54, icon(QStyle::SP_DialogSaveButton), TextId::HintSave},
       .enabled = false, .shortcut = QKeySequence(QKeySequence::Save), .slot = [this] { Save1Click(false); }},
      // Calc is on the tool bar only, right of Print (its row stands here: the buttons are made in name order).
      {.command = Command::Calc, .name = "Calc1",
       .button = ToolBarButton{"SpeedButton4", 106, icon(QStyle::SP_MediaPlay), TextId::HintCalc},
       .shortcut = QKeySequence(Qt::Key_F9), .slot = [this] { Button4Click(); }},
      {.command = Command::Print, .name = "Print1", .menu = MenuPlace::File, .caption = TextId::MenuPrint,
       .button = ToolBarButton{"SpeedButton5", 80, printIcon(), TextId::HintPrint},
       .enabled = false, .shortcut = QKeySequence(QKeySequence::Print), .slot = [this] { exports_->print(); }},
      {.command = Command::ExportPdf, .name = "ExportPdf1", .menu = MenuPlace::File, .caption = TextId::MenuExportPdf,
       .enabled = false, .enabledWith = Command::Print, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_E),
       .slot = [this] { exports_->exportPdf(); }},
      {.command = Command::ExportTemplate, .name = "ExportTemplate1", .menu = MenuPlace::File,
       .caption = TextId::MenuExportTemplate, .enabled = false, .slot = [this] { exports_->exportTemplate(); }},
      {.command = Command::Exit, .name = "Exit1", .menu = MenuPlace::File, .separatorBefore = true,
       .caption = TextId::MenuExit, .shortcut = QKeySequence(QKeySequence::Quit), .slot = [this] { close(); }},

      // Edit: undo and redo of the changes to the aircraft, the captions naming the step.
      {.command = Command::Undo, .name = "Undo1", .menu = MenuPlace::Edit, .caption = TextId::MenuUndo,
       .enabled = false, .shortcut = QKeySequence(QKeySequence::Undo), .slot = [this] { history_->undo(); }},
      {.command = Command::Redo, .name = "Redo1", .menu = MenuPlace::Edit, .caption = TextId::MenuRedo,
       .enabled = false, .shortcut = QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
       .alternateShortcut = QKeySequence(Qt::CTRL | Qt::Key_Y), .slot = [this] { history_->redo(); }},
      {.command = Command::Wing1, .name = "wing11", .menu = MenuPlace::Edit, .separatorBefore = true,
       .caption = TextId::MenuWing1,
       .builtinCaption = TextId::BuiltinMenuWing1, .slot = [editWing] { editWing(1); }},
      {.command = Command::Wing2, .name = "wing21", .menu = MenuPlace::Edit, .caption = TextId::MenuWing2,
       .builtinCaption = TextId::BuiltinMenuWing2, .slot = [editWing] { editWing(2); }},
      {.command = Command::Wing3, .name = "wing31", .menu = MenuPlace::Edit, .caption = TextId::MenuWing3,
       .builtinCaption = TextId::BuiltinMenuWing3, .enabled = false, .slot = [editWing] { editWing(3); }},
      {.command = Command::Aircraft, .name = "aircraft1", .menu = MenuPlace::Edit, .caption = TextId::MenuAircraft,
       .slot = [this] {
         showPage(aircraftPage_);
         commands_.setEnabled(Command::CopyWing, false);
         commands_.setEnabled(Command::InsertCopiedWing, false);
       }},
      {.command = Command::CopyWing, .name = "CopyWing1", .menu = MenuPlace::Edit, .separatorBefore = true,
       .caption = TextId::MenuCopyWing, .enabled = false, .slot = [this] { copies_->copy(0, true); }},
      {.command = Command::InsertCopiedWing, .name = "InsertCopiedWing1", .menu = MenuPlace::Edit,
       .caption = TextId::MenuInsertCopiedWing, .enabled = false, .slot = [this] {
         if (const int w = activeWing(); w != 0) copies_->insert(w);
       }},
      {.command = Command::Exchange1, .name = "chng1", .menu = MenuPlace::Edit, .separatorBefore = true,
       .caption = TextId::MenuExchange1, .slot = [this] { exchangeWings(1); }},
      {.command = Command::Exchange2, .name = "chng2", .menu = MenuPlace::Edit, .caption = TextId::MenuExchange2,
       .slot = [this] { exchangeWings(2); }},
      {.command = Command::Exchange3, .name = "chng3", .menu = MenuPlace::Edit, .caption = TextId::MenuExchange3,
       .slot = [this] { exchangeWings(3); }},
      {.command = Command::Exchange4, .name = "chng4", .menu = MenuPlace::Edit, .caption = TextId::MenuExchange4,
       .slot = [this] { exchangeWings(4); }},
      {.command = Command::Exchange5, .name = "chng5", .menu = MenuPlace::Edit, .caption = TextId::MenuExchange5,
       .slot = [this] { exchangeWings(5); }},

      // Analysis: live results, kept between runs of the program; the stability report window.
      {.command = Command::LiveResults, .name = "LiveResults1", .menu = MenuPlace::Analysis,
       .caption = TextId::MenuLiveResults, .checkable = true, .slot = [this] {
         live_->toggled();
         if (live_->on()) showFileName();
       }},
      {.command = Command::StabilityReport, .name = "StabilityReport1", .menu = MenuPlace::Analysis,
       .caption = TextId::MenuStabilityReport, .slot = [this] { report_->show(); }},
      {.command = Command::ReportDocked, .name = "ReportDocked1", .menu = MenuPlace::Analysis,
       .caption = TextId::MenuReportDocked, .checkable = true, .slot = [this] { report_->dockToggled(); }},
      {.command = Command::ReportHelp, .name = "ReportHelp1", .menu = MenuPlace::Analysis,
       .caption = TextId::MenuReportHelp, .shortcut = QKeySequence(QKeySequence::HelpContents),
       .slot = [this] { report_->showHelp(); }},

      // Language: the item names the other language; French and Spanish are kept hidden.
      {.command = Command::SwitchLanguage, .name = "german1", .menu = MenuPlace::Language,
       .caption = TextId::MenuLanguageItem, .slot = [this] {
         applyLanguage(doc_.language == Language::English ? Language::German : Language::English);
       }},
      {.command = Command::French, .name = "french1", .menu = MenuPlace::Language, .caption = TextId::MenuFrench,
       .enabled = false, .visible = false},
      {.command = Command::Spanish, .name = "spanish1", .menu = MenuPlace::Language, .caption = TextId::MenuSpanish,
       .enabled = false, .visible = false},

      // Info (BitBtn1Click): the information window, filled in the language in force.
      {.command = Command::Info, .name = "Info1", .menu = MenuPlace::MenuBar, .caption = TextId::MenuInfo,
       .slot = [this] {
         if (!info_) return;
         info_->fill(doc_.language);
         info_->show();
         info_->raise();
       }},
  };
  // clang-format on
}

int MainWindow::activeWing() const {
  for (int w = 1; w <= kWingCount; ++w)
    if (pageControl_->currentWidget() == page(w)) return w;
  return 0;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // A window manager puts its frame around the window some time after it is shown (the window
  // moves into it): placed without a frame, it is placed again with it.
  if (watched == this && (event->type() == QEvent::Move || event->type() == QEvent::Resize) && placedFrame_.isNull() &&
      !frameOf(*this).isNull())
    QTimer::singleShot(0, this, &MainWindow::fitOnScreen);
  if (event->type() == QEvent::Resize) {
    if (watched == client_) {
      // The page control fills the client area below the tool bar (825 × 707 in the 822 × 731 design).
      const QSize client = client_->size();
      toolBar_->resize(client.width(), kToolBarHeight);
      pageControl_->resize(client.width() + 3, client.height() - kToolBarHeight - 2);
    } else if (watched == pageControl_->currentWidget()) {
      FormResize();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace volantis4

#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>

#include "model/field_names.h"
#include "ui/aircraft_page.h"
#include "ui/dialogs.h"
#include "ui/field_feedback.h"
#include "ui/info_window.h"
#include "ui/planform_image_widget.h"
#include "ui/recent_files.h"
#include "ui/report_window.h"
#include "ui/undo_commands.h"
#include "ui/widgets.h"
#include "ui/window_placement.h"
#include "ui/wing_page.h"

namespace volantis4 {
namespace {

constexpr QSize kClientSize{822, 731};
constexpr QPoint kDesignPosition{542, 172};
constexpr int kToolBarHeight = 22;

}  // namespace

MainWindow::MainWindow(const QStringList& arguments, std::unique_ptr<Dialogs> dialogs)
    : dialogs_(dialogs ? std::move(dialogs) : std::make_unique<Dialogs>()) {
  history_ = new UndoHistory(
      doc_.form, doc_.balance, [this](const AircraftState& target) { restoreAircraft(target); }, this);
  buildWindow();
  connectControls();
  feedback_ = new FieldFeedback(this, doc_.language);
  recentFiles_ = new RecentFiles(commands_.action(Command::RecentFiles),
                                 [this](const QString& file) { Load1Click(Sender::Open, file); });
  acceptAircraftDrops(this, [this](const QString& file) { Load1Click(Sender::Open, file); });
  restoreLiveResults();
  Create1(arguments);
  fitOnScreen();
}

// The report window reads the document: it goes before the document does.
MainWindow::~MainWindow() { delete report_; }

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
  pageControl_->setTabText(kWingCount + 1, qtext(TextId::BuiltinTabRemarks, Language::English));

  resize(kClientSize.width(), kClientSize.height() + menuBar()->sizeHint().height());
  designMinimum_ = size();
  setMinimumSize(designMinimum_);
  move(kDesignPosition);
}

void MainWindow::fitOnScreen() {
  const QMargins frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                       frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
  const WindowPlacement p = placeOnScreen(pos(), size(), frame, designMinimum_, availableAreaOf(*this));
  setMinimumSize(p.minimum);
  resize(p.size);
  move(p.position);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The frame is known only once the window is on screen: place it again with the frame.
  if (!placedWithFrame_) {
    placedWithFrame_ = true;
    QTimer::singleShot(0, this, &MainWindow::fitOnScreen);
  }
}

void MainWindow::connectControls() {
  for (int w = 1; w <= kWingCount; ++w) {
    connect(page(w), &WingPage::fieldEdited, this, &MainWindow::fieldEdited);
    connect(page(w), &WingPage::trapeziaClicked, this, &MainWindow::trapeziaClicked);
    connect(page(w), &WingPage::copyClicked, this, &MainWindow::copyWing);
    connect(page(w), &WingPage::insertClicked, this, &MainWindow::insertCopiedWing);
    connectPlanformMouse(w);
  }
  AircraftPage* a = aircraftPage_;
  connect(a, &AircraftPage::fieldEdited, this, &MainWindow::fieldEdited);
  connect(a, &AircraftPage::wingsCountClicked, this, &MainWindow::wingsCountClicked);
  connect(a->Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
  connect(a->RadioButton15, &QRadioButton::toggled, this, [this](bool on) {
    if (on) stabilityModeClicked(false);
  });
  connect(a->RadioButton16, &QRadioButton::toggled, this, [this](bool on) {
    if (on) stabilityModeClicked(true);
  });
  connect(a->Edit_Mstab, &QLineEdit::textEdited, this, &MainWindow::marginEdited);
  connect(a->ScrollBar5, &QScrollBar::valueChanged, this, &MainWindow::marginSliderMoved);
  a->ScrollBar5->installEventFilter(this);
  for (QScrollBar* bar : {a->ScrollBar1, a->ScrollBar2, a->ScrollBar6})
    connect(bar, &QScrollBar::valueChanged, this, [this] { draw3d(); });
  connect(a->ScrollBar3, &QScrollBar::valueChanged, this, &MainWindow::zoomChanged);
  connect(a->ScrollBar4, &QScrollBar::valueChanged, this, &MainWindow::magnificationChanged);
  connect(a->CheckBoxA, &QCheckBox::toggled, this, &MainWindow::CheckBoxAClick);
  connectViewMouse();
  connect(memo2_, &QPlainTextEdit::textChanged, this, &MainWindow::remarksEdited);
  connect(pageControl_, &QTabWidget::currentChanged, this, &MainWindow::PageControl1Change);
  connect(history_, &UndoHistory::changed, this, &MainWindow::showUndoCommands);
  connect(qApp, &QApplication::focusChanged, history_, &UndoHistory::closeTyping);
  // Ctrl+Z in a field undoes the window's last step, not the field's own typing.
  for (QLineEdit* edit : findChildren<QLineEdit*>()) edit->installEventFilter(this);
  for (const auto& [keys, by] : {std::pair{QKeySequence::NextChild, 1}, std::pair{QKeySequence::PreviousChild, -1}}) {
    const int step = by;  // a structured binding is not captured by every compiler we check with
    connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this, [this, step] { stepPage(step); });
  }
  // A picture moved to a screen of another scale is drawn anew at that scale.
  for (PlanformImageWidget* image : findChildren<PlanformImageWidget*>())
    connect(image, &PlanformImageWidget::devicePixelRatioChanged, this, [this] {
      for (int w = 1; w <= kWingCount; ++w) drawSketch(w);
      aircraftPage_->drawPositionImages(doc_.language);
      FormResize();
    });
}

// Every command once: its action's name, menu place and captions, its tool-bar button, whether it
// is enabled at start, and what it does.
std::vector<CommandRow> MainWindow::commandTable() {
  const auto icon = [](QStyle::StandardPixmap pixmap) { return QApplication::style()->standardIcon(pixmap); };
  const QIcon printIcon = QIcon::fromTheme(QStringLiteral("document-print"), icon(QStyle::SP_FileDialogDetailedView));
  // clang-format off
  return {
      // File. Save and Print wait for something to save or print; Export PDF follows Print.
      {.command = Command::Open, .name = "Open2", .menu = MenuPlace::File, .caption = TextId::MenuOpen,
       .button = ToolBarButton{"SpeedButton1", 2, icon(QStyle::SP_DialogOpenButton), TextId::HintOpen},
       .shortcut = QKeySequence(QKeySequence::Open), .slot = [this] { Load1Click(Sender::Open); }},
      {.command = Command::RecentFiles, .name = "RecentFiles1", .menu = MenuPlace::File,
       .caption = TextId::MenuRecentFiles},
      {.command = Command::SaveAs, .name = "Save2", .menu = MenuPlace::File, .caption = TextId::MenuSaveAs,
       .button = ToolBarButton{"SpeedButton2", 28, icon(QStyle::SP_FileDialogNewFolder), TextId::HintSaveAs},
       .shortcut = QKeySequence(QKeySequence::SaveAs), .slot = [this] { Save1Click(true); }},
      {.command = Command::Save, .name = "Save3", .menu = MenuPlace::File, .caption = TextId::MenuSave,
       .button = ToolBarButton{"SpeedButton3", 54, icon(QStyle::SP_DialogSaveButton), TextId::HintSave},
       .enabled = false, .shortcut = QKeySequence(QKeySequence::Save), .slot = [this] { Save1Click(false); }},
      // Calc is on the tool bar only, right of Print (its row stands here: the buttons are made in name order).
      {.command = Command::Calc, .name = "Calc1",
       .button = ToolBarButton{"SpeedButton4", 106, icon(QStyle::SP_MediaPlay), TextId::HintCalc},
       .shortcut = QKeySequence(Qt::Key_F9), .slot = [this] { Button4Click(); }},
      {.command = Command::Print, .name = "Print1", .menu = MenuPlace::File, .caption = TextId::MenuPrint,
       .button = ToolBarButton{"SpeedButton5", 80, printIcon, TextId::HintPrint},
       .enabled = false, .shortcut = QKeySequence(QKeySequence::Print), .slot = [this] { Button6Click(); }},
      {.command = Command::ExportPdf, .name = "ExportPdf1", .menu = MenuPlace::File, .caption = TextId::MenuExportPdf,
       .enabled = false, .enabledWith = Command::Print, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_E),
       .slot = [this] { exportPdfClick(); }},
      {.command = Command::ExportTemplate, .name = "ExportTemplate1", .menu = MenuPlace::File,
       .caption = TextId::MenuExportTemplate, .enabled = false, .enabledWith = Command::Print,
       .slot = [this] { exportTemplateClick(); }},
      {.command = Command::Exit, .name = "Exit1", .menu = MenuPlace::File, .separatorBefore = true,
       .caption = TextId::MenuExit, .shortcut = QKeySequence(QKeySequence::Quit), .slot = [this] { close(); }},

      // Edit: undo and redo of the changes to the aircraft, the captions naming the step.
      {.command = Command::Undo, .name = "Undo1", .menu = MenuPlace::Edit, .caption = TextId::MenuUndo,
       .enabled = false, .shortcut = QKeySequence(QKeySequence::Undo), .slot = [this] { history_->undo(); }},
      {.command = Command::Redo, .name = "Redo1", .menu = MenuPlace::Edit, .caption = TextId::MenuRedo,
       .enabled = false, .shortcut = QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
       .alternateShortcut = QKeySequence(Qt::CTRL | Qt::Key_Y), .slot = [this] { history_->redo(); }},
      // The pages. The Aircraft page is shown first: copy and insert have no wing to act on there.
      {.command = Command::Wing1, .name = "wing11", .menu = MenuPlace::Edit, .separatorBefore = true,
       .caption = TextId::MenuWing1,
       .builtinCaption = TextId::BuiltinMenuWing1, .slot = [this] { editWingClick(1); }},
      {.command = Command::Wing2, .name = "wing21", .menu = MenuPlace::Edit, .caption = TextId::MenuWing2,
       .builtinCaption = TextId::BuiltinMenuWing2, .slot = [this] { editWingClick(2); }},
      {.command = Command::Wing3, .name = "wing31", .menu = MenuPlace::Edit, .caption = TextId::MenuWing3,
       .builtinCaption = TextId::BuiltinMenuWing3, .enabled = false, .slot = [this] { editWingClick(3); }},
      {.command = Command::Aircraft, .name = "aircraft1", .menu = MenuPlace::Edit, .caption = TextId::MenuAircraft,
       .slot = [this] { aircraft1Click(); }},
      {.command = Command::CopyWing, .name = "CopyWing1", .menu = MenuPlace::Edit, .separatorBefore = true,
       .caption = TextId::MenuCopyWing, .enabled = false, .slot = [this] { copyWingClick(); }},
      {.command = Command::InsertCopiedWing, .name = "InsertCopiedWing1", .menu = MenuPlace::Edit,
       .caption = TextId::MenuInsertCopiedWing, .enabled = false, .slot = [this] { insertCopiedWingClick(); }},
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
       .caption = TextId::MenuLiveResults, .checkable = true, .slot = [this] { liveResultsToggled(); }},
      {.command = Command::StabilityReport, .name = "StabilityReport1", .menu = MenuPlace::Analysis,
       .caption = TextId::MenuStabilityReport, .slot = [this] { showStabilityReport(); }},

      // Language: the item names the other language; French and Spanish are kept hidden.
      {.command = Command::SwitchLanguage, .name = "german1", .menu = MenuPlace::Language,
       .caption = TextId::MenuLanguageItem, .slot = [this] { german1Click(); }},
      {.command = Command::French, .name = "french1", .menu = MenuPlace::Language, .caption = TextId::MenuFrench,
       .enabled = false, .visible = false},
      {.command = Command::Spanish, .name = "spanish1", .menu = MenuPlace::Language, .caption = TextId::MenuSpanish,
       .enabled = false, .visible = false},

      {.command = Command::Info, .name = "Info1", .menu = MenuPlace::MenuBar, .caption = TextId::MenuInfo,
       .shortcut = QKeySequence(QKeySequence::HelpContents), .slot = [this] { BitBtn1Click(); }},
  };
  // clang-format on
}

// Edit > Copy Wing and Insert Copied Wing act on the wing of the active page.
void MainWindow::copyWingClick() {
  const int w = activeWing();
  if (w == 0) return;
  copied_ = beforeMenuCopy(w);
  copyWing(w);
}

void MainWindow::insertCopiedWingClick() {
  if (const int w = activeWing(); w != 0) insertCopiedWing(w);
}

int MainWindow::activeWing() const {
  for (int w = 1; w <= kWingCount; ++w)
    if (pageControl_->currentWidget() == page(w)) return w;
  return 0;
}

namespace {

constexpr const char* kLiveResultsKey = "analysis/liveResults";

}  // namespace

void MainWindow::restoreLiveResults() {
  const QSignalBlocker blocker(commands_.action(Command::LiveResults));
  commands_.action(Command::LiveResults)->setChecked(userSettings().value(kLiveResultsKey, false).toBool());
}

void MainWindow::liveResultsToggled() {
  const bool on = commands_.action(Command::LiveResults)->isChecked();
  userSettings().setValue(kLiveResultsKey, on);
  if (on) geometryChanged();
}

// With live results on, a geometry change (and an Open) asks for one whole run as soon as the
// event loop is idle; changes that come before it are taken by the same run. Results opened from
// a file have no lattice: they are calculated too.
void MainWindow::geometryChanged() {
  showFileName();
  if (livePending_ || !commands_.action(Command::LiveResults)->isChecked()) return;
  livePending_ = true;
  QTimer::singleShot(0, this, [this] {
    livePending_ = false;
    const RunFlags& f = doc_.run.flags;
    if ((!f.results_valid || !f.grid_valid) && commands_.action(Command::LiveResults)->isChecked()) Button4Click(true);
  });
}

void MainWindow::stepPage(int step) {
  const int count = pageControl_->count();
  int i = pageControl_->currentIndex();
  for (int k = 0; k < count; ++k) {
    i = (i + step + count) % count;
    if (pageControl_->isTabVisible(i)) break;
  }
  pageControl_->setCurrentIndex(i);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && qobject_cast<QLineEdit*>(watched)) {
    const auto* key = static_cast<QKeyEvent*>(event);
    for (const Command c : {Command::Undo, Command::Redo})
      for (const QKeySequence& keys : commands_.action(c)->shortcuts())
        if (QKeySequence(key->keyCombination()) == keys) return true;  // left to the window's shortcut
  }
  // ScrollBar5Exit: leaving the margin slider draws the result overlay again.
  if (event->type() == QEvent::FocusOut && watched == aircraftPage_->ScrollBar5 && doc_.run.flags.results_valid)
    STABIL(Sender::Other);
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

#include "ui/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>

#include "model/field_names.h"
#include "ui/aircraft_page.h"
#include "ui/dialogs.h"
#include "ui/info_window.h"
#include "ui/widgets.h"
#include "ui/wing_page.h"
#include "views/planform_image_widget.h"

namespace volantis4 {
namespace {

constexpr QSize kClientSize{822, 731};
constexpr QPoint kDesignPosition{542, 172};
constexpr int kToolBarHeight = 22;

}  // namespace

MainWindow::MainWindow(const QStringList& arguments, std::unique_ptr<Dialogs> dialogs)
    : dialogs_(dialogs ? std::move(dialogs) : std::make_unique<Dialogs>()) {
  buildWindow();
  connectControls();
  Create1(arguments);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWindow() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(qtext(TextId::WindowCaption, Language::English));
  setFont(designFont());
  QPalette silver = palette();
  silver.setColor(QPalette::Window, kSilverColour);
  silver.setColor(QPalette::Button, kSilverColour);
  setPalette(silver);

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("Client"));
  setCentralWidget(client);
  toolBar_ = new QWidget(client);
  toolBar_->setObjectName(QStringLiteral("ToolBar1"));
  toolBar_->setGeometry(0, 0, kClientSize.width(), kToolBarHeight);
  client->installEventFilter(this);
  commands_ = buildCommands(this, toolBar_);

  pageControl_ = new QTabWidget(client);
  pageControl_->setObjectName(QStringLiteral("PageControl1"));
  pageControl_->setGeometry(0, kToolBarHeight, 825, 707);
  pageControl_->setUsesScrollButtons(false);
  aircraftPage_ = new AircraftPage;
  pageControl_->addTab(aircraftPage_, QString());
  for (int w = 1; w <= kWingCount; ++w) {
    wingPages_[static_cast<std::size_t>(w - 1)] = new WingPage(w);
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

  // The Aircraft page is shown first: copy and insert have no wing to act on there.
  commands_.CopyWing1->setEnabled(false);
  commands_.InsertCopiedWing1->setEnabled(false);

  resize(kClientSize.width(), kClientSize.height() + menuBar()->sizeHint().height());
  setMinimumSize(size());
  move(kDesignPosition);
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
  connect(a->Button4, &QPushButton::clicked, this, &MainWindow::Button4Click);
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
  // A picture moved to a screen of another scale is drawn anew at that scale.
  for (PlanformImageWidget* image : findChildren<PlanformImageWidget*>())
    connect(image, &PlanformImageWidget::devicePixelRatioChanged, this, [this] {
      for (int w = 1; w <= kWingCount; ++w) drawSketch(w);
      aircraftPage_->drawPositionImages(doc_.language);
      FormResize();
    });

  const Commands& c = commands_;
  connect(c.Open2, &QAction::triggered, this, [this] { Load1Click(Sender::Open); });
  connect(c.speedButtons[0], &QToolButton::clicked, this, [this] { Load1Click(Sender::Open); });
  connect(c.Save2, &QAction::triggered, this, [this] { Save1Click(true); });
  connect(c.speedButtons[1], &QToolButton::clicked, this, [this] { Save1Click(true); });
  connect(c.Save3, &QAction::triggered, this, [this] { Save1Click(false); });
  connect(c.speedButtons[2], &QToolButton::clicked, this, [this] { Save1Click(false); });
  connect(c.Print1, &QAction::triggered, this, &MainWindow::Button6Click);
  connect(c.speedButtons[4], &QToolButton::clicked, this, &MainWindow::Button6Click);
  connect(c.ExportPdf1, &QAction::triggered, this, &MainWindow::exportPdfClick);
  connect(c.speedButtons[3], &QToolButton::clicked, this, &MainWindow::Button4Click);
  connect(c.Exit1, &QAction::triggered, this, &MainWindow::close);
  connect(c.wing11, &QAction::triggered, this, [this] { editWingClick(1); });
  connect(c.wing21, &QAction::triggered, this, [this] { editWingClick(2); });
  connect(c.wing31, &QAction::triggered, this, [this] { editWingClick(3); });
  connect(c.aircraft1, &QAction::triggered, this, &MainWindow::aircraft1Click);
  connect(c.CopyWing1, &QAction::triggered, this, [this] {
    const int w = activeWing();
    if (w == 0) return;
    copied_ = beforeMenuCopy(w);
    copyWing(w);
  });
  connect(c.InsertCopiedWing1, &QAction::triggered, this, [this] {
    if (const int w = activeWing(); w != 0) insertCopiedWing(w);
  });
  for (int k = 1; k <= 5; ++k)
    connect(c.chng[static_cast<std::size_t>(k - 1)], &QAction::triggered, this, [this, k] { exchangeWings(k); });
  connect(c.german1, &QAction::triggered, this, &MainWindow::german1Click);
  connect(c.Info1, &QAction::triggered, this, &MainWindow::BitBtn1Click);
}

int MainWindow::activeWing() const {
  for (int w = 1; w <= kWingCount; ++w)
    if (pageControl_->currentWidget() == page(w)) return w;
  return 0;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // ScrollBar5Exit: leaving the margin slider draws the result overlay again.
  if (event->type() == QEvent::FocusOut && watched == aircraftPage_->ScrollBar5 && doc_.run.flags.results_valid)
    STABIL(Sender::Other);
  if (event->type() == QEvent::Resize) {
    if (watched == centralWidget()) {
      // The page control fills the client area below the tool bar (825 × 707 in the 822 × 731 design).
      const QSize client = centralWidget()->size();
      toolBar_->resize(client.width(), kToolBarHeight);
      pageControl_->resize(client.width() + 3, client.height() - kToolBarHeight - 2);
    } else if (watched == pageControl_->currentWidget()) {
      FormResize();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace volantis4

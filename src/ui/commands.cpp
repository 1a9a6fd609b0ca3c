#include "ui/commands.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolButton>

#include "ui/widgets.h"

namespace volantis4 {
namespace {

QAction* addItem(QMenu* menu, const char* name) {
  QAction* a = menu->addAction(QString());
  a->setObjectName(QString::fromLatin1(name));
  return a;
}

QIcon standardIcon(QStyle::StandardPixmap pixmap) { return QApplication::style()->standardIcon(pixmap); }

}  // namespace

Commands buildCommands(QMainWindow* window, QWidget* toolBar) {
  Commands c;
  QMenuBar* bar = window->menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  c.fileMenu = bar->addMenu(QString());
  c.fileMenu->setObjectName(QStringLiteral("File1"));
  c.Open2 = addItem(c.fileMenu, "Open2");
  c.Save2 = addItem(c.fileMenu, "Save2");
  c.Save3 = addItem(c.fileMenu, "Save3");
  c.Print1 = addItem(c.fileMenu, "Print1");
  c.ExportPdf1 = addItem(c.fileMenu, "ExportPdf1");
  c.fileMenu->addSeparator();
  c.Exit1 = addItem(c.fileMenu, "Exit1");

  c.editMenu = bar->addMenu(QString());
  c.editMenu->setObjectName(QStringLiteral("EditMenu"));
  c.wing11 = addItem(c.editMenu, "wing11");
  c.wing21 = addItem(c.editMenu, "wing21");
  c.wing31 = addItem(c.editMenu, "wing31");
  c.aircraft1 = addItem(c.editMenu, "aircraft1");
  c.editMenu->addSeparator();
  c.CopyWing1 = addItem(c.editMenu, "CopyWing1");
  c.InsertCopiedWing1 = addItem(c.editMenu, "InsertCopiedWing1");
  c.editMenu->addSeparator();
  const std::array<const char*, 5> exchangeNames{"chng1", "chng2", "chng3", "chng4", "chng5"};
  for (std::size_t k = 0; k < 5; ++k) c.chng[k] = addItem(c.editMenu, exchangeNames[k]);

  c.languageMenu = bar->addMenu(QString());
  c.languageMenu->setObjectName(QStringLiteral("Language1"));
  c.german1 = addItem(c.languageMenu, "german1");
  c.french1 = addItem(c.languageMenu, "french1");
  c.spanish1 = addItem(c.languageMenu, "spanish1");
  for (QAction* hidden : {c.french1, c.spanish1}) {
    hidden->setVisible(false);
    hidden->setEnabled(false);
  }
  c.Info1 = bar->addAction(QString());
  c.Info1->setObjectName(QStringLiteral("Info1"));

  c.Save3->setEnabled(false);
  c.Print1->setEnabled(false);
  c.ExportPdf1->setEnabled(false);
  c.wing31->setEnabled(false);

  // Tool-bar buttons by name (SpeedButton1 … 5); Print stands left of Calc on the bar.
  struct Button {
    const char* name;
    int x;
    QIcon icon;
    TextId hint;
  };
  const std::array<Button, 5> buttons{{
      {"SpeedButton1", 2, standardIcon(QStyle::SP_DialogOpenButton), TextId::HintOpen},
      {"SpeedButton2", 28, standardIcon(QStyle::SP_FileDialogNewFolder), TextId::HintSaveAs},
      {"SpeedButton3", 54, standardIcon(QStyle::SP_DialogSaveButton), TextId::HintSave},
      {"SpeedButton4", 106, standardIcon(QStyle::SP_MediaPlay), TextId::HintCalc},
      {"SpeedButton5", 80,
       QIcon::fromTheme(QStringLiteral("document-print"), standardIcon(QStyle::SP_FileDialogDetailedView)),
       TextId::HintPrint},
  }};
  // The file-name label lies under the buttons it overlaps and lets their clicks through.
  c.Lab_FName = makeLabel(toolBar, "Lab_FName", QRect(80, 4, 474, 14));
  c.Lab_FName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setTextStyle(c.Lab_FName, Qt::blue, false);
  c.Lab_FName->setAttribute(Qt::WA_TransparentForMouseEvents);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    auto* b = new QToolButton(toolBar);
    b->setObjectName(QString::fromLatin1(buttons[i].name));
    b->setGeometry(buttons[i].x, 0, 23, 22);
    b->setAutoRaise(true);
    b->setIcon(buttons[i].icon);
    b->setIconSize(QSize(16, 16));
    b->setToolTip(qtext(buttons[i].hint, Language::English));
    c.speedButtons[i] = b;
  }
  c.speedButtons[2]->setEnabled(false);
  c.speedButtons[3]->setEnabled(true);
  c.speedButtons[4]->setEnabled(false);
  c.applyBuiltinCaptions();
  return c;
}

void Commands::setSaveEnabled(bool enabled) {
  Save3->setEnabled(enabled);
  speedButtons[2]->setEnabled(enabled);
}

void Commands::setPrintEnabled(bool enabled) {
  Print1->setEnabled(enabled);
  ExportPdf1->setEnabled(enabled);
  speedButtons[4]->setEnabled(enabled);
}

void Commands::applyCaptions(Language language) {
  fileMenu->setTitle(qtext(TextId::MenuFile, language));
  Open2->setText(qtext(TextId::MenuOpen, language));
  Save2->setText(qtext(TextId::MenuSaveAs, language));
  Save3->setText(qtext(TextId::MenuSave, language));
  Print1->setText(qtext(TextId::MenuPrint, language));
  ExportPdf1->setText(qtext(TextId::MenuExportPdf, language));
  Exit1->setText(qtext(TextId::MenuExit, language));
  editMenu->setTitle(qtext(TextId::MenuEdit, language));
  wing11->setText(qtext(TextId::MenuWing1, language));
  wing21->setText(qtext(TextId::MenuWing2, language));
  wing31->setText(qtext(TextId::MenuWing3, language));
  aircraft1->setText(qtext(TextId::MenuAircraft, language));
  CopyWing1->setText(qtext(TextId::MenuCopyWing, language));
  InsertCopiedWing1->setText(qtext(TextId::MenuInsertCopiedWing, language));
  for (std::size_t k = 0; k < 5; ++k)
    chng[k]->setText(qtext(nthText(TextId::MenuExchange1, static_cast<int>(k)), language));
  languageMenu->setTitle(qtext(TextId::MenuLanguage, language));
  german1->setText(qtext(TextId::MenuLanguageItem, language));
  french1->setText(qtext(TextId::MenuFrench, language));
  spanish1->setText(qtext(TextId::MenuSpanish, language));
  Info1->setText(qtext(TextId::MenuInfo, language));
}

void Commands::applyBuiltinCaptions() {
  applyCaptions(Language::English);
  wing11->setText(qtext(TextId::BuiltinMenuWing1, Language::English));
  wing21->setText(qtext(TextId::BuiltinMenuWing2, Language::English));
  wing31->setText(qtext(TextId::BuiltinMenuWing3, Language::English));
}

}  // namespace volantis4

#include "ui/widgets.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QTranslator>

namespace volantis4 {
namespace {

template <typename W>
W* place(W* widget, std::string_view name, QRect rect) {
  if (!name.empty()) widget->setObjectName(qs(name));
  widget->setGeometry(rect);
  return widget;
}

}  // namespace

QSettings userSettings() { return QSettings(QStringLiteral("volantis4"), QStringLiteral("volantis4")); }

void useQtTranslations(Language language) {
  static QTranslator* german = nullptr;
  if (language == Language::German && !german) {
    auto* loaded = new QTranslator(QCoreApplication::instance());
    if (loaded->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(loaded);
      german = loaded;
    } else {
      delete loaded;  // no translations installed: Qt's texts stay English
    }
  } else if (language == Language::English && german) {
    QCoreApplication::removeTranslator(german);
    delete german;
    german = nullptr;
  }
}

QFont designFont() {
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             {QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                              QStringLiteral("DejaVu Sans")});
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  return font;
}

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString qtext(TextId id, Language language) { return qs(text(id, language)); }

TextId nthText(TextId first, int offset) { return static_cast<TextId>(static_cast<int>(first) + offset); }

QLabel* makeLabel(QWidget* parent, std::string_view name, QRect rect, const QString& text) {
  return place(new QLabel(text, parent), name, rect);
}

QLineEdit* makeEdit(QWidget* parent, std::string_view name, QRect rect) {
  return place(new QLineEdit(parent), name, rect);
}

QRadioButton* makeRadio(QWidget* parent, std::string_view name, QRect rect, const QString& text) {
  return place(new QRadioButton(text, parent), name, rect);
}

QPushButton* makeButton(QWidget* parent, std::string_view name, QRect rect, const QString& text) {
  return place(new QPushButton(text, parent), name, rect);
}

QCheckBox* makeCheckBox(QWidget* parent, std::string_view name, QRect rect, const QString& text) {
  return place(new QCheckBox(text, parent), name, rect);
}

void setTextStyle(QWidget* widget, QColor colour, bool bold) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
  QFont font = widget->font();
  font.setBold(bold);
  widget->setFont(font);
}

QScrollBar* makeScrollBar(QWidget* parent, std::string_view name, QRect rect, Qt::Orientation orientation, int min,
                          int max, int position) {
  auto* bar = place(new QScrollBar(orientation, parent), name, rect);
  bar->setRange(min, max);
  bar->setValue(position);
  return bar;
}

}  // namespace volantis4

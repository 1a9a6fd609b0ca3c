#pragma once
// Small helpers that build the window's controls at their design positions (96-dpi pixels).

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string_view>

#include "model/language.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSettings;
class QWidget;

namespace volantis4 {

inline const QColor kSilverColour{192, 192, 192};
inline const QColor kInfoBackgroundColour{255, 255, 225};

/// The window's font: "MS Sans Serif" 8 points at 96 dpi (11 pixels whatever the screen reports),
/// or the nearest sans-serif face installed.
QFont designFont();
/// UTF-8 text as a QString.
QString qs(std::string_view text);
/// A fixed text of the language table as a QString.
QString qtext(TextId id, Language language);
/// The id `offset` places after `first` in a run of numbered ids (TabWing1 + 2 = TabWing3).
TextId nthText(TextId first, int offset);

/// The user's settings of the program (live results, recent files).
QSettings userSettings();

/// Qt's own texts (file dialogs, message boxes, key names such as "Strg+Z") in `language`: Qt's
/// German translations are loaded for German and removed again for English.
void useQtTranslations(Language language);

/// A label with object name `name` (may be empty) and geometry `rect`.
QLabel* makeLabel(QWidget* parent, std::string_view name, QRect rect, const QString& text = {});
/// An edit field, its text typed by the user reaching the window through textEdited.
QLineEdit* makeEdit(QWidget* parent, std::string_view name, QRect rect);
QRadioButton* makeRadio(QWidget* parent, std::string_view name, QRect rect, const QString& text);
QPushButton* makeButton(QWidget* parent, std::string_view name, QRect rect, const QString& text);
QCheckBox* makeCheckBox(QWidget* parent, std::string_view name, QRect rect, const QString& text);
/// Text colour and weight of a label (the window font otherwise).
void setTextStyle(QWidget* widget, QColor colour, bool bold);
/// A scroll bar with range min..max at `position`.
QScrollBar* makeScrollBar(QWidget* parent, std::string_view name, QRect rect, Qt::Orientation orientation, int min,
                          int max, int position);

}  // namespace volantis4

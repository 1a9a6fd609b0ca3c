#pragma once
// Input feedback: every input field and result label says what it holds and in which unit, and a
// field whose text was not read whole as a number shows a warning frame and how it was read.
// Nothing is refused: the text stays as typed.

#include <QObject>
#include <QString>
#include <vector>

#include "model/form.h"
#include "model/language.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace volantis4 {

/// The meaning and unit of field `key`, in `language`.
QString fieldMeaning(FieldKey key, Language language);

/// The tooltip of field `key` holding `text`: its meaning, and how the text was read when it was
/// not read whole ("read as 12: …").
QString fieldToolTip(FieldKey key, const QString& text, Language language);

/// Gives `edit` the warning frame (a text read only in part, or refused) or takes it away.
void showWarningFrame(QLineEdit* edit, bool warn);

/// The tooltips and warning frames of one window's fields and result labels, found by their names.
class FieldFeedback : public QObject {
 public:
  /// Watches the 80 input fields of `window` and gives them and the result labels their tooltips
  /// in `language` (read again on every refresh).
  FieldFeedback(QWidget* window, const Language& language);

  /// Every tooltip and frame as the texts stand now: after a language switch and after texts set
  /// with the fields' signals blocked.
  void refresh();

  /// True while `edit` shows the warning frame.
  static bool warns(const QLineEdit* edit);

 private:
  struct Field {
    QLineEdit* edit;
    FieldKey key;
  };
  struct Label {
    QWidget* widget;
    TextId meaning;
    int wing;  // 0: no wing number in the text
  };
  void show(const Field& field) const;

  const Language& language_;
  std::vector<Field> fields_;
  std::vector<Label> labels_;
};

}  // namespace volantis4

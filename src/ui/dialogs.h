#pragma once
// The window's questions and file dialogs behind one interface, so that tests answer them
// without a dialog on screen.

#include <QString>

#include "model/language.h"

class QWidget;

namespace volantis4 {

/// The answers to "Save changes to NAME?".
enum class SaveAnswer { Save, Discard, Cancel };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  /// OpenDialog1 (filter "*.da4;*.vn4"; the file need not exist); empty when cancelled.
  virtual QString openFileName(QWidget* parent);
  /// SaveDialog1 (initial name "*.vn4", filter "*.vn4", no question before replacing); empty when cancelled.
  virtual QString saveFileName(QWidget* parent);
  /// The file name of a PDF export (filter "*.pdf", asks before replacing) under `title`, starting
  /// at `suggested`; empty when cancelled.
  virtual QString pdfFileName(QWidget* parent, const QString& title, const QString& suggested, Language language);
  /// "Save changes to NAME?" with Save, Discard and Cancel in `language`.
  virtual SaveAnswer askSaveChanges(QWidget* parent, const QString& fileName, Language language);
  /// `refusal` (a file that a save did not complete, whose previous content was kept) and the
  /// question whether to open the kept copy under the file's name (`fileName`); true for yes.
  virtual bool askOpenKeptCopy(QWidget* parent, const QString& refusal, const QString& fileName, Language language);
  /// A failed file operation: `message` names the file and the reason.
  virtual void showFileError(QWidget* parent, const QString& message);
};

}  // namespace volantis4

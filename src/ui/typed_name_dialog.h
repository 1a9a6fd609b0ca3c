#pragma once
// The file dialog of Open and Save as, which also takes a name typed with its folder.

#include <QFileDialog>
#include <QString>

namespace volantis4 {

/// A QFileDialog whose name field accepts, on Return, a relative (to the folder shown) or absolute
/// path: for Open an existing file, for Save as any name in an existing folder. Without this the
/// dialog's own completion rewrites a typed path and swallows Return, and its Save button stays
/// grey for a new name typed with its folder.
class TypedNameDialog : public QFileDialog {
 public:
  TypedNameDialog(QWidget* parent, AcceptMode mode);

  /// The accepted name: the typed path when Return took it, else the dialog's selection.
  QString chosenName() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  /// The typed text as a path the dialog may accept; empty when it names nothing acceptable.
  QString acceptableTypedPath() const;

  QString edited_;  // the name field's text as the user last typed it (the dialog's completion rewrites it)
  QString typed_;
};

}  // namespace volantis4

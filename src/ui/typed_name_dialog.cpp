#include "ui/typed_name_dialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>

namespace volantis4 {
namespace {

QLineEdit* nameField(const QFileDialog& dialog) { return dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); }

}  // namespace

TypedNameDialog::TypedNameDialog(QWidget* parent, AcceptMode mode) : QFileDialog(parent) {
  setOption(QFileDialog::DontUseNativeDialog);  // the name field below belongs to Qt's own dialog
  setAcceptMode(mode);
  setFileMode(QFileDialog::AnyFile);
  if (QLineEdit* field = nameField(*this)) {
    connect(field, &QLineEdit::textEdited, this, [this](const QString& text) { edited_ = text; });
    field->installEventFilter(this);
    // The completion list sees Return first while it is open; filters installed later run first.
    if (QCompleter* completer = field->completer()) completer->popup()->installEventFilter(this);
  }
}

QString TypedNameDialog::chosenName() const {
  if (!typed_.isEmpty()) return typed_;
  const QStringList selected = selectedFiles();
  return selected.isEmpty() ? QString() : selected.constFirst();
}

QString TypedNameDialog::acceptableTypedPath() const {
  const QString text = edited_.trimmed();
  if (text.isEmpty() || text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?'))) return {};
  const QFileInfo info(QDir::isAbsolutePath(text) ? text : directory().filePath(text));
  const bool acceptable = acceptMode() == AcceptOpen ? info.isFile() : !info.isDir() && info.dir().exists();
  return acceptable ? QDir::cleanPath(info.absoluteFilePath()) : QString();
}

bool TypedNameDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (const QString path = acceptableTypedPath(); !path.isEmpty()) {
        if (QLineEdit* field = nameField(*this); field && field->completer()) field->completer()->popup()->hide();
        typed_ = path;
        done(QDialog::Accepted);
        return true;
      }
    }
  }
  return QFileDialog::eventFilter(watched, event);
}

}  // namespace volantis4

#include "ui/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "ui/typed_name_dialog.h"
#include "ui/widgets.h"

namespace volantis4 {

QString Dialogs::openFileName(QWidget* parent) {
  TypedNameDialog dialog(parent, QFileDialog::AcceptOpen);
  dialog.setObjectName(QStringLiteral("OpenDialog1"));
  dialog.setNameFilter(QStringLiteral("*.da4 *.vn4"));
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.chosenName();
}

QString Dialogs::saveFileName(QWidget* parent) {
  TypedNameDialog dialog(parent, QFileDialog::AcceptSave);
  dialog.setObjectName(QStringLiteral("SaveDialog1"));
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilter(QStringLiteral("*.vn4"));
  dialog.selectFile(QStringLiteral("*.vn4"));
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.chosenName();
}

QString Dialogs::pdfFileName(QWidget* parent, const QString& title, const QString& suggested, Language language) {
  return QFileDialog::getSaveFileName(parent, title, suggested, qtext(TextId::PdfFilter, language));
}

SaveAnswer Dialogs::askSaveChanges(QWidget* parent, const QString& fileName, Language language) {
  QMessageBox box(parent);
  box.setIcon(QMessageBox::Question);
  box.setWindowTitle(qtext(TextId::AppTitle, language));
  box.setText(qtext(TextId::SaveChangesBefore, language) + fileName + qtext(TextId::SaveChangesAfter, language));
  QPushButton* save = box.addButton(qtext(TextId::AnswerSave, language), QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton(qtext(TextId::AnswerDiscard, language), QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton(qtext(TextId::AnswerCancel, language), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return SaveAnswer::Save;
  if (box.clickedButton() == discard) return SaveAnswer::Discard;
  return SaveAnswer::Cancel;
}

bool Dialogs::askOpenKeptCopy(QWidget* parent, const QString& refusal, const QString& fileName, Language language) {
  const QString question = qtext(TextId::FileOpenKeptCopy, language).replace(QStringLiteral("%1"), fileName);
  return QMessageBox::question(parent, qtext(TextId::AppTitle, language),
                               refusal + QStringLiteral("\n\n") + question) == QMessageBox::Yes;
}

void Dialogs::showFileError(QWidget* parent, const QString& message) {
  QMessageBox::warning(parent, QStringLiteral("Volantis4"), message);
}

}  // namespace volantis4

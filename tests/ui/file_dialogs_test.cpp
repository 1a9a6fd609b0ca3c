// The real Open and Save as dialogs, answered by typing a name and pressing Return.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "qt_app.h"
#include "ui/dialogs.h"

namespace volantis4 {
namespace {

// Types `typed` into the dialog that opens next, showing `folder`, and presses Return; gives up
// after a few seconds. Each look that finds no dialog yet schedules the next one.
void typeIntoNextDialog(const QString& folder, const QString& typed, int attempt = 0) {
  QTimer::singleShot(attempt == 0 ? 0 : 20, [folder, typed, attempt] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    auto* edit = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
    if (!edit) {
      if (attempt < 200) typeIntoNextDialog(folder, typed, attempt + 1);
      return;
    }
    dialog->setDirectory(folder);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);
    if (dialog->isVisible()) dialog->reject();  // Return did not accept: the test sees an empty answer
  });
}

class FileDialogs : public ::testing::Test {
 protected:
  FileDialogs() {
    testing_support::qtApp();
    previous_ = QDir::currentPath();
    QDir::setCurrent(work_.path());
    QDir().mkdir(QStringLiteral("planes"));
    QFile plane(QDir(work_.path()).filePath(QStringLiteral("planes/plane1.vn4")));
    EXPECT_TRUE(plane.open(QIODevice::WriteOnly));
  }
  ~FileDialogs() override { QDir::setCurrent(previous_); }

  QString pathOf(const QString& name) const { return QDir(work_.path()).filePath(name); }

  QTemporaryDir work_;
  QString previous_;
  Dialogs dialogs;
};

TEST_F(FileDialogs, OpenTakesTypedAbsoluteAndRelativePathsOfExistingFiles) {
  const QString absolute = pathOf(QStringLiteral("planes/plane1.vn4"));
  typeIntoNextDialog(work_.path(), absolute);
  EXPECT_EQ(QFileInfo(dialogs.openFileName(nullptr)).canonicalFilePath(), QFileInfo(absolute).canonicalFilePath());

  typeIntoNextDialog(work_.path(), QStringLiteral("planes/plane1.vn4"));
  EXPECT_EQ(QFileInfo(dialogs.openFileName(nullptr)).canonicalFilePath(), QFileInfo(absolute).canonicalFilePath());
}

TEST_F(FileDialogs, SaveAsTakesANewNameInAnotherFolder) {
  const QString fresh = pathOf(QStringLiteral("planes/fresh.vn4"));
  typeIntoNextDialog(QDir::rootPath(), fresh);
  EXPECT_EQ(QFileInfo(dialogs.saveFileName(nullptr)).absoluteFilePath(), QFileInfo(fresh).absoluteFilePath());
}

}  // namespace
}  // namespace volantis4

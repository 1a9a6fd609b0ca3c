#include "ui/help_window.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/widgets.h"

namespace volantis4 {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), text_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("HelpWindow"));
  text_->setObjectName(QStringLiteral("HelpText"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  resize(520, 480);
}

void HelpWindow::fill(Language language) {
  setWindowTitle(qtext(TextId::HelpTitle, language));
  text_->setHtml(qtext(TextId::HelpText, language));
}

}  // namespace volantis4

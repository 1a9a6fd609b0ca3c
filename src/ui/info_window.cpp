#include "ui/info_window.h"

#include <QLabel>

#include "ui/widgets.h"

namespace volantis4 {
namespace {

// Rows of the seven lines: three description lines, then credit, contact, credit and web lines.
constexpr std::array<int, 7> kRows{16, 31, 47, 86, 102, 126, 142};
constexpr std::array<TextId, 7> kTexts{TextId::InfoLine1, TextId::InfoLine2,   TextId::InfoLine3,
                                       TextId::InfoIdea,  TextId::InfoContact, TextId::InfoRealisation,
                                       TextId::InfoWeb};
constexpr std::array<std::string_view, 7> kNames{"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7"};
constexpr int kWidth = 320;

}  // namespace

InfoWindow::InfoWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setFont(designFont());
  setObjectName(QStringLiteral("Form2"));
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    lines_[i] = makeLabel(this, kNames[i], QRect(8, kRows[i], kWidth - 16, 15));
    lines_[i]->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  }
  setFixedSize(kWidth, kRows.back() + 32);
  fill(Language::English);
}

void InfoWindow::fill(Language language) {
  setWindowTitle(qtext(TextId::InfoCaption, language));
  for (std::size_t i = 0; i < lines_.size(); ++i) lines_[i]->setText(qtext(kTexts[i], language));
}

}  // namespace volantis4

// Input feedback: every field and result label says its meaning and unit; a field whose text was
// not read whole shows a warning frame and how it was read, and keeps the text as typed.

#include "ui/field_feedback.h"

#include <QTest>

#include "ui_test_support.h"

namespace volantis4 {
namespace {

using testing_support::OpenWindowTest;

// The window opened by the fixture for each case of this file.
class FieldFeedbackTest : public OpenWindowTest {};

struct Typed {
  const char* field;
  const char* text;
  const char* reading;  // the tooltip's second line; null: read whole, no frame
};

// The readings follow the field rules: digits before the first other character count, a sign is
// then dropped, magnitudes beyond 99,999,999 saturate, no digit reads 0, blanks alone read 0.
constexpr Typed kTyped[] = {
    {"Edit4", "300", nullptr},
    {"Edit4", "12a", "read as 12: the characters after the number are ignored"},
    {"Edit1", "-12a", "read as 12: the sign is not applied, since characters follow the number"},
    {"Edit_x2", "123456789012", "read as 99999999: a field holds no number beyond ±99999999"},
    {"Edit_z1", "-999999999", "read as -99999999: a field holds no number beyond ±99999999"},
    {"Edit01", "abc", "read as 0: the text holds no digit"},
    {"Edit01", "", nullptr},
    {"Edit_x1", " $1F", nullptr},
    {"Edit14y", "7.5", "read as 7: the characters after the number are ignored"},
};

TEST_F(FieldFeedbackTest, AFieldReadPartlyShowsAFrameAndHowItWasRead) {
  for (const Typed& t : kTyped) {
    type(t.field, QString::fromUtf8(t.text));
    QLineEdit* e = edit(t.field);
    EXPECT_EQ(e->text(), QString::fromUtf8(t.text)) << t.field;  // never refused
    EXPECT_EQ(FieldFeedback::warns(e), t.reading != nullptr) << t.field << " " << t.text;
    const QStringList lines = e->toolTip().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), t.reading ? 2 : 1) << t.field << " " << t.text;
    if (t.reading) {
      EXPECT_EQ(lines[1], QString::fromUtf8(t.reading));
    }
  }
}

TEST_F(FieldFeedbackTest, FieldsAndResultLabelsSayTheirMeaningAndUnitInBothLanguages) {
  const std::pair<const char*, const char*> english[] = {
      {"Edit14y", "Wing 1: span width of trapezium 4, mm"},
      {"Edit24xx", "Wing 2: leading edge of section 5 behind the root's leading edge (negative: ahead), mm"},
      {"Edit44", "Wing 5: chord of section 1, mm"},
      {"Edit05", "Wing 5: half the width of the gap between the two half-wings, mm"},
      {"Edit_z3", "Wing 3: height of the wing's plane (positive up), mm"},
      {"Label_s2", "Wing 2: area S of both half-wings, dm²"},
      {"Label2", "Wing 1: area S of both half-wings, dm²"},  // the caption beside it
      {"Label_lam1", "Wing 1: aspect ratio lam = b² / S, no unit"},
      {"Label_anp4", "Wing 4: aerodynamic centre anp of the last run, behind the root's leading edge, mm"},
      {"Edit_Mstab", "Desired static stability margin, % of the reference chord"},
  };
  for (const auto& [name, tip] : english) EXPECT_EQ(find<QWidget>(name)->toolTip(), QString::fromUtf8(tip)) << name;

  type("Edit4", "12a");
  action("german1")->trigger();
  EXPECT_EQ(
      edit("Edit4")->toolTip(),
      QString::fromUtf8("Flügel 1: Flügeltiefe an Schnitt 1, mm\ngelesen als 12: die Zeichen nach der Zahl werden "
                        "übergangen"));
  EXPECT_EQ(find<QWidget>("Label_b3")->toolTip(),
            QString::fromUtf8("Flügel 3: Spannweite b über beide Flügelhälften, mm"));
}

// Texts the window writes itself (here an exchange) are judged like typed ones.
TEST_F(FieldFeedbackTest, TheFrameFollowsTextsTheWindowWrites) {
  type("Edit1", "12a");
  action("chng1")->trigger();
  EXPECT_TRUE(FieldFeedback::warns(edit("Edit11")));
  EXPECT_FALSE(FieldFeedback::warns(edit("Edit1")));
  EXPECT_EQ(edit("Edit1")->toolTip(), "Wing 1: span width of trapezium 1, mm");
}

}  // namespace
}  // namespace volantis4

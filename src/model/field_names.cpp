#include "model/field_names.h"

namespace volantis4 {
namespace {

constexpr std::array<WingControlNames, kWingCount> kNames{{
    {"Edit01",
     {"Edit1", "Edit2", "Edit3", "Edit14y"},
     {"Edit8", "Edit9", "Edit10", "Edit14xx"},
     {"Edit4", "Edit5", "Edit6", "Edit7", "Edit14x"},
     {"RadioButton4", "RadioButton5", "RadioButton6", "RadioButton41t"},
     {"L_1_1", "L_1_2", "L_1_3", "L_1_4", "L_1_5"},
     {"Label_sp1", "Label_sp2"},
     "Edit_x1",
     "Edit_z1",
     "TabSheet1",
     "Image1",
     "Image5",
     "Label_b1",
     "Label_s1",
     "Label_lm1",
     "Label_r251",
     "Label_lam1",
     "Label_anp1",
     "Label25",
     {"Label1", "Label2", "Label3", "Label4", "Label5"}},
    {"Edit02",
     {"Edit11", "Edit12", "Edit13", "Edit24y"},
     {"Edit18", "Edit19", "Edit20", "Edit24xx"},
     {"Edit14", "Edit15", "Edit16", "Edit17", "Edit24x"},
     {"RadioButton7", "RadioButton8", "RadioButton9", "RadioButton42t"},
     {"L_2_1", "L_2_2", "L_2_3", "L_2_4", "L_2_5"},
     {"Label_sp3", "Label_sp4"},
     "Edit_x2",
     "Edit_z2",
     "TabSheet2",
     "Image11",
     "Image55",
     "Label_b2",
     "Label_s2",
     "Label_lm2",
     "Label_r252",
     "Label_lam2",
     "Label_anp2",
     "Label26",
     {"Label6", "Label7", "Label8", "Label9", "Label10"}},
    {"Edit03",
     {"Edit21", "Edit22", "Edit23", "Edit34y"},
     {"Edit28", "Edit29", "Edit30", "Edit34xx"},
     {"Edit24", "Edit25", "Edit26", "Edit27", "Edit34x"},
     {"RadioButton10", "RadioButton11", "RadioButton12", "RadioButton43t"},
     {"L_3_1", "L_3_2", "L_3_3", "L_3_4", "L_3_5"},
     {"Label_sp5", "Label_Sp6"},
     "Edit_x3",
     "Edit_z3",
     "TabSheet3",
     "Image111",
     "Image555",
     "Label_b3",
     "Label_s3",
     "Label_lm3",
     "Label_r253",
     "Label_lam3",
     "Label_anp3",
     "Label27",
     {"Label16", "Label17", "Label18", "Label19", "Label20"}},
    {"Edit04",
     {"Edit31", "Edit32", "Edit33", "Edit44y"},
     {"Edit38", "Edit39", "Edit40", "Edit44xx"},
     {"Edit34", "Edit35", "Edit36", "Edit37", "Edit44x"},
     {"RadioButton_4t1", "RadioButton_4t2", "RadioButton_4t3", "RadioButton_4t4"},
     {"L_4_1", "L_4_2", "L_4_3", "L_4_4", "L_4_5"},
     {"Label_SP7", "Label_SP8"},
     "Edit_x4",
     "Edit_z4",
     "TabSheet6",
     "Image1111",
     "Image5555",
     "Label_b4",
     "Label_s4",
     "Label_lm4",
     "Label_r254",
     "Label_lam4",
     "Label_anp4",
     "Label36",
     {"Label31", "Label32", "Label33", "Label35", "Label34"}},
    {"Edit05",
     {"Edit41", "Edit42", "Edit43", "Edit54y"},
     {"Edit48", "Edit49", "Edit50", "Edit54xx"},
     {"Edit44", "Edit45", "Edit46", "Edit47", "Edit54x"},
     {"RadioButton_5t1", "RadioButton_5t2", "RadioButton_5t3", "RadioButton_5t4"},
     {"L_5_1", "L_5_2", "L_5_3", "L_5_4", "L_5_5"},
     {"Label_SP9", "Label_Sp10"},
     "Edit_x5",
     "Edit_z5",
     "TabSheet7",
     "Image11111",
     "Image55555",
     "Label_b5",
     "Label_s5",
     "Label_lm5",
     "Label_r255",
     "Label_lam5",
     "Label_anp5",
     "Label48",
     {"Label43", "Label44", "Label45", "Label47", "Label46"}},
}};

}  // namespace

const WingControlNames& wingControlNames(int w) { return kNames[wingIndex(w)]; }

std::string_view fieldName(FieldKey key) {
  const WingControlNames& n = wingControlNames(key.wing);
  switch (key.kind) {
    case FieldKind::Gap:
      return n.gap;
    case FieldKind::Width:
      return n.widths[wingIndex(key.index)];
    case FieldKind::Offset:
      return n.offsets[wingIndex(key.index - 1)];
    case FieldKind::Chord:
      return n.chords[wingIndex(key.index)];
    case FieldKind::PositionX:
      return n.positionX;
    case FieldKind::PositionZ:
      return n.positionZ;
  }
  return {};
}

std::optional<FieldKey> fieldByName(std::string_view name) {
  for (int w = 1; w <= kWingCount; ++w) {
    const WingControlNames& n = wingControlNames(w);
    if (name == n.gap) return FieldKey{w, FieldKind::Gap, 1};
    if (name == n.positionX) return FieldKey{w, FieldKind::PositionX, 1};
    if (name == n.positionZ) return FieldKey{w, FieldKind::PositionZ, 1};
    for (int i = 1; i <= 4; ++i) {
      if (name == n.widths[wingIndex(i)]) return FieldKey{w, FieldKind::Width, i};
      if (name == n.offsets[wingIndex(i)]) return FieldKey{w, FieldKind::Offset, i + 1};
    }
    for (int i = 1; i <= kSectionCount; ++i)
      if (name == n.chords[wingIndex(i)]) return FieldKey{w, FieldKind::Chord, i};
  }
  return std::nullopt;
}

}  // namespace volantis4

#include "model/form.h"

#include "model/numbers.h"

namespace volantis4 {
namespace {

struct DefaultWing {
  int trapezia;
  int gap;
  std::array<int, 4> widths;
  std::array<int, 4> offsets;
  std::array<int, kSectionCount> chords;
  int x;
  int z;
};

constexpr std::array<DefaultWing, kWingCount> kDefaultAircraft{{
    {4, 0, {220, 764, 50, 66}, {0, 131, 140, 215}, {335, 335, 335, 295, 120}, 0, -190},
    {4, 0, {105, 210, 75, 18}, {0, 0, 48, 116}, {135, 282, 282, 180, 50}, 1167, 0},
    {4, 0, {220, 764, 50, 66}, {0, 131, 140, 215}, {335, 335, 335, 295, 120}, -135, 240},
    {3, 0, {25, 50, 25, 15}, {0, 10, 40, 70}, {1850, 1550, 1100, 700, 20}, -400, -60},
    {2, 300, {38, 38, 8, 5}, {-80, 0, 200, 300}, {600, 680, 600, 300, 100}, -135, -350},
}};

}  // namespace

std::string& fieldText(Form& form, FieldKey key) {
  WingFields& w = form.wing(key.wing);
  switch (key.kind) {
    case FieldKind::Gap:
      return w.gap;
    case FieldKind::Width:
      return w.widths[wingIndex(key.index)];
    case FieldKind::Offset:
      return w.offsets[wingIndex(key.index - 1)];
    case FieldKind::Chord:
      return w.chords[wingIndex(key.index)];
    case FieldKind::PositionX:
      return w.positionX;
    case FieldKind::PositionZ:
      return w.positionZ;
  }
  return w.gap;
}

const std::string& fieldText(const Form& form, FieldKey key) { return fieldText(const_cast<Form&>(form), key); }

Form defaultForm(Language language) {
  Form form;
  for (int w = 1; w <= kWingCount; ++w) {
    const DefaultWing& d = kDefaultAircraft[wingIndex(w)];
    WingFields& f = form.wing(w);
    f.checkedTrapezia = d.trapezia;
    f.gap = formatInt(d.gap);
    for (std::size_t i = 0; i < 4; ++i) {
      f.widths[i] = formatInt(d.widths[i]);
      f.offsets[i] = formatInt(d.offsets[i]);
    }
    for (std::size_t i = 0; i < kSectionCount; ++i) f.chords[i] = formatInt(d.chords[i]);
    f.positionX = formatInt(d.x);
    f.positionZ = formatInt(d.z);
  }
  form.wingsCount = kWingCount;
  form.remarks = std::string(text(TextId::RemarksStart, language));
  return form;
}

}  // namespace volantis4

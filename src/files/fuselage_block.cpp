#include "files/fuselage_block.h"

#include "files/tag_lines.h"
#include "model/numbers.h"

namespace volantis4 {
namespace {

constexpr std::string_view kBlock = "fuselage";
constexpr std::string_view kBlockEnd = "/fuselage";
constexpr std::string_view kAxis = "axis_z_mm";
constexpr std::string_view kStation = "fuselage_station";
constexpr std::string_view kStationEnd = "/fuselage_station";
constexpr std::string_view kStationX = "station_x_mm";
constexpr std::string_view kStationWidth = "station_width_mm";

}  // namespace

std::string fuselageBlockText(const FuselageInput& f) {
  TagLines out;
  out.tag(" ", kBlock);
  out.element("  ", kAxis, formatInt(f.axisZ));
  for (const FuselageStation& s : f.stations) {
    out.tag("  ", kStation);
    out.element("   ", kStationX, formatInt(s.x));
    out.element("   ", kStationWidth, formatInt(s.width));
    out.tag("  ", kStation, true);
  }
  out.tag(" ", kBlock, true);
  out.line(" ");
  return std::move(out.bytes());
}

bool FuselageBlockReader::take(std::string_view tag, std::string_view value, int line) {
  const bool ours = tag == kBlock || tag == kBlockEnd || tag == kAxis || tag == kStation || tag == kStationEnd ||
                    tag == kStationX || tag == kStationWidth;
  if (ours && !refused_) step(tag, value, line);
  return ours;
}

void FuselageBlockReader::step(std::string_view tag, std::string_view value, int line) {
  const auto refuse = [&](FuselageRefusal why) { refused_ = FileError::fuselageBlock({}, why, tag, value, line); };
  const auto notClosed = [&](std::string_view opened, int openedAt) {
    refused_ = FileError::fuselageBlock({}, FuselageRefusal::NotClosed, opened, {}, openedAt);
  };
  if (tag == kBlock) {
    if (place_ != Place::Before) return refuse(FuselageRefusal::SecondBlock);
    place_ = Place::InBlock;
    blockLine_ = line;
    return;
  }
  if (place_ == Place::Before || place_ == Place::After) return refuse(FuselageRefusal::OutsideBlock);
  if (tag == kBlockEnd) {
    if (place_ == Place::InStation) return notClosed(kStation, stationLine_);
    place_ = Place::After;
  } else if (tag == kAxis) {
    if (place_ == Place::InStation) return refuse(FuselageRefusal::InStation);
    if (axisGiven_) return refuse(FuselageRefusal::GivenTwice);
    const std::optional<std::int32_t> z = wholeMillimetres(value);
    if (!z) return refuse(FuselageRefusal::NotWholeMillimetres);
    fuselage_.axisZ = *z;
    axisGiven_ = true;
  } else if (tag == kStation) {
    if (place_ == Place::InStation) return notClosed(kStation, stationLine_);
    place_ = Place::InStation;
    stationLine_ = line;
    stationX_.reset();
    stationWidth_.reset();
  } else if (tag == kStationEnd) {
    if (place_ != Place::InStation) return refuse(FuselageRefusal::NotOpened);
    if (!stationX_ || !stationWidth_) return refuse(FuselageRefusal::StationIncomplete);
    fuselage_.stations.push_back({*stationX_, *stationWidth_});
    place_ = Place::InBlock;
  } else {  // a station's x or width
    if (place_ != Place::InStation) return refuse(FuselageRefusal::OutsideStation);
    std::optional<std::int32_t>& slot = tag == kStationX ? stationX_ : stationWidth_;
    if (slot) return refuse(FuselageRefusal::GivenTwice);
    slot = wholeMillimetres(value);
    if (!slot) return refuse(FuselageRefusal::NotWholeMillimetres);
  }
}

std::variant<std::optional<FuselageInput>, FileError> FuselageBlockReader::result(const std::string& name) const {
  if (refused_) {
    FileError e = *refused_;
    e.path = name;
    return e;
  }
  if (place_ == Place::Before) return std::optional<FuselageInput>{};
  if (place_ != Place::After) {
    const bool station = place_ == Place::InStation;
    return FileError::fuselageBlock(name, FuselageRefusal::NotClosed, station ? kStation : kBlock, {},
                                    station ? stationLine_ : blockLine_);
  }
  if (const auto problem = checkFuselage(fuselage_)) return FileError::fuselageUnusable(name, *problem, blockLine_);
  return std::optional<FuselageInput>{fuselage_};
}

}  // namespace volantis4

#pragma once
// The drawing surface every view paints on: a persistent image with pen, brush, font and pen
// position that carry over from one drawing to the next. Plain types, so that recorded calls
// compare exactly.

#include <string>
#include <string_view>
#include <vector>

namespace volantis4 {

struct Rgb {
  int r = 0, g = 0, b = 0;  // 0-255 each
  bool operator==(const Rgb&) const = default;
};

struct Point {
  int x = 0, y = 0;  // image pixels, x to the right, y down
  bool operator==(const Point&) const = default;
};

/// Pixels left..right-1 by top..bottom-1 (right and bottom exclusive).
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const Rect&) const = default;
};

struct Font {
  std::string name = "MS Sans Serif";
  int size = 8;  // points at the 96-dpi design scale
  bool bold = false;
  bool italic = false;
  bool underline = false;
  Rgb colour{0, 0, 0};
  bool operator==(const Font&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kSilver{192, 192, 192};
inline constexpr Rgb kGrey{128, 128, 128};
inline constexpr Rgb kAqua{0, 255, 255};
inline constexpr Rgb kYellow{255, 255, 0};

/// Colour of wing w (1-5) in every view: blue, fuchsia, green, purple, maroon.
Rgb wingColour(int w);

/// The two system colours the views use; the window fills them from its palette.
struct SystemColours {
  Rgb infoBackground{255, 255, 225};  // background of the drawings
  Rgb light3D{227, 227, 227};         // filled reference wing of the top view
};

/// A drawing surface. Lines follow move-to/line-to: a line covers its start pixel but not its
/// end pixel, so consecutive lines of a polyline meet without double end points.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int width() const = 0;
  virtual int height() const = 0;
  /// New size in pixels; the kept top-left content is whatever the owner redraws next.
  virtual void resize(int width, int height) = 0;

  void setPenColour(Rgb colour) { penColour_ = colour; }
  void setPenWidth(int width) { penWidth_ = width; }
  void setBrushColour(Rgb colour) { brushColour_ = colour; }
  void setFont(const Font& font) { font_ = font; }
  void setFontColour(Rgb colour) { font_.colour = colour; }
  Rgb penColour() const { return penColour_; }
  int penWidth() const { return penWidth_; }
  Rgb brushColour() const { return brushColour_; }
  const Font& font() const { return font_; }
  Point penPosition() const { return position_; }

  void moveTo(int x, int y) { position_ = {x, y}; }
  /// Line from the pen position to (x, y) in the pen colour and width; (x, y) becomes the position.
  void lineTo(int x, int y);
  /// Line from (x1, y1) to (x2, y2), as moveTo then lineTo.
  void line(int x1, int y1, int x2, int y2) {
    moveTo(x1, y1);
    lineTo(x2, y2);
  }

  /// Fills the rectangle with the brush and draws its border in the pen colour and width.
  virtual void fillRect(Rect rect) = 0;
  /// Fills the polygon with the brush and outlines it (closed) with the pen.
  virtual void polygon(const std::vector<Point>& points) = 0;
  /// Text (UTF-8) with its top-left corner at (x, y), in the font and its colour, on the brush colour.
  virtual void textOut(int x, int y, std::string_view text) = 0;
  /// Draws the whole image of `source` scaled into `target`, smoothly (no pixel row or column is dropped).
  virtual void stretchDraw(Rect target, const Canvas& source) = 0;

 protected:
  virtual void drawLine(Point from, Point to) = 0;

 private:
  Rgb penColour_ = kBlack;
  int penWidth_ = 1;
  Rgb brushColour_ = kWhite;
  Font font_;
  Point position_;
};

}  // namespace volantis4

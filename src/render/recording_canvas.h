// A canvas that keeps every drawing operation in order, for tests and for the
// snapshot tool's operation list; it can also pass each operation on to
// another canvas and take its text measurements from it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

enum class OpKind { Pen, Brush, Font, TextColor, BkMode, Rectangle, Ellipse, Arc, MoveTo, LineTo, Text };

struct DrawOp {
  OpKind Kind = OpKind::Pen;
  // Pen: width, colour. Brush, TextColor: colour. Font: height, italic.
  // Rectangle, Ellipse: l t r b. Arc: l t r b xs ys xe ye. MoveTo, LineTo, Text: x y.
  std::array<std::int64_t, 8> Args{};
  std::u16string Str;  // Text only
};

// Without a canvas to measure with, a text measures a fixed advance per UTF-16
// unit (half the font height, rounded down) by the font height; before any font
// is selected the surface's default font counts (DefaultFontHeight).

class RecordingCanvas final : public Canvas {
public:
  RecordingCanvas() = default;
  // Passes every operation on to target as well and measures with it.
  explicit RecordingCanvas(Canvas* target) : target_(target) {}
  RecordingCanvas(const RecordingCanvas&) = delete;
  RecordingCanvas& operator=(const RecordingCanvas&) = delete;

  const std::vector<DrawOp>& Ops() const { return ops_; }

  void SelectPen(const PenSpec& pen) override;
  void SelectBrush(Colour colour) override;
  void SelectFont(const FontSpec& font) override;
  void SetTextColor(Colour colour) override;
  void SetTransparentMode() override;
  void Rectangle(const Box& box) override;
  void Ellipse(const Box& box) override;
  void Arc(const Box& box, Point start, Point end) override;
  void MoveTo(Point p) override;
  void LineTo(Point p) override;
  void Text(Point p, std::u16string_view text) override;
  TextExtent MeasureText(std::u16string_view text) override;

private:
  void Add(OpKind kind, std::initializer_list<std::int64_t> args, std::u16string_view text = {});

  Canvas* target_ = nullptr;
  std::int32_t fontHeight_ = DefaultFontHeight;
  std::vector<DrawOp> ops_;
};

// One operation as one line of the snapshot list, without the line end:
// "Pen 1 0x005E2F00", "Text 10 10 \"Close - any key\"", ...
std::string FormatOp(const DrawOp& op);
// The whole list, one line per operation, each ended by "\n".
std::string FormatOps(const std::vector<DrawOp>& ops);

// The operations done again, in order, on canvas: the bare cost of drawing a
// picture whose every text is already placed.
void Replay(const std::vector<DrawOp>& ops, Canvas& canvas);

// Recording of drawing operations and their one-line text form.
#include "recording_canvas.h"

#include <cstdio>

#include "text_utf.h"

void RecordingCanvas::Add(OpKind kind, std::initializer_list<std::int64_t> args, std::u16string_view text) {
  DrawOp op;
  op.Kind = kind;
  std::size_t i = 0;
  for (std::int64_t a : args) op.Args[i++] = a;
  op.Str = text;
  ops_.push_back(std::move(op));
}

void RecordingCanvas::SelectPen(const PenSpec& pen) {
  Add(OpKind::Pen, {pen.Width, pen.Colour});
  if (target_) target_->SelectPen(pen);
}

void RecordingCanvas::SelectBrush(Colour colour) {
  Add(OpKind::Brush, {colour});
  if (target_) target_->SelectBrush(colour);
}

void RecordingCanvas::SelectFont(const FontSpec& font) {
  Add(OpKind::Font, {font.Height, font.Italic ? 1 : 0});
  fontHeight_ = font.Height;
  if (target_) target_->SelectFont(font);
}

void RecordingCanvas::SetTextColor(Colour colour) {
  Add(OpKind::TextColor, {colour});
  if (target_) target_->SetTextColor(colour);
}

void RecordingCanvas::SetTransparentMode() {
  Add(OpKind::BkMode, {});
  if (target_) target_->SetTransparentMode();
}

void RecordingCanvas::Rectangle(const Box& b) {
  Add(OpKind::Rectangle, {b.Left, b.Top, b.Right, b.Bottom});
  if (target_) target_->Rectangle(b);
}

void RecordingCanvas::Ellipse(const Box& b) {
  Add(OpKind::Ellipse, {b.Left, b.Top, b.Right, b.Bottom});
  if (target_) target_->Ellipse(b);
}

void RecordingCanvas::Arc(const Box& b, Point s, Point e) {
  Add(OpKind::Arc, {b.Left, b.Top, b.Right, b.Bottom, s.X, s.Y, e.X, e.Y});
  if (target_) target_->Arc(b, s, e);
}

void RecordingCanvas::MoveTo(Point p) {
  Add(OpKind::MoveTo, {p.X, p.Y});
  if (target_) target_->MoveTo(p);
}

void RecordingCanvas::LineTo(Point p) {
  Add(OpKind::LineTo, {p.X, p.Y});
  if (target_) target_->LineTo(p);
}

void RecordingCanvas::Text(Point p, std::u16string_view text) {
  Add(OpKind::Text, {p.X, p.Y}, text);
  if (target_) target_->Text(p, text);
}

TextExtent RecordingCanvas::MeasureText(std::u16string_view text) {
  if (target_) return target_->MeasureText(text);
  const auto units = static_cast<std::int32_t>(text.size());
  return {units * (fontHeight_ / 2), fontHeight_};
}

namespace {

std::string Hex(std::int64_t colour) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(colour));
  return buffer;
}

std::string Ints(const DrawOp& op, std::size_t count) {
  std::string out;
  for (std::size_t i = 0; i < count; ++i) {
    out += ' ';
    out += std::to_string(op.Args[i]);
  }
  return out;
}

std::string Quoted(std::u16string_view text) {
  std::string out = "\"";
  for (char c : Utf8FromUtf16(text)) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + '"';
}

}  // namespace

std::string FormatOp(const DrawOp& op) {
  switch (op.Kind) {
    case OpKind::Pen: return "Pen " + std::to_string(op.Args[0]) + ' ' + Hex(op.Args[1]);
    case OpKind::Brush: return "Brush " + Hex(op.Args[0]);
    case OpKind::Font: return "Font" + Ints(op, 2);
    case OpKind::TextColor: return "TextColor " + Hex(op.Args[0]);
    case OpKind::BkMode: return "BkMode TRANSPARENT";
    case OpKind::Rectangle: return "Rectangle" + Ints(op, 4);
    case OpKind::Ellipse: return "Ellipse" + Ints(op, 4);
    case OpKind::Arc: return "Arc" + Ints(op, 8);
    case OpKind::MoveTo: return "MoveTo" + Ints(op, 2);
    case OpKind::LineTo: return "LineTo" + Ints(op, 2);
    case OpKind::Text: return "Text" + Ints(op, 2) + ' ' + Quoted(op.Str);
  }
  return {};
}

std::string FormatOps(const std::vector<DrawOp>& ops) {
  std::string out;
  for (const DrawOp& op : ops) {
    out += FormatOp(op);
    out += '\n';
  }
  return out;
}

void Replay(const std::vector<DrawOp>& ops, Canvas& canvas) {
  const auto i32 = [](std::int64_t v) { return static_cast<std::int32_t>(v); };
  for (const DrawOp& op : ops) {
    const auto& a = op.Args;
    switch (op.Kind) {
      case OpKind::Pen: canvas.SelectPen({i32(a[0]), static_cast<Colour>(a[1])}); break;
      case OpKind::Brush: canvas.SelectBrush(static_cast<Colour>(a[0])); break;
      case OpKind::Font: canvas.SelectFont({i32(a[0]), a[1] != 0}); break;
      case OpKind::TextColor: canvas.SetTextColor(static_cast<Colour>(a[0])); break;
      case OpKind::BkMode: canvas.SetTransparentMode(); break;
      case OpKind::Rectangle: canvas.Rectangle({i32(a[0]), i32(a[1]), i32(a[2]), i32(a[3])}); break;
      case OpKind::Ellipse: canvas.Ellipse({i32(a[0]), i32(a[1]), i32(a[2]), i32(a[3])}); break;
      case OpKind::Arc:
        canvas.Arc({i32(a[0]), i32(a[1]), i32(a[2]), i32(a[3])}, {i32(a[4]), i32(a[5])}, {i32(a[6]), i32(a[7])});
        break;
      case OpKind::MoveTo: canvas.MoveTo({i32(a[0]), i32(a[1])}); break;
      case OpKind::LineTo: canvas.LineTo({i32(a[0]), i32(a[1])}); break;
      case OpKind::Text: canvas.Text({i32(a[0]), i32(a[1])}, op.Str); break;
    }
  }
}

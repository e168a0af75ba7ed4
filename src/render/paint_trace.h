// Test helper: replays a recording and tells, for every operation, the pen,
// brush, font and text colour in force when it ran.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "picture.h"
#include "recording_canvas.h"
#include "text_utf.h"

struct DrawState {
  std::optional<PenSpec> Pen;  // nothing: the surface's default pen
  std::optional<Colour> Brush;
  std::optional<FontSpec> Font;
  std::optional<Colour> TextColour;
  bool Transparent = false;
};

struct TracedOp {
  DrawOp Op;
  DrawState State;  // before the operation
};

inline std::vector<TracedOp> Trace(const std::vector<DrawOp>& ops) {
  std::vector<TracedOp> out;
  DrawState state;
  for (const DrawOp& op : ops) {
    out.push_back({op, state});
    switch (op.Kind) {
      case OpKind::Pen:
        state.Pen = PenSpec{static_cast<std::int32_t>(op.Args[0]), static_cast<Colour>(op.Args[1])};
        break;
      case OpKind::Brush: state.Brush = static_cast<Colour>(op.Args[0]); break;
      case OpKind::Font: state.Font = FontSpec{static_cast<std::int32_t>(op.Args[0]), op.Args[1] != 0}; break;
      case OpKind::TextColor: state.TextColour = static_cast<Colour>(op.Args[0]); break;
      case OpKind::BkMode: state.Transparent = true; break;
      default: break;
    }
  }
  return out;
}

// The layout made with the recording's stand-in measure (a fixed advance per
// character: see RecordingCanvas).
inline PictureLayout StandInLayout(const PictureSettings& settings, const PictureTarget& target) {
  RecordingCanvas measure;
  return LayOutPicture(settings, target, measure);
}

// The paint of a layout at a moment, traced.
inline std::vector<TracedOp> PaintTraced(const PictureLayout& layout, const ClockReading& clock) {
  RecordingCanvas canvas;
  PaintScreen(canvas, layout, clock);
  return Trace(canvas.Ops());
}

inline std::vector<TracedOp> OfKind(const std::vector<TracedOp>& ops, OpKind kind) {
  std::vector<TracedOp> out;
  for (const TracedOp& t : ops)
    if (t.Op.Kind == kind) out.push_back(t);
  return out;
}

inline Point At(const DrawOp& op) {
  return {static_cast<std::int32_t>(op.Args[0]), static_cast<std::int32_t>(op.Args[1])};
}

inline Box BoxOf(const DrawOp& op) {
  return {static_cast<std::int32_t>(op.Args[0]), static_cast<std::int32_t>(op.Args[1]),
          static_cast<std::int32_t>(op.Args[2]), static_cast<std::int32_t>(op.Args[3])};
}

inline std::ostream& operator<<(std::ostream& os, const Point& p) {
  return os << '(' << p.X << ", " << p.Y << ')';
}

inline std::ostream& operator<<(std::ostream& os, const Box& b) {
  return os << '(' << b.Left << ", " << b.Top << ", " << b.Right << ", " << b.Bottom << ')';
}

inline std::ostream& operator<<(std::ostream& os, const DrawOp& op) { return os << FormatOp(op); }

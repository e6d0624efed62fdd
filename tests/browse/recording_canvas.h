#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <algorithm>
#include <iterator>
#include <ostream>
#include <vector>

#include "browse/list_canvas.h"

namespace spinfolio::recording {

/// One call a painter made on the canvas. Only the fields of its kind take part in comparisons.
struct CanvasCall {
  enum class Kind { Fill, Text, Icon, FontSize, DriveIcon };

  Kind kind = Kind::Fill;
  QRect rect{};     // Fill
  QColor colour{};  // Fill, Text
  QPoint at{};      // Text, Icon
  QString text{};   // Text
  int slot = 0;     // Icon; DriveIcon: the drive kind
  int points = 0;   // Text: the font size it was drawn at; FontSize: the new size

  friend bool operator==(const CanvasCall& a, const CanvasCall& b) {
    if (a.kind != b.kind) return false;
    switch (a.kind) {
      case Kind::Fill:
        return a.rect == b.rect && a.colour == b.colour;
      case Kind::Text:
        return a.at == b.at && a.text == b.text && a.colour == b.colour && a.points == b.points;
      case Kind::Icon:
      case Kind::DriveIcon:
        return a.slot == b.slot && a.at == b.at;
      case Kind::FontSize:
        return a.points == b.points;
    }
    return false;
  }
};

inline std::ostream& operator<<(std::ostream& out, const QColor& colour) {
  return out << "rgb(" << colour.red() << "," << colour.green() << "," << colour.blue() << ")";
}

inline void PrintTo(const CanvasCall& call, std::ostream* out) {
  switch (call.kind) {
    case CanvasCall::Kind::Fill:
      *out << "fill(" << call.rect.left() << "," << call.rect.top() << " - "
           << call.rect.left() + call.rect.width() << "," << call.rect.top() + call.rect.height()
           << " " << call.colour << ")";
      break;
    case CanvasCall::Kind::Text:
      *out << "text(" << call.at.x() << "," << call.at.y() << " \"" << call.text.toStdString()
           << "\" " << call.colour << " " << call.points << "pt)";
      break;
    case CanvasCall::Kind::Icon:
      *out << "icon(" << call.slot << " at " << call.at.x() << "," << call.at.y() << ")";
      break;
    case CanvasCall::Kind::FontSize:
      *out << "font(" << call.points << "pt)";
      break;
    case CanvasCall::Kind::DriveIcon:
      *out << "drive icon(" << call.slot << " at " << call.at.x() << "," << call.at.y() << ")";
      break;
  }
}

/// A fill of the area from (left, top) to just before (right, bottom).
inline CanvasCall Fill(int left, int top, int right, int bottom, QColor colour) {
  return {.kind = CanvasCall::Kind::Fill,
          .rect = QRect(QPoint(left, top), QSize(right - left, bottom - top)),
          .colour = colour};
}
inline CanvasCall Text(int x, int y, const QString& text, QColor colour, int points = 8) {
  return {.kind = CanvasCall::Kind::Text,
          .colour = colour,
          .at = QPoint(x, y),
          .text = text,
          .points = points};
}
inline CanvasCall Icon(int slot, int x, int y) {
  return {.kind = CanvasCall::Kind::Icon, .at = QPoint(x, y), .slot = slot};
}
inline CanvasCall DriveIcon(DriveKind kind, int x, int y) {
  return {.kind = CanvasCall::Kind::DriveIcon, .at = QPoint(x, y), .slot = static_cast<int>(kind)};
}
inline CanvasCall FontSize(int points) {
  return {.kind = CanvasCall::Kind::FontSize, .points = points};
}

/// Records every drawing call and every change of the font size. Text is 6 pixels a character
/// wide and 13 pixels high at 8 points, in proportion to the point size (rounded down).
class RecordingCanvas final : public ListCanvas {
 public:
  explicit RecordingCanvas(int points = 8) : points_(points) {}

  void fillRect(const QRect& rect, const QColor& colour) override {
    calls_.push_back({.kind = CanvasCall::Kind::Fill, .rect = rect, .colour = colour});
  }
  void drawText(QPoint topLeft, const QString& text, const QColor& colour) override {
    calls_.push_back(Text(topLeft.x(), topLeft.y(), text, colour, points_));
  }
  int textWidth(const QString& text) override {
    return std::max(0, static_cast<int>(text.size()) * 6 * points_ / 8);
  }
  int textHeight() override { return std::max(0, 13 * points_ / 8); }
  int fontPointSize() override { return points_; }
  // Setting the size it already has changes nothing, so it is not recorded.
  void setFontPointSize(int points) override {
    if (points == points_) return;
    points_ = points;
    calls_.push_back(FontSize(points));
  }
  void drawIcon(int slot, QPoint topLeft) override {
    calls_.push_back(Icon(slot, topLeft.x(), topLeft.y()));
  }

  void drawDriveIcon(DriveKind kind, QPoint topLeft) override {
    calls_.push_back(DriveIcon(kind, topLeft.x(), topLeft.y()));
  }

  const std::vector<CanvasCall>& calls() const { return calls_; }
  std::vector<CanvasCall> callsOf(CanvasCall::Kind kind) const {
    std::vector<CanvasCall> chosen;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(chosen),
                 [kind](const CanvasCall& call) { return call.kind == kind; });
    return chosen;
  }
  std::vector<int> iconSlots() const {
    std::vector<int> slots;
    for (const auto& call : callsOf(CanvasCall::Kind::Icon)) slots.push_back(call.slot);
    return slots;
  }
  std::vector<QString> texts() const {
    std::vector<QString> drawn;
    for (const auto& call : callsOf(CanvasCall::Kind::Text)) drawn.push_back(call.text);
    return drawn;
  }

 private:
  int points_;
  std::vector<CanvasCall> calls_;
};

}  // namespace spinfolio::recording

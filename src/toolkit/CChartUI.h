#pragma once

#include "toolkit/CControlUI.h"

#include <QPoint>

#include <cstdint>
#include <span>
#include <vector>

namespace torvane::toolkit {

// A response curve as draggable points over a square plot. Points are (x, y) in chart pixels from the plot's
// top-left corner, y growing downwards; a point's value is the plot height minus its y. The plot is the control
// shrunk by half a dot on every side, so loading a curve makes the control dot size + 200 square.
//
// A press on a point drags it vertically, following the mouse from where it was grabbed, clamped to the plot;
// points may pass their neighbours. The keyboard does the same: Up/Down move the focused point by 1 (Page Up/Down
// by 10), Left/Right and Home/End pick another point, Tab and Shift+Tab walk the points and leave the chart past
// either end. The dragged or keyboard-focused point shows its value beside it.
class CChartUI : public CControlUI {
 public:
  static constexpr int kDotSize = 10;
  static constexpr int kCurveRange = 200;
  static constexpr int kCurveStep = 10;
  static constexpr int kPageStep = 10;

  explicit CChartUI(QWidget* parent = nullptr);
  QString GetClass() const override;

  // Appends one point per value (x = 10 i, y = 200 - value, values above 200 taken as 200) and sizes the control
  // for a 200 by 200 plot.
  void LoadCurve(std::span<const std::uint8_t> values);
  // Replaces the points and sizes the plot to the span of their x; an empty list changes nothing.
  void SetPoints(std::vector<QPoint> points);
  const std::vector<QPoint>& GetPoints() const { return points_; }

  // Moves point `index` to height `y`, clamped to the plot; false when there is no such point.
  bool MovePoint(int index, int y);
  // The point's value (plot height - y), or -1 when there is no such point.
  int ValueOf(int index) const;
  int PlotHeight() const;

  int GetSelectedIndex() const { return selected_; }
  int GetHotIndex() const { return hot_; }
  bool IsCaptured() const { return captured_; }
  // The point the keyboard acts on; -1 before the chart first had the focus or a press.
  int GetFocusIndex() const { return focus_; }
  void SetFocusIndex(int index);
  // Index of the first point whose dot holds `pos` (control coordinates), or -1.
  int HitTest(const QPoint& pos) const;

  void SetAttribute(const QString& name, const QString& value) override;

 protected:
  void PaintBkImage(QPainter& painter) override;

  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QRect PlotArea() const;
  QPointF DotCentre(const QPoint& point) const;
  void Press(const QPoint& pos);
  void SetHot(int index);
  void EndDrag();
  // Tells assistive technology about the focused point's value.
  void AnnounceValue();

  std::vector<QPoint> points_;
  std::uint32_t reference_color_ = 0;
  std::uint32_t curve_color_ = 0;
  std::uint32_t grid_color_ = 0;
  bool captured_ = false;
  bool pushed_ = false;
  QPoint press_pos_;
  QPoint last_pos_;
  QPoint press_point_;
  int selected_ = -1;
  int hot_ = -1;
  int focus_ = -1;
  bool keyboard_focus_ = false;
};

}  // namespace torvane::toolkit

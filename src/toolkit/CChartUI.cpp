#include "toolkit/CChartUI.h"

#include "toolkit/AttributeValues.h"
#include "toolkit/Theme.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace torvane::toolkit {

namespace {

constexpr double kDotRadius = 3.5;
constexpr double kHotRadius = 4.75;
constexpr double kDraggedRadius = 5.0;
constexpr double kFocusRadius = 7.0;
constexpr int kGridCells = 10;
constexpr std::uint32_t kDefaultGrid = 0x14FFFFFF;  // white at 8 %
constexpr std::uint32_t kDefaultReference = theme::kMarkBorder;
constexpr std::uint32_t kDefaultCurve = theme::kAccent;

QColor Or(std::uint32_t argb, std::uint32_t fallback) {
  return theme::Color(argb != 0 ? argb : fallback);
}

}  // namespace

CChartUI::CChartUI(QWidget* parent) : CControlUI(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setCursor(Qt::ArrowCursor);
}

QString CChartUI::GetClass() const {
  return QStringLiteral("ChartUI");
}

void CChartUI::LoadCurve(std::span<const std::uint8_t> values) {
  int x = 0;
  for (const std::uint8_t value : values) {
    points_.emplace_back(x, kCurveRange - std::min<int>(value, kCurveRange));
    x += kCurveStep;
  }
  SetFixedWidth(kDotSize + kCurveRange);
  SetFixedHeight(kDotSize + kCurveRange);
  if (focus_ < 0 && hasFocus() && !points_.empty()) focus_ = 0;  // focused while it was still empty
  update();
  AnnounceValue();
}

void CChartUI::SetPoints(std::vector<QPoint> points) {
  if (points.empty()) return;
  const int span = points.back().x() - points.front().x();
  points_ = std::move(points);
  if (selected_ >= static_cast<int>(points_.size())) EndDrag();
  if (hot_ >= static_cast<int>(points_.size())) hot_ = -1;
  if (focus_ >= static_cast<int>(points_.size())) focus_ = static_cast<int>(points_.size()) - 1;
  SetFixedWidth(kDotSize + span);
  SetFixedHeight(kDotSize + span);
  update();
  AnnounceValue();
}

int CChartUI::PlotHeight() const {
  return std::max(0, GetFixedHeight() - kDotSize);
}

bool CChartUI::MovePoint(int index, int y) {
  if (index < 0 || index >= static_cast<int>(points_.size())) return false;
  points_[static_cast<std::size_t>(index)].setY(std::clamp(y, 0, PlotHeight()));
  update();
  if (index == focus_) AnnounceValue();
  return true;
}

int CChartUI::ValueOf(int index) const {
  if (index < 0 || index >= static_cast<int>(points_.size())) return -1;
  return PlotHeight() - points_[static_cast<std::size_t>(index)].y();
}

void CChartUI::SetFocusIndex(int index) {
  if (points_.empty()) return;
  index = std::clamp(index, 0, static_cast<int>(points_.size()) - 1);
  if (index == focus_) return;
  focus_ = index;
  update();
  AnnounceValue();
}

QRect CChartUI::PlotArea() const {
  const int half = kDotSize / 2;
  return rect().adjusted(half, half, -half, -half);
}

QPointF CChartUI::DotCentre(const QPoint& point) const {
  const QRect plot = PlotArea();
  return QPointF(plot.left() + point.x(), plot.top() + point.y());
}

int CChartUI::HitTest(const QPoint& pos) const {
  const QRect plot = PlotArea();
  const int half = kDotSize / 2;
  for (std::size_t i = 0; i < points_.size(); ++i) {
    const QPoint& p = points_[i];
    // Left and top edges belong to the dot, right and bottom ones do not.
    const QRect dot(plot.left() + p.x() - half, plot.top() + p.y() - half, kDotSize, kDotSize);
    if (dot.contains(pos)) return static_cast<int>(i);
  }
  return -1;
}

void CChartUI::SetAttribute(const QString& name, const QString& value) {
  auto color = [&](std::uint32_t& field) {
    if (const auto c = ParseColor(value)) {
      field = *c;
      update();
    }
  };
  if (NameIs(name, u"referencecolor")) {
    color(reference_color_);
  } else if (NameIs(name, u"curvecolor")) {
    color(curve_color_);
  } else if (NameIs(name, u"gridcolor")) {
    color(grid_color_);
  } else {
    CControlUI::SetAttribute(name, value);
  }
}

void CChartUI::PaintBkImage(QPainter& painter) {
  CControlUI::PaintBkImage(painter);
  const QRectF plot = PlotArea();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);

  painter.setPen(QPen(Or(grid_color_, kDefaultGrid), 1));
  for (int cell = 0; cell <= kGridCells; ++cell) {
    const double x = plot.left() + plot.width() * cell / kGridCells;
    const double y = plot.top() + plot.height() * cell / kGridCells;
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.top() + plot.height()));
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.left() + plot.width(), y));
  }
  // The identity curve, for comparison.
  painter.setPen(QPen(Or(reference_color_, kDefaultReference), 1, Qt::DashLine));
  painter.drawLine(QPointF(plot.left(), plot.top() + plot.height()), QPointF(plot.left() + plot.width(), plot.top()));

  const QColor curve = Or(curve_color_, kDefaultCurve);
  if (points_.size() > 1) {
    QPainterPath path(DotCentre(points_.front()));
    for (std::size_t i = 1; i < points_.size(); ++i) path.lineTo(DotCentre(points_[i]));
    QPen pen(curve, 2);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
  }

  const int dragged = pushed_ ? selected_ : -1;
  for (std::size_t i = 0; i < points_.size(); ++i) {
    const int index = static_cast<int>(i);
    const QPointF centre = DotCentre(points_[i]);
    if (index == dragged) {
      painter.setPen(QPen(theme::Color(theme::kText), 1.5));
      painter.setBrush(curve);
      painter.drawEllipse(centre, kDraggedRadius, kDraggedRadius);
    } else if (index == hot_) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(curve.lighter(125));
      painter.drawEllipse(centre, kHotRadius, kHotRadius);
    } else {
      painter.setPen(QPen(curve, 1.5));
      painter.setBrush(theme::Color(theme::kText));
      painter.drawEllipse(centre, kDotRadius, kDotRadius);
    }
  }

  const bool keyboard = keyboard_focus_ && hasFocus();
  if (keyboard && focus_ >= 0 && dragged < 0) {
    painter.setPen(QPen(theme::Color(theme::kAccent), theme::kFocusRing));
    painter.setBrush(Qt::NoBrush);
    const QPointF centre = DotCentre(points_[static_cast<std::size_t>(focus_)]);
    painter.drawEllipse(centre, kFocusRadius, kFocusRadius);
  }

  // The value of the point in hand, beside it on the side with room.
  const int shown = dragged >= 0 ? dragged : keyboard ? focus_ : -1;
  if (shown >= 0 && shown < static_cast<int>(points_.size())) {
    const QString text = QString::number(ValueOf(shown));
    painter.setFont(theme::Font(theme::kFontSmall));
    const QFontMetricsF metrics(painter.font());
    const QSizeF size(metrics.horizontalAdvance(text) + 8, metrics.height() + 2);
    const QPointF centre = DotCentre(points_[static_cast<std::size_t>(shown)]);
    const double gap = kFocusRadius + 3;
    double x = centre.x() + gap;
    if (x + size.width() > plot.right()) x = centre.x() - gap - size.width();
    const double y = std::clamp(centre.y() - size.height() / 2, plot.top(), plot.bottom() - size.height());
    const QRectF box(QPointF(x, y), size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(theme::Color(theme::kRaised));
    painter.drawRoundedRect(box, theme::kRadius, theme::kRadius);
    painter.setPen(theme::Color(theme::kText));
    painter.drawText(box, Qt::AlignCenter, text);
  }
  painter.restore();
}

void CChartUI::Press(const QPoint& pos) {
  if (!IsEnabledInWindow()) return;
  press_pos_ = pos;
  last_pos_ = pos;
  const int hit = HitTest(pos);
  if (hit < 0) return;
  captured_ = true;
  pushed_ = true;
  press_point_ = points_[static_cast<std::size_t>(hit)];
  selected_ = hit;
  hot_ = -1;
  focus_ = hit;
  update();
  AnnounceValue();
}

void CChartUI::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return CControlUI::mousePressEvent(event);
  Press(event->position().toPoint());
  event->accept();
}

void CChartUI::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return CControlUI::mouseDoubleClickEvent(event);
  Press(event->position().toPoint());
  event->accept();
}

void CChartUI::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  event->accept();
  if (captured_) {
    last_pos_ = pos;
    if (selected_ < 0 || selected_ >= static_cast<int>(points_.size())) return;
    // Relative to where the point was grabbed, so it never jumps to the cursor.
    const int y = std::clamp(press_point_.y() + (pos.y() - press_pos_.y()), 0, PlotHeight());
    points_[static_cast<std::size_t>(selected_)] = QPoint(press_point_.x(), y);
    update();
    AnnounceValue();
    return;
  }
  SetHot(HitTest(pos));
}

void CChartUI::SetHot(int index) {
  setCursor(index >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
  if (index == hot_) return;
  hot_ = index;
  update();
}

void CChartUI::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return CControlUI::mouseReleaseEvent(event);
  event->accept();
  if (captured_) EndDrag();
}

void CChartUI::EndDrag() {
  captured_ = false;
  pushed_ = false;
  selected_ = -1;
  update();
}

void CChartUI::leaveEvent(QEvent* event) {
  if (hot_ >= 0) {
    hot_ = -1;
    update();
  }
  CControlUI::leaveEvent(event);
}

void CChartUI::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (points_.empty() || !IsEnabledInWindow() || modifiers != Qt::NoModifier) {
    return CControlUI::keyPressEvent(event);
  }
  const int last = static_cast<int>(points_.size()) - 1;
  const int index = std::clamp(focus_, 0, last);
  focus_ = index;
  const int y = points_[static_cast<std::size_t>(index)].y();
  switch (event->key()) {
    case Qt::Key_Up:
      MovePoint(index, y - 1);
      break;
    case Qt::Key_Down:
      MovePoint(index, y + 1);
      break;
    case Qt::Key_PageUp:
      MovePoint(index, y - kPageStep);
      break;
    case Qt::Key_PageDown:
      MovePoint(index, y + kPageStep);
      break;
    case Qt::Key_Left:
      SetFocusIndex(index - 1);
      break;
    case Qt::Key_Right:
      SetFocusIndex(index + 1);
      break;
    case Qt::Key_Home:
      SetFocusIndex(0);
      break;
    case Qt::Key_End:
      SetFocusIndex(last);
      break;
    default:
      return CControlUI::keyPressEvent(event);
  }
  // A key that arrives mid-drag shows the keyboard's point rather than the dragged one.
  if (captured_) EndDrag();
  keyboard_focus_ = true;
  update();
  event->accept();
}

bool CChartUI::focusNextPrevChild(bool next) {
  // Tab walks the points first; past the last (or before the first) it goes on to the next control.
  const int target = focus_ + (next ? 1 : -1);
  if (hasFocus() && !points_.empty() && target >= 0 && target < static_cast<int>(points_.size())) {
    keyboard_focus_ = true;
    SetFocusIndex(target);
    return true;
  }
  return CControlUI::focusNextPrevChild(next);
}

void CChartUI::focusInEvent(QFocusEvent* event) {
  const Qt::FocusReason reason = event->reason();
  keyboard_focus_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                    reason == Qt::ShortcutFocusReason || (reason == Qt::ActiveWindowFocusReason && keyboard_focus_);
  if (!points_.empty()) {
    if (reason == Qt::TabFocusReason) {
      focus_ = 0;
    } else if (reason == Qt::BacktabFocusReason) {
      focus_ = static_cast<int>(points_.size()) - 1;
    } else if (focus_ < 0) {
      focus_ = 0;
    }
  }
  update();
  CControlUI::focusInEvent(event);
  AnnounceValue();
}

void CChartUI::focusOutEvent(QFocusEvent* event) {
  if (event->reason() != Qt::ActiveWindowFocusReason) keyboard_focus_ = false;
  update();
  CControlUI::focusOutEvent(event);
}

bool CChartUI::event(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled()) {
    // A disabled chart drops what the mouse was doing and shows no hand.
    if (captured_) EndDrag();
    SetHot(-1);
  }
  return CControlUI::event(event);
}

void CChartUI::AnnounceValue() {
  if (!QAccessible::isActive() || focus_ < 0) return;
  QAccessibleValueChangeEvent change(this, ValueOf(focus_));
  QAccessible::updateAccessibility(&change);
}

}  // namespace torvane::toolkit

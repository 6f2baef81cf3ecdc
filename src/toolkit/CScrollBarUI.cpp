#include "toolkit/CScrollBarUI.h"

#include "toolkit/AttributeValues.h"
#include "toolkit/ImageDescriptor.h"
#include "toolkit/Theme.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace torvane::toolkit {

CScrollBarUI::CScrollBarUI(QWidget* parent) : CControlUI(parent) {}

QString CScrollBarUI::GetClass() const {
  return QStringLiteral("ScrollBarUI");
}

void CScrollBarUI::SetScrollRange(int range) {
  range_ = std::max(0, range);
  pos_ = std::clamp(pos_, 0, range_);
  update();
}

void CScrollBarUI::SetScrollPos(int pos) {
  pos_ = std::clamp(pos, 0, range_);
  update();
}

void CScrollBarUI::SetPageSize(int page) {
  page_ = std::max(0, page);
  update();
}

void CScrollBarUI::SetAttribute(const QString& name, const QString& value) {
  if (NameIs(name, u"thumbnormalimage")) {
    thumb_normal_ = value;
  } else if (NameIs(name, u"thumbhotimage")) {
    thumb_hot_ = value;
  } else if (NameIs(name, u"thumbpushedimage")) {
    thumb_pushed_ = value;
  } else if (NameIs(name, u"linesize")) {
    if (const auto v = ParseInt(value)) line_size_ = std::max(1, *v);
  } else {
    CControlUI::SetAttribute(name, value);
  }
}

QRect CScrollBarUI::ThumbRect() const {
  const int track = height();
  if (range_ <= 0 || track <= 0) return QRect(0, 0, width(), track);
  const long long total = static_cast<long long>(range_) + std::max(page_, 1);
  const int length = std::clamp(static_cast<int>(static_cast<long long>(track) * std::max(page_, 1) / total),
                                std::min(24, track), track);
  const int top = static_cast<int>(static_cast<long long>(track - length) * pos_ / range_);
  return QRect(0, top, width(), length);
}

void CScrollBarUI::PaintStatusImage(QPainter& painter) {
  const QRect thumb = ThumbRect();
  const QString& image = dragging_ ? thumb_pushed_ : hot_ ? thumb_hot_ : thumb_normal_;
  if (toolkit::DrawImage(painter, thumb, image.isEmpty() ? thumb_normal_ : image)) return;
  const std::uint32_t color = dragging_ ? theme::kTextSecondary : hot_ ? theme::kBorderHot : theme::kBorder;
  const QRectF r = QRectF(thumb).adjusted(2, 2, -2, -2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(theme::Color(color));
  painter.drawRoundedRect(r, r.width() / 2, r.width() / 2);
}

void CScrollBarUI::MoveTo(int pos) {
  const int clamped = std::clamp(pos, 0, range_);
  if (clamped == pos_) return;
  pos_ = clamped;
  update();
  if (on_scroll_) on_scroll_(pos_);
}

void CScrollBarUI::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return CControlUI::mousePressEvent(event);
  const QRect thumb = ThumbRect();
  const int y = event->position().toPoint().y();
  if (thumb.contains(0, y)) {
    dragging_ = true;
    drag_start_y_ = y;
    drag_start_pos_ = pos_;
  } else {
    MoveTo(pos_ + (y < thumb.top() ? -1 : 1) * std::max(page_, line_size_));
  }
  update();
  event->accept();
}

void CScrollBarUI::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return CControlUI::mouseMoveEvent(event);
  const int free = height() - ThumbRect().height();
  if (free > 0) {
    const long long delta = event->position().toPoint().y() - drag_start_y_;
    MoveTo(drag_start_pos_ + static_cast<int>(delta * range_ / free));
  }
  event->accept();
}

void CScrollBarUI::mouseReleaseEvent(QMouseEvent* event) {
  dragging_ = false;
  update();
  event->accept();
}

void CScrollBarUI::enterEvent(QEnterEvent* /*event*/) {
  hot_ = true;
  update();
}

void CScrollBarUI::leaveEvent(QEvent* /*event*/) {
  hot_ = false;
  update();
}

}  // namespace torvane::toolkit

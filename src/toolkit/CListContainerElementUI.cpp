#include "toolkit/CListContainerElementUI.h"

#include "toolkit/IListOwnerUI.h"
#include "toolkit/ImageDescriptor.h"
#include "toolkit/TListInfoUI.h"
#include "toolkit/Theme.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace torvane::toolkit {

CListContainerElementUI::CListContainerElementUI(QWidget* parent) : CContainerUI(parent) {
  setFocusPolicy(Qt::ClickFocus);
  setAttribute(Qt::WA_Hover);
}

QString CListContainerElementUI::GetClass() const {
  return QStringLiteral("ListContainerElementUI");
}

bool CListContainerElementUI::Select(bool select) {
  if (select && !IsEnabled()) return false;
  const bool changed = selected_ != select;
  selected_ = select;
  update();
  if (changed && QAccessible::isActive()) {
    QAccessible::State state;
    state.selected = true;
    QAccessibleStateChangeEvent event(this, state);
    QAccessible::updateAccessibility(&event);
  }
  return true;
}

void CListContainerElementUI::PaintBkColor(QPainter& painter) {
  if (owner_) {
    const TListInfoUI& info = owner_->GetListInfo();
    std::uint32_t color = info.bk_color;
    QString image = info.bk_image;
    if (!IsEnabledInWindow()) {
      color = info.disabled_bk_color;
      image = info.disabled_image;
    } else if (selected_) {
      color = info.selected_bk_color;
      image = info.selected_image;
    } else if (hot_) {
      color = info.hot_bk_color;
      image = info.hot_image;
    } else if (info.alt_bk && index_ % 2 == 1) {
      color = info.bk_color ? info.bk_color : theme::kPanel;
    }
    if (qAlpha(color) != 0) {
      QPainterPath path;
      path.addRoundedRect(QRectF(rect()), theme::kRadius, theme::kRadius);
      painter.fillPath(path, theme::Color(color));
    }
    toolkit::DrawImage(painter, rect(), image);
  }
  CContainerUI::PaintBkColor(painter);
}

void CListContainerElementUI::PaintBorder(QPainter& painter) {
  CContainerUI::PaintBorder(painter);
  if (owner_ && owner_->GetListInfo().line_color) {
    painter.fillRect(QRect(0, height() - 1, width(), 1), theme::Color(owner_->GetListInfo().line_color));
  }
  if (!(keyboard_focus_ && hasFocus())) return;
  painter.save();
  painter.setPen(QPen(theme::Color(theme::kAccent), theme::kFocusRing));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), theme::kRadius, theme::kRadius);
  painter.restore();
}

void CListContainerElementUI::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && owner_ && IsEnabledInWindow()) {
    event->accept();
    owner_->SelectItem(index_, true);
    return;
  }
  CContainerUI::mousePressEvent(event);
}

void CListContainerElementUI::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && owner_ && IsEnabledInWindow()) {
    event->accept();
    owner_->ActivateItem(index_);
    return;
  }
  CContainerUI::mouseDoubleClickEvent(event);
}

void CListContainerElementUI::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && owner_ && !event->isAutoRepeat()) {
    event->accept();
    owner_->ActivateItem(index_);
    return;
  }
  if (event->key() == Qt::Key_Space && owner_) {
    event->accept();
    owner_->SelectItem(index_, true);
    return;
  }
  CContainerUI::keyPressEvent(event);  // arrows go on to the list
}

void CListContainerElementUI::enterEvent(QEnterEvent* /*event*/) {
  hot_ = true;
  update();
}

void CListContainerElementUI::leaveEvent(QEvent* /*event*/) {
  hot_ = false;
  update();
}

void CListContainerElementUI::focusInEvent(QFocusEvent* event) {
  const Qt::FocusReason reason = event->reason();
  keyboard_focus_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                    reason == Qt::OtherFocusReason || (reason == Qt::ActiveWindowFocusReason && keyboard_focus_);
  update();
  CContainerUI::focusInEvent(event);
}

void CListContainerElementUI::focusOutEvent(QFocusEvent* event) {
  if (event->reason() != Qt::ActiveWindowFocusReason) keyboard_focus_ = false;
  update();
  CContainerUI::focusOutEvent(event);
}

}  // namespace torvane::toolkit

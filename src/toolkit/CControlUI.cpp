#include "toolkit/CControlUI.h"

#include "toolkit/AttributeValues.h"
#include "toolkit/CPaintManagerUI.h"
#include "toolkit/ImageDescriptor.h"
#include "toolkit/Theme.h"

#include <QEvent>
#include <QFocusEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace torvane::toolkit {

CControlUI::CControlUI(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
}

CControlUI::~CControlUI() = default;

QString CControlUI::GetClass() const {
  return QStringLiteral("ControlUI");
}

void CControlUI::SetManager(CPaintManagerUI* manager) {
  manager_ = manager;
}

CControlUI* CControlUI::GetParentControl() const {
  return dynamic_cast<CControlUI*>(parentWidget());
}

void CControlUI::SetText(const QString& text) {
  if (text_ == text) return;
  text_ = text;
  UpdateAccessibleName();
  update();
}

void CControlUI::SetAccessibleLabel(const QString& label) {
  if (accessible_label_ == label) return;
  accessible_label_ = label;
  UpdateAccessibleName();
}

void CControlUI::UpdateAccessibleName() {
  if (accessible_label_.isEmpty() || text_.isEmpty()) {
    setAccessibleName(accessible_label_.isEmpty() ? text_ : accessible_label_);
  } else {
    setAccessibleName(accessible_label_ + QStringLiteral(": ") + text_);
  }
}

void CControlUI::SetTextColor(std::uint32_t argb) {
  text_color_ = argb;
  update();
}

void CControlUI::SetDisabledTextColor(std::uint32_t argb) {
  disabled_text_color_ = argb;
  update();
}

void CControlUI::SetBkColor(std::uint32_t argb) {
  bk_color_ = argb;
  update();
}

void CControlUI::SetBkImage(const QString& image) {
  bk_image_ = image;
  update();
}

void CControlUI::SetBorderColor(std::uint32_t argb) {
  border_color_ = argb;
  update();
}

void CControlUI::SetBorderSize(int size) {
  border_size_ = std::max(0, size);
  update();
}

void CControlUI::SetBorderRound(int radius) {
  border_round_ = std::max(0, radius);
  update();
}

void CControlUI::SetFont(int id) {
  font_id_ = id;
  update();
}

void CControlUI::ApplyVisibility() {
  if (!visible_) {
    QWidget::setVisible(false);
  } else if (parentWidget()) {
    // A parentless control would become a window of its own; it is shown when a container adopts it.
    QWidget::setVisible(true);
  }
}

void CControlUI::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  ApplyVisibility();
  NeedParentUpdate();
}

void CControlUI::SetEnabled(bool enabled) {
  QWidget::setEnabled(enabled);
  update();
}

bool CControlUI::IsEnabledInWindow() const {
  const QWidget* top = window();
  return top == this ? IsEnabled() : isEnabledTo(top);
}

void CControlUI::SetMouseEnabled(bool enabled) {
  setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
}

void CControlUI::SetFixedWidth(int width) {
  fixed_width_ = std::max(0, width);
  NeedParentUpdate();
}

void CControlUI::SetFixedHeight(int height) {
  fixed_height_ = std::max(0, height);
  NeedParentUpdate();
}

void CControlUI::SetPadding(const QMargins& padding) {
  padding_ = padding;
  NeedParentUpdate();
}

void CControlUI::SetFloat(bool is_float) {
  float_ = is_float;
  NeedParentUpdate();
}

void CControlUI::SetFloatPos(const QRect& pos) {
  float_pos_ = pos;
  NeedParentUpdate();
}

void CControlUI::SetAttribute(const QString& name, const QString& value) {
  auto color = [&](auto setter) {
    if (const auto c = ParseColor(value)) (this->*setter)(*c);
  };
  auto size = [&](int& field) {
    if (const auto v = ParseInt(value)) {
      field = std::max(0, *v);
      NeedParentUpdate();
    }
  };
  if (NameIs(name, u"name")) {
    SetName(value);
  } else if (NameIs(name, u"text")) {
    SetText(value);
  } else if (NameIs(name, u"tooltip")) {
    SetToolTip(value);
  } else if (NameIs(name, u"userdata")) {
    SetUserData(value);
  } else if (NameIs(name, u"textcolor")) {
    color(&CControlUI::SetTextColor);
  } else if (NameIs(name, u"disabledtextcolor")) {
    color(&CControlUI::SetDisabledTextColor);
  } else if (NameIs(name, u"bkcolor")) {
    color(&CControlUI::SetBkColor);
  } else if (NameIs(name, u"bordercolor")) {
    color(&CControlUI::SetBorderColor);
  } else if (NameIs(name, u"bkimage")) {
    SetBkImage(value);
  } else if (NameIs(name, u"bordersize")) {
    if (const auto v = ParseInt(value)) SetBorderSize(*v);
  } else if (NameIs(name, u"borderround")) {
    // "r" or "rx,ry"; corners are drawn round with the first value.
    if (const auto v = ParseIntList(value, 2)) SetBorderRound((*v)[0]);
  } else if (NameIs(name, u"font")) {
    if (const auto v = ParseInt(value)) SetFont(*v);
  } else if (NameIs(name, u"width")) {
    size(fixed_width_);
  } else if (NameIs(name, u"height")) {
    size(fixed_height_);
  } else if (NameIs(name, u"minwidth")) {
    size(min_width_);
  } else if (NameIs(name, u"maxwidth")) {
    size(max_width_);
  } else if (NameIs(name, u"minheight")) {
    size(min_height_);
  } else if (NameIs(name, u"maxheight")) {
    size(max_height_);
  } else if (NameIs(name, u"padding")) {
    if (const auto m = ParseMargins(value)) SetPadding(*m);
  } else if (NameIs(name, u"pos")) {
    // As in the layouts' convention, a position also fixes the size.
    if (const auto r = ParsePos(value)) {
      float_pos_ = *r;
      fixed_width_ = std::max(0, r->width());
      fixed_height_ = std::max(0, r->height());
      NeedParentUpdate();
    }
  } else if (NameIs(name, u"float")) {
    if (const auto b = ParseBool(value)) SetFloat(*b);
  } else if (NameIs(name, u"visible")) {
    if (const auto b = ParseBool(value)) SetVisible(*b);
  } else if (NameIs(name, u"enabled")) {
    if (const auto b = ParseBool(value)) SetEnabled(*b);
  } else if (NameIs(name, u"mouse")) {
    if (const auto b = ParseBool(value)) SetMouseEnabled(*b);
  }
}

void CControlUI::ApplyAttributeList(const QString& list) {
  for (const auto& [name, value] : ParseAttributeList(list)) SetAttribute(name, value);
}

bool CControlUI::AddChildControl(CControlUI* /*child*/) {
  return false;
}

void CControlUI::NeedUpdate() {
  update();
}

void CControlUI::NeedParentUpdate() {
  if (CControlUI* parent = GetParentControl()) parent->NeedUpdate();
}

void CControlUI::SendNotify(const QString& type, std::intptr_t wparam, std::intptr_t lparam) {
  if (manager_) manager_->SendNotify(this, type, wparam, lparam);
}

void CControlUI::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  DoPaint(painter);
}

bool CControlUI::event(QEvent* event) {
  if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) NeedParentUpdate();
  return QWidget::event(event);
}

void CControlUI::DoPaint(QPainter& painter) {
  PaintBkColor(painter);
  PaintBkImage(painter);
  PaintStatusImage(painter);
  PaintText(painter);
  PaintBorder(painter);
}

void CControlUI::PaintBkColor(QPainter& painter) {
  if (qAlpha(bk_color_) == 0) return;
  if (border_round_ > 0) {
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), border_round_, border_round_);
    painter.fillPath(path, theme::Color(bk_color_));
  } else {
    painter.fillRect(rect(), theme::Color(bk_color_));
  }
}

void CControlUI::PaintBkImage(QPainter& painter) {
  DrawImage(painter, bk_image_);
}

void CControlUI::PaintStatusImage(QPainter& /*painter*/) {}

void CControlUI::PaintText(QPainter& /*painter*/) {}

void CControlUI::PaintBorder(QPainter& painter) {
  if (border_size_ <= 0 || qAlpha(border_color_) == 0) return;
  painter.save();
  QPen pen(theme::Color(border_color_));
  pen.setWidth(border_size_);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  const double half = border_size_ / 2.0;
  const QRectF r = QRectF(rect()).adjusted(half, half, -half, -half);
  if (border_round_ > 0) {
    painter.drawRoundedRect(r, border_round_, border_round_);
  } else {
    painter.drawRect(r);
  }
  painter.restore();
}

bool CControlUI::DrawImage(QPainter& painter, const QString& descriptor) const {
  return toolkit::DrawImage(painter, rect(), descriptor);
}

QFont CControlUI::ResolvedFont() const {
  const int id = font_id_ < 0 ? theme::kFontBody : font_id_;
  return manager_ ? manager_->GetFont(id) : theme::Font(id);
}

bool CControlUI::IsPlayerFocusChange(const QFocusEvent* event) const {
  const Qt::FocusReason reason = event->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && window()->isEnabled();
}

QColor CControlUI::ResolvedTextColor() const {
  if (!IsEnabledInWindow()) return theme::Color(disabled_text_color_ ? disabled_text_color_ : theme::kTextDisabled);
  return theme::Color(text_color_ ? text_color_ : theme::kText);
}

}  // namespace torvane::toolkit

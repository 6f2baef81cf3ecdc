#include "toolkit/CButtonUI.h"

#include "toolkit/AttributeValues.h"
#include "toolkit/TNotifyUI.h"
#include "toolkit/Theme.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

#include <algorithm>

namespace torvane::toolkit {

namespace {

// How far a glowing button's glow reaches beyond its drawing, in pixels.
constexpr double kGlowSpread = 10.0;

}  // namespace

CButtonUI::CButtonUI(QWidget* parent) : CLabelUI(parent) {
  SetTextAlign(Qt::AlignCenter);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
}

QString CButtonUI::GetClass() const {
  return QStringLiteral("ButtonUI");
}

void CButtonUI::SetAppearance(Appearance appearance) {
  appearance_ = appearance;
  setCursor(appearance == Appearance::kLink ? Qt::PointingHandCursor : Qt::ArrowCursor);
  update();
}

void CButtonUI::SetNormalImage(const QString& image) {
  normal_image_ = image;
  update();
}

void CButtonUI::SetHotImage(const QString& image) {
  hot_image_ = image;
  update();
}

void CButtonUI::SetPushedImage(const QString& image) {
  pushed_image_ = image;
  update();
}

void CButtonUI::SetDisabledImage(const QString& image) {
  disabled_image_ = image;
  update();
}

bool CButtonUI::Activate() {
  if (!IsEnabledInWindow()) return false;
  SendNotify(QString::fromUtf16(notify::kClick));
  return true;
}

void CButtonUI::SetAttribute(const QString& name, const QString& value) {
  auto color = [&](std::uint32_t& field) {
    if (const auto c = ParseColor(value)) {
      field = *c;
      update();
    }
  };
  if (NameIs(name, u"normalimage")) {
    SetNormalImage(value);
  } else if (NameIs(name, u"hotimage")) {
    SetHotImage(value);
  } else if (NameIs(name, u"pushedimage")) {
    SetPushedImage(value);
  } else if (NameIs(name, u"focusedimage")) {
    focused_image_ = value;
  } else if (NameIs(name, u"disabledimage")) {
    SetDisabledImage(value);
  } else if (NameIs(name, u"hottextcolor")) {
    color(hot_text_color_);
  } else if (NameIs(name, u"pushedtextcolor")) {
    color(pushed_text_color_);
  } else if (NameIs(name, u"focusedtextcolor")) {
    color(focused_text_color_);
  } else if (NameIs(name, u"hotbkcolor")) {
    color(hot_bk_color_);
  } else if (NameIs(name, u"pushedbkcolor")) {
    color(pushed_bk_color_);
  } else if (NameIs(name, u"appearance")) {
    static const std::pair<const char16_t*, Appearance> kinds[] = {
        {u"raised", Appearance::kRaised}, {u"primary", Appearance::kPrimary}, {u"outline", Appearance::kOutline},
        {u"flat", Appearance::kFlat},     {u"link", Appearance::kLink},       {u"close", Appearance::kClose},
        {u"none", Appearance::kNone},     {u"glow", Appearance::kGlow}};
    for (const auto& [word, kind] : kinds) {
      if (NameIs(value, word)) SetAppearance(kind);
    }
  } else {
    CLabelUI::SetAttribute(name, value);
  }
}

QString CButtonUI::StateImage() const {
  if (!IsEnabledInWindow() && !disabled_image_.isEmpty()) return disabled_image_;
  if (pushed_ && hot_ && !pushed_image_.isEmpty()) return pushed_image_;
  if (hot_ && !hot_image_.isEmpty()) return hot_image_;
  if (HasKeyboardFocus() && !focused_image_.isEmpty()) return focused_image_;
  return normal_image_;
}

bool CButtonUI::UsesThemeShape() const {
  return normal_image_.isEmpty() && GetBkImage().isEmpty() && qAlpha(GetBkColor()) == 0;
}

void CButtonUI::PaintBkColor(QPainter& painter) {
  if (appearance_ == Appearance::kGlow) {
    CLabelUI::PaintBkColor(painter);
    return PaintGlow(painter);  // behind the drawing
  }
  const bool enabled = IsEnabledInWindow();
  std::uint32_t state_color = 0;
  if (enabled && pushed_ && hot_) state_color = pushed_bk_color_;
  if (enabled && hot_ && !state_color) state_color = hot_bk_color_;
  if (!state_color) return CLabelUI::PaintBkColor(painter);
  QPainterPath path;
  path.addRoundedRect(QRectF(rect()), GetBorderRound(), GetBorderRound());
  painter.fillPath(path, theme::Color(state_color));
}

void CButtonUI::PaintThemeShape(QPainter& painter, bool selected) const {
  const bool enabled = IsEnabledInWindow();
  const bool down = enabled && pushed_ && hot_;
  const bool over = enabled && hot_;
  std::uint32_t fill = 0;
  std::uint32_t border = 0;
  switch (appearance_) {
    case Appearance::kRaised:
      fill = !enabled ? theme::kRaisedDisabled
             : down   ? theme::kRaisedPushed
             : over   ? theme::kRaisedHot
                      : theme::kRaised;
      border = !enabled ? theme::kBorderDisabled : over ? theme::kBorderHot : theme::kBorder;
      if (selected && enabled) {
        fill = over ? theme::kAccentHot : theme::kAccent;
        border = 0;
      }
      break;
    case Appearance::kPrimary:
      fill = !enabled ? theme::kRaisedDisabled
             : down   ? theme::kAccentPushed
             : over   ? theme::kAccentHot
                      : theme::kAccent;
      break;
    case Appearance::kOutline:
      // The fill stays dark in every state, so the text keeps its contrast; the edge shows hover and press.
      fill = !enabled ? theme::kRaisedDisabled : down ? theme::kWindowPushed : theme::kWindow;
      border = !enabled ? theme::kBorderDisabled
               : down   ? theme::kAccentPushed
               : over   ? theme::kAccentHot
                        : theme::kAccent;
      break;
    case Appearance::kFlat:
    case Appearance::kClose:
      fill = down ? theme::kRaisedPushed : over ? theme::kRaised : selected ? theme::kRaised : 0;
      break;
    case Appearance::kLink:
    case Appearance::kNone:
    case Appearance::kGlow:  // its glow is drawn behind, whatever the content
      break;
  }
  // An outline that stands for the primary button is as strong as a focus ring.
  const double edge = appearance_ == Appearance::kOutline && enabled ? theme::kFocusRing : 1.0;
  const QRectF r = QRectF(rect()).adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2);
  if (fill || border) {
    painter.save();
    painter.setPen(border ? QPen(theme::Color(border), edge) : Qt::NoPen);
    painter.setBrush(fill ? QBrush(theme::Color(fill)) : Qt::NoBrush);
    painter.drawRoundedRect(r, theme::kRadius, theme::kRadius);
    painter.restore();
  }
  if (appearance_ == Appearance::kClose) {
    painter.save();
    QPen pen(StateTextColor(), 1.6);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    const QPointF c = QRectF(rect()).center();
    const double arm = 5.0;
    painter.drawLine(c + QPointF(-arm, -arm), c + QPointF(arm, arm));
    painter.drawLine(c + QPointF(-arm, arm), c + QPointF(arm, -arm));
    painter.restore();
  }
}

void CButtonUI::PaintGlow(QPainter& painter) const {
  if (!IsEnabledInWindow() || !(hot_ || HasKeyboardFocus())) return;
  const bool down = pushed_ && hot_;
  const QColor accent = theme::Color(down ? theme::kAccentPushed : theme::kAccent);
  const double spread = kGlowSpread;
  const double radius = 3.0 * theme::kRadius;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  QColor tint = accent;
  tint.setAlpha(down ? 40 : 26);
  painter.setPen(Qt::NoPen);
  painter.setBrush(tint);
  const QRectF inner = QRectF(rect()).adjusted(spread, spread, -spread, -spread);
  painter.drawRoundedRect(inner, radius, radius);
  // Rings fading outward from the drawing's edge make the glow soft rather than a box.
  painter.setBrush(Qt::NoBrush);
  for (int step = 0; step < static_cast<int>(spread); ++step) {
    QColor ring = accent;
    ring.setAlpha(std::max(0, 110 - step * (110 / static_cast<int>(spread))));
    painter.setPen(QPen(ring, 1.0));
    const double grow = step + 0.5;
    painter.drawRoundedRect(inner.adjusted(-grow, -grow, grow, grow), radius + grow, radius + grow);
  }
  painter.restore();
}

void CButtonUI::PaintStatusImage(QPainter& painter) {
  if (DrawImage(painter, StateImage())) return;
  if (UsesThemeShape()) return PaintThemeShape(painter, false);
  if (appearance_ == Appearance::kGlow) {
    if (!IsEnabledInWindow() || !(pushed_ && hot_)) return;
    // Pressed: the drawing itself darkens a little, inside the glow's rounded outline.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 48));
    const double radius = 3.0 * theme::kRadius;
    painter.drawRoundedRect(QRectF(rect()).adjusted(kGlowSpread, kGlowSpread, -kGlowSpread, -kGlowSpread), radius,
                            radius);
    painter.restore();
    return;
  }
  // Over a layout's own image or colour, hover and press show as a light veil.
  if (!IsEnabledInWindow() || !hot_) return;
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, pushed_ ? 16 : 28));
  painter.drawRoundedRect(QRectF(rect()), GetBorderRound(), GetBorderRound());
  painter.restore();
}

bool CButtonUI::ShowsAccentFill() const {
  return appearance_ == Appearance::kPrimary && UsesThemeShape() && IsEnabledInWindow();
}

void CButtonUI::PaintBorder(QPainter& painter) {
  CLabelUI::PaintBorder(painter);
  if (!HasKeyboardFocus()) return;
  if (appearance_ == Appearance::kGlow) {
    // The ring follows the glow's rounded outline, just outside the drawing.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(theme::Color(theme::kAccent), theme::kFocusRing));
    painter.setBrush(Qt::NoBrush);
    const double inset = kGlowSpread - theme::kFocusRing;
    const double radius = 3.0 * theme::kRadius + theme::kFocusRing;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), radius, radius);
    painter.restore();
    return;
  }
  painter.save();
  // On the accent, or over an accent outline, the ring turns light.
  const bool on_accent = ShowsAccentFill() || (appearance_ == Appearance::kOutline && UsesThemeShape());
  painter.setPen(QPen(theme::Color(on_accent ? theme::kText : theme::kAccent), theme::kFocusRing));
  painter.setBrush(Qt::NoBrush);
  const double inset = theme::kFocusRing / 2.0;
  painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), theme::kRadius, theme::kRadius);
  painter.restore();
}

QColor CButtonUI::StateTextColor() const {
  if (!IsEnabledInWindow()) return CLabelUI::StateTextColor();
  if (pushed_ && hot_ && pushed_text_color_) return theme::Color(pushed_text_color_);
  if (hot_ && hot_text_color_) return theme::Color(hot_text_color_);
  if (HasKeyboardFocus() && focused_text_color_) return theme::Color(focused_text_color_);
  if (GetTextColor()) return theme::Color(GetTextColor());
  switch (appearance_) {
    case Appearance::kPrimary:
      return Qt::white;
    case Appearance::kLink:
      return theme::Color(hot_ ? theme::kAccentHot : theme::kAccent);
    case Appearance::kClose:
      return theme::Color(hot_ ? theme::kText : theme::kTextSecondary);
    default:
      return theme::Color(theme::kText);
  }
}

void CButtonUI::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pushed_ = true;
    hot_ = true;
  } else if (event->button() == Qt::RightButton) {
    right_pushed_ = true;
  } else {
    return CLabelUI::mousePressEvent(event);
  }
  update();
  event->accept();
}

void CButtonUI::mouseReleaseEvent(QMouseEvent* event) {
  const bool inside = rect().contains(event->position().toPoint());
  event->accept();
  if (event->button() == Qt::LeftButton && pushed_) {
    pushed_ = false;
    update();
    if (inside) Activate();  // may destroy this button: nothing after it
  } else if (event->button() == Qt::RightButton && right_pushed_) {
    right_pushed_ = false;
    if (inside && IsEnabledInWindow()) SendNotify(QString::fromUtf16(notify::kRightClick));
  } else {
    CLabelUI::mouseReleaseEvent(event);
  }
}

void CButtonUI::mouseMoveEvent(QMouseEvent* event) {
  const bool inside = rect().contains(event->position().toPoint());
  if (inside != hot_) {
    hot_ = inside;
    update();
  }
  event->accept();
}

void CButtonUI::enterEvent(QEnterEvent* /*event*/) {
  hot_ = true;
  update();
}

void CButtonUI::leaveEvent(QEvent* /*event*/) {
  hot_ = false;
  update();
}

void CButtonUI::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && !event->isAutoRepeat() &&
      event->modifiers() == Qt::NoModifier) {
    event->accept();
    Activate();
    return;
  }
  CLabelUI::keyPressEvent(event);
}

void CButtonUI::focusInEvent(QFocusEvent* event) {
  // Like a browser's :focus-visible: the ring marks focus the keyboard moved, not a click.
  const Qt::FocusReason reason = event->reason();
  keyboard_focus_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                    reason == Qt::ShortcutFocusReason || (reason == Qt::ActiveWindowFocusReason && keyboard_focus_);
  update();
  CLabelUI::focusInEvent(event);
}

void CButtonUI::focusOutEvent(QFocusEvent* event) {
  // A press whose release goes elsewhere (a dialog opened meanwhile) must not leave the button looking pressed.
  pushed_ = false;
  right_pushed_ = false;
  if (event->reason() != Qt::ActiveWindowFocusReason) keyboard_focus_ = false;
  update();
  CLabelUI::focusOutEvent(event);
}

void CButtonUI::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) {
    pushed_ = false;
    update();
  }
  CLabelUI::changeEvent(event);
}

}  // namespace torvane::toolkit

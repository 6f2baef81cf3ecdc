#include "toolkit/COptionUI.h"

#include "toolkit/AttributeValues.h"
#include "toolkit/CPaintManagerUI.h"
#include "toolkit/TNotifyUI.h"
#include "toolkit/Theme.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointer>

namespace torvane::toolkit {

namespace {
constexpr int kMarkSize = 16;
constexpr int kMarkGap = 8;
}  // namespace

COptionUI::COptionUI(QWidget* parent) : CButtonUI(parent) {
  SetTextAlign(Qt::AlignLeft | Qt::AlignVCenter);
  SetAppearance(Appearance::kNone);
  SetTextPadding(QMargins(kMarkSize + kMarkGap, 0, 0, 0));
}

QString COptionUI::GetClass() const {
  return QStringLiteral("OptionUI");
}

void COptionUI::SetGroup(const QString& group) {
  group_ = group;
  if (selected_) ClearGroupPeers();
  update();
}

void COptionUI::ClearGroupPeers() {
  if (group_.isEmpty()) return;
  std::vector<CControlUI*> peers;
  if (GetManager()) {
    peers = GetManager()->FindControls([this](CControlUI* c) {
      auto* option = dynamic_cast<COptionUI*>(c);
      return option && option != this && option->group_ == group_;
    });
  } else if (QWidget* parent = parentWidget()) {
    for (QObject* child : parent->children()) {
      auto* option = dynamic_cast<COptionUI*>(child);
      if (option && option != this && option->group_ == group_) peers.push_back(option);
    }
  }
  for (CControlUI* peer : peers) {
    auto* option = static_cast<COptionUI*>(peer);
    if (option->selected_) {
      option->selected_ = false;
      option->update();
    }
  }
}

void COptionUI::Selected(bool selected, bool trigger_event) {
  if (selected_ == selected) return;
  selected_ = selected;
  if (selected_) ClearGroupPeers();
  update();
  if (trigger_event) SendNotify(QString::fromUtf16(notify::kSelectChanged));
}

bool COptionUI::Activate() {
  QPointer<COptionUI> self(this);
  if (!CButtonUI::Activate() || !self) return false;
  Selected(group_.isEmpty() ? !selected_ : true, true);
  return true;
}

void COptionUI::SetAttribute(const QString& name, const QString& value) {
  if (NameIs(name, u"group")) {
    SetGroup(value);
  } else if (NameIs(name, u"selected")) {
    if (const auto b = ParseBool(value)) Selected(*b);
  } else if (NameIs(name, u"selectedimage")) {
    selected_image_ = value;
    update();
  } else if (NameIs(name, u"selectedhotimage")) {
    selected_hot_image_ = value;
    update();
  } else if (NameIs(name, u"selectedtextcolor")) {
    if (const auto c = ParseColor(value)) selected_text_color_ = *c;
  } else if (NameIs(name, u"selectedbkcolor")) {
    if (const auto c = ParseColor(value)) selected_bk_color_ = *c;
  } else {
    CButtonUI::SetAttribute(name, value);
    // An option with its own images or a button look has no mark before its text.
    if ((NameIs(name, u"normalimage") || NameIs(name, u"appearance")) && !DrawsMark() &&
        GetTextPadding() == QMargins(kMarkSize + kMarkGap, 0, 0, 0)) {
      SetTextPadding(QMargins());
      SetTextAlign(Qt::AlignCenter);
    }
  }
}

bool COptionUI::DrawsMark() const {
  return GetAppearance() == Appearance::kNone && GetNormalImage().isEmpty() && selected_image_.isEmpty();
}

QString COptionUI::StateImage() const {
  if (selected_) {
    if (IsHot() && !selected_hot_image_.isEmpty()) return selected_hot_image_;
    if (!selected_image_.isEmpty()) return selected_image_;
  }
  return CButtonUI::StateImage();
}

void COptionUI::PaintBkColor(QPainter& painter) {
  if (selected_ && qAlpha(selected_bk_color_) != 0) {
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), GetBorderRound(), GetBorderRound());
    painter.fillPath(path, theme::Color(selected_bk_color_));
    return;
  }
  CButtonUI::PaintBkColor(painter);
}

void COptionUI::PaintStatusImage(QPainter& painter) {
  if (!DrawsMark()) {
    if (DrawImage(painter, StateImage())) return;
    if (UsesThemeShape()) return PaintThemeShape(painter, selected_);
    return CButtonUI::PaintStatusImage(painter);
  }
  const bool enabled = IsEnabledInWindow();
  const QRectF box(0.5, (height() - kMarkSize) / 2.0 + 0.5, kMarkSize - 1, kMarkSize - 1);
  painter.save();
  const std::uint32_t edge = !enabled    ? theme::kBorderDisabled
                             : selected_ ? theme::kAccent
                             : IsHot()   ? theme::kBorderHot
                                         : theme::kMarkBorder;
  const std::uint32_t fill = !enabled    ? theme::kRaisedDisabled
                             : selected_ ? (IsHot() ? theme::kAccentHot : theme::kAccent)
                                         : theme::kRaised;
  painter.setPen(QPen(theme::Color(edge), 1));
  painter.setBrush(theme::Color(fill));
  if (group_.isEmpty()) {
    painter.drawRoundedRect(box, 3, 3);
    if (selected_) {
      QPen tick(Qt::white, 2);
      tick.setCapStyle(Qt::RoundCap);
      tick.setJoinStyle(Qt::RoundJoin);
      painter.setPen(tick);
      const QPointF o = box.topLeft();
      const QPointF points[] = {o + QPointF(3.5, 8), o + QPointF(6.5, 11), o + QPointF(12, 4.5)};
      painter.drawPolyline(points, 3);
    }
  } else {
    painter.drawEllipse(box);
    if (selected_) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(Qt::white);
      painter.drawEllipse(box.center(), 3.5, 3.5);
    }
  }
  if (HasKeyboardFocus()) {
    painter.setPen(QPen(theme::Color(theme::kAccent), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box.adjusted(-2.5, -2.5, 2.5, 2.5), 4, 4);
  }
  painter.restore();
}

void COptionUI::PaintBorder(QPainter& painter) {
  // With a mark the focus ring goes round the mark (drawn with it), not round the whole row.
  if (DrawsMark()) return CLabelUI::PaintBorder(painter);
  CButtonUI::PaintBorder(painter);
}

bool COptionUI::ShowsAccentFill() const {
  return CButtonUI::ShowsAccentFill() ||
         (selected_ && GetAppearance() == Appearance::kRaised && UsesThemeShape() && IsEnabledInWindow());
}

QColor COptionUI::StateTextColor() const {
  if (selected_ && selected_text_color_ && IsEnabledInWindow()) return theme::Color(selected_text_color_);
  return CButtonUI::StateTextColor();
}

}  // namespace torvane::toolkit

#include "toolkit/CProgressUI.h"

#include "toolkit/AttributeValues.h"
#include "toolkit/ImageDescriptor.h"
#include "toolkit/Theme.h"

#include <QPainter>

#include <algorithm>

namespace torvane::toolkit {

CProgressUI::CProgressUI(QWidget* parent) : CLabelUI(parent) {
  SetTextAlign(Qt::AlignCenter);
}

QString CProgressUI::GetClass() const {
  return QStringLiteral("ProgressUI");
}

void CProgressUI::SetMinValue(int min) {
  min_ = min;
  update();
}

void CProgressUI::SetMaxValue(int max) {
  max_ = max;
  update();
}

void CProgressUI::SetValue(int value) {
  value_ = value;
  update();
}

void CProgressUI::SetHorizontal(bool horizontal) {
  horizontal_ = horizontal;
  update();
}

void CProgressUI::SetForeImage(const QString& image) {
  fore_image_ = image;
  update();
}

void CProgressUI::SetAttribute(const QString& name, const QString& value) {
  if (NameIs(name, u"min")) {
    if (const auto v = ParseInt(value)) SetMinValue(*v);
  } else if (NameIs(name, u"max")) {
    if (const auto v = ParseInt(value)) SetMaxValue(*v);
  } else if (NameIs(name, u"value")) {
    if (const auto v = ParseInt(value)) SetValue(*v);
  } else if (NameIs(name, u"hor")) {
    if (const auto b = ParseBool(value)) SetHorizontal(*b);
  } else if (NameIs(name, u"foreimage")) {
    SetForeImage(value);
  } else {
    CLabelUI::SetAttribute(name, value);
  }
}

void CProgressUI::PaintBkImage(QPainter& painter) {
  // Without a track of its own (no colour, no image or an image missing from the skin) the bar draws one.
  if (DrawImage(painter, GetBkImage()) || qAlpha(GetBkColor()) != 0) return;
  const double radius = std::min(width(), height()) / 2.0;
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(theme::Color(theme::kRaised));
  painter.drawRoundedRect(QRectF(rect()), radius, radius);
  painter.restore();
}

void CProgressUI::PaintStatusImage(QPainter& painter) {
  const long long span = std::max<long long>(1, static_cast<long long>(max_) - min_);
  const long long done = static_cast<long long>(std::clamp(value_, min_, std::max(min_, max_))) - min_;
  QRect fill = rect();
  if (horizontal_) {
    fill.setWidth(static_cast<int>(width() * done / span));
  } else {
    const int h = static_cast<int>(height() * done / span);
    fill.setTop(height() - h);
  }
  if (fill.isEmpty()) return;
  if (toolkit::DrawImage(painter, fill, fore_image_)) return;
  const double radius = std::min(width(), height()) / 2.0;
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(theme::Color(theme::kAccent));
  painter.drawRoundedRect(QRectF(fill), radius, radius);
  painter.restore();
}

}  // namespace torvane::toolkit

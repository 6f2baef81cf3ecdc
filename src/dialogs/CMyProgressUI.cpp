#include "dialogs/CMyProgressUI.h"

#include "toolkit/AttributeValues.h"
#include "toolkit/Theme.h"

#include <QPainter>

#include <algorithm>

namespace torvane::dialogs {

CMyProgressUI::CMyProgressUI(QWidget* parent) : CProgressUI(parent) {}

QString CMyProgressUI::GetClass() const {
  return QStringLiteral("MyProgressUI");
}

void CMyProgressUI::SetFillColor(std::uint32_t argb) {
  fill_color_ = argb;
  update();
}

void CMyProgressUI::SetMargins(const QMargins& margins) {
  margins_ = margins;
  update();
}

void CMyProgressUI::SetAttribute(const QString& name, const QString& value) {
  if (toolkit::NameIs(name, u"progresscolor") || toolkit::NameIs(name, u"bkcolor1")) {
    SetFillColor(toolkit::ParseHexColor(value));
  } else if (toolkit::NameIs(name, u"margins")) {
    // A text that is not four numbers leaves the margins as they were, as for every other control.
    if (const auto margins = toolkit::ParseMargins(value)) SetMargins(*margins);
  } else {
    CProgressUI::SetAttribute(name, value);
  }
}

QRect CMyProgressUI::FillRect() const {
  const long long min = GetMinValue();
  const long long max = GetMaxValue() <= GetMinValue() ? min + 1 : GetMaxValue();
  const long long value = std::clamp<long long>(GetValue(), min, max);
  const long long w = width();
  const long long h = height();
  const long long ml = margins_.left();
  const long long mt = margins_.top();
  const long long mr = margins_.right();
  const long long mb = margins_.bottom();
  long long left = ml;
  long long top = mt;
  long long right = 0;
  long long bottom = h - mb;
  if (IsHorizontal()) {
    right = ml + (w - ml - mr) * (value - min) / (max - min);
  } else {
    top = mt + (h - mt - mb) * (max - value) / (max - min);
    right = w - mr;
  }
  if (right <= left || bottom <= top) return {};
  return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
               static_cast<int>(bottom - top));
}

void CMyProgressUI::PaintStatusImage(QPainter& painter) {
  // The background image is already drawn; a fill colour of 0 is fully transparent, so nothing is drawn.
  const QRect fill = FillRect();
  if (fill.isEmpty() || qAlpha(fill_color_) == 0) return;
  painter.fillRect(fill, toolkit::theme::Color(fill_color_));
}

}  // namespace torvane::dialogs

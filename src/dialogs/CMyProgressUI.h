#pragma once

#include "toolkit/CProgressUI.h"

#include <QMargins>

#include <cstdint>

namespace torvane::dialogs {

// The write progress bar: over the background image it fills, in one colour, the part of the inner rectangle
// (the control less its margins) that the value reaches. Attributes: "progresscolor" (also "bkcolor1") and
// "margins" "left,top,right,bottom"; everything else goes to the base progress bar.
class CMyProgressUI : public toolkit::CProgressUI {
 public:
  explicit CMyProgressUI(QWidget* parent = nullptr);
  QString GetClass() const override;

  std::uint32_t GetFillColor() const { return fill_color_; }
  void SetFillColor(std::uint32_t argb);
  QMargins GetMargins() const { return margins_; }
  void SetMargins(const QMargins& margins);

  // The filled rectangle in the control's own coordinates (empty when nothing is filled). A maximum not above the
  // minimum counts as minimum + 1; the value counts as clamped into the range.
  QRect FillRect() const;

  void SetAttribute(const QString& name, const QString& value) override;

 protected:
  void PaintStatusImage(QPainter& painter) override;

 private:
  std::uint32_t fill_color_ = 0;
  QMargins margins_;
};

}  // namespace torvane::dialogs

#pragma once

#include "toolkit/ControlAccessible.h"

namespace torvane::toolkit {

class CChartUI;

// A curve chart to assistive technology: a chart named by its layout text or tip whose value is its focused
// point's, so a screen reader reads "point 6 of 21: 50" and can set the value like a slider's.
class ChartAccessible : public ControlAccessible {
 public:
  explicit ChartAccessible(CChartUI* chart);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text kind) const override;

  QVariant currentValue() const override;
  void setCurrentValue(const QVariant& value) override;
  QVariant maximumValue() const override;
  QVariant minimumValue() const override;
  QVariant minimumStepSize() const override;

 private:
  CChartUI* Chart() const;
};

}  // namespace torvane::toolkit

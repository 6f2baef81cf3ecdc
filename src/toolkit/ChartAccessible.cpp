#include "toolkit/ChartAccessible.h"

#include "toolkit/CChartUI.h"
#include "toolkit/WindowImplBase.h"

namespace torvane::toolkit {

ChartAccessible::ChartAccessible(CChartUI* chart) : ControlAccessible(chart, QAccessible::Chart) {}

CChartUI* ChartAccessible::Chart() const {
  return static_cast<CChartUI*>(widget());
}

void* ChartAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
  return ControlAccessible::interface_cast(type);
}

QString ChartAccessible::text(QAccessible::Text kind) const {
  if (kind != QAccessible::Value) return ControlAccessible::text(kind);
  const CChartUI* chart = Chart();
  const int index = chart->GetFocusIndex();
  if (index < 0) return {};
  return QStringLiteral("point %1 of %2: %3").arg(index + 1).arg(chart->GetPoints().size()).arg(chart->ValueOf(index));
}

QVariant ChartAccessible::currentValue() const {
  const int index = Chart()->GetFocusIndex();
  return index >= 0 ? QVariant(Chart()->ValueOf(index)) : QVariant();
}

void ChartAccessible::setCurrentValue(const QVariant& value) {
  CChartUI* chart = Chart();
  bool ok = false;
  const int wanted = value.toInt(&ok);
  if (ok && chart->IsEnabledInWindow() && !WindowImplBase::IsBehindModal(chart))
    chart->MovePoint(chart->GetFocusIndex(), chart->PlotHeight() - wanted);
}

QVariant ChartAccessible::maximumValue() const {
  return Chart()->PlotHeight();
}

QVariant ChartAccessible::minimumValue() const {
  return 0;
}

QVariant ChartAccessible::minimumStepSize() const {
  return 1;
}

}  // namespace torvane::toolkit

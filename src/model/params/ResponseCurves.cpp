#include "model/params/ResponseCurves.h"

#include <algorithm>
#include <initializer_list>

namespace torvane::model {

namespace {

// The listed points, then 200 up to the last point.
Curve RisingTo200(std::initializer_list<std::uint8_t> head) {
  Curve curve;
  curve.fill(kCurveMax);
  std::copy(head.begin(), head.end(), curve.begin());
  return curve;
}

}  // namespace

Curve NeutralCurve() {
  Curve curve;
  for (std::size_t i = 0; i < curve.size(); ++i) curve[i] = static_cast<std::uint8_t>(kCurveStepX * i);
  return curve;
}

Curve ChartFromCurve(const Curve& stored) {
  Curve chart;
  std::transform(stored.begin(), stored.end(), chart.begin(), ChartYFromStored);
  return chart;
}

Curve CurveFromChart(const Curve& chart) {
  Curve stored;
  std::transform(chart.begin(), chart.end(), stored.begin(), StoredFromChartY);
  return stored;
}

std::optional<CurvePair> PerGameCurves(int game_id) {
  switch (game_id) {
    case 76:  // Ghost Recon: Wildlands
      return CurvePair{RisingTo200({0, 10, 20, 40, 65, 100, 139}), NeutralCurve()};
    case 48:  // Halo 5: Guardians
      return CurvePair{RisingTo200({0, 14, 37, 69, 114, 157}), NeutralCurve()};
    case 78:  // Horizon: Zero Dawn
      return CurvePair{RisingTo200({0, 63, 115, 162}), RisingTo200({0, 37, 78, 115, 143, 171, 188})};
    case 80:  // Resident Evil 7: Biohazard
      return CurvePair{RisingTo200({0, 26, 49, 76, 105, 131, 155, 181}), NeutralCurve()};
    case 81:  // Splatoon 2
      return CurvePair{RisingTo200({0, 10, 20, 30, 40, 50, 73, 101, 135, 165}), NeutralCurve()};
    default:
      return std::nullopt;
  }
}

}  // namespace torvane::model

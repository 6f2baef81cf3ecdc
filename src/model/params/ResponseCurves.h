#pragma once

#include <cstdint>
#include <optional>

#include "model/ConfigRecord.h"

namespace torvane::model {

// Curve points run 0..200; the chart draws point i at x = 10 i, y = 200 - value.
inline constexpr std::uint8_t kCurveMax = 200;
inline constexpr int kCurveStepX = 10;

// 0, 10, ..., 200.
Curve NeutralCurve();

struct CurvePair {
  Curve hip;
  Curve ads;
};

// The curves a catalogue game starts with when it has its own; nothing for
// the games that start neutral.
std::optional<CurvePair> PerGameCurves(int game_id);

// Chart coordinate of a stored point, and back. Both clamp to 0..200, so a
// stray byte from an adapter or a file still lands on the chart.
constexpr std::uint8_t ChartYFromStored(std::uint8_t value) {
  return static_cast<std::uint8_t>(kCurveMax - (value < kCurveMax ? value : kCurveMax));
}
constexpr std::uint8_t StoredFromChartY(std::uint8_t y) {
  return ChartYFromStored(y);
}

// A whole curve as chart coordinates, and back.
Curve ChartFromCurve(const Curve& stored);
Curve CurveFromChart(const Curve& chart);

}  // namespace torvane::model

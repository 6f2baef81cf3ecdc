#pragma once

#include <array>

#include "model/ConfigRecord.h"

namespace torvane::model::catalogue {

// Wheel type ids of the steering wheels the adapter knows.
inline constexpr int kWheelG27 = 0;
inline constexpr int kWheelG25 = 1;
inline constexpr int kWheelDFGT = 2;
inline constexpr int kWheelDFP = 3;
inline constexpr int kWheelG29 = 4;
inline constexpr int kWheelT300RS = 5;
inline constexpr int kWheelG920 = 6;
inline constexpr int kWheelModelCount = 7;

// The four mapping groups a wheel type brings on `host`: group 0 the racing
// keyboard layout, group 1 the wheel's buttons and pedals on the console
// buttons, groups 2 and 3 empty. An unknown type maps no wheel buttons.
std::array<MappingGroup, kMappingGroups> WheelMapping(int wheel_type, int host);

}  // namespace torvane::model::catalogue
